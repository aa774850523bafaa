// Parts I to IV and VI of Form 4562: amortization, the heading, section 179, the special
// allowance and other depreciation, MACRS and ADS by recovery period, and the total of line 22.
#include "form4562/FormAmounts.h"

#include "common/Convert.h"
#include "common/Recordset.h"
#include "common/ServerError.h"
#include "form4562/FormText.h"
#include "server/reporting/Depr4562.h"
#include "server/support/DeprSupport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace qel::form4562 {
namespace {

bool isEmpty(const Recordset& rs) {
    return rs.IsEOF() && rs.IsBOF();
}

// Line 42: one "Total Amortized" row, or up to two asset rows.
void amortizationRows(Recordset rs, std::array<AmortizationRow, 2>& rows) {
    if (isEmpty(rs))
        return;
    if (rs["Asset_name"] == Variant("Total Amortized")) {
        // The sums are Null when none of the counted assets has a tax row for the year.
        rows[0] = {"Total Amortized", " ", textOrEmpty(rs["Basis"]), " ", " ", textOrEmpty(rs["Depr"])};
        return;
    }
    for (AmortizationRow& row : rows) {
        if (rs.IsEOF())
            break;
        row.description = asText(rs["Asset_name"], "Asset_name");
        row.begins = monthYear(rs["In_service_date"], "In_service_date");
        row.amount = asText(rs["Basis"], "Basis");
        row.codeSection = asText(rs["amortize_Code"], "amortize_Code");
        row.period = asText(rs["Periods"], "Periods");
        row.deduction = asText(rs["Depr"], "Depr");
        rs.MoveNext();
    }
}

// Line 6: one "Total 179 Assets" row, or up to two asset rows; the description is indented by
// two blanks.
void section179Rows(Recordset rs, std::array<std::array<std::string, 3>, 2>& rows) {
    if (isEmpty(rs))
        return;
    if (rs["Asset_name"] == Variant("Total 179 Assets")) {
        rows[0][0] = "  Total 179 Assets";
        rows[0][2] = asText(rs["179_deduction"], "179_deduction");
        return;
    }
    for (auto& row : rows) {
        if (rs.IsEOF())
            break;
        row[0] = "  " + textOrEmpty(rs["Asset_name"]);
        row[1] = asText(rs["Cost"], "Cost");
        row[2] = asText(rs["179_deduction"], "179_deduction");
        rs.MoveNext();
    }
}

// "Yes" or "No" whatever the letter case; any other text as it stands.
std::string yesNo(std::string text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    return upper == "YES" ? "Yes" : upper == "NO" ? "No" : text;
}

// The year's stored other depreciation in whole dollars; an empty or Null value counts as 0.
std::int32_t storedOtherDepr(const Variant& value) {
    std::string text = textOrEmpty(value);
    text.erase(std::remove_if(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); }),
               text.end());
    if (text.empty())
        return 0;
    if (!isPlainNumber(text))
        throw ServerError(kTypeMismatch, "Display4562",
                          "Type mismatch: the year's Other Depr \"" + text + "\" is no number",
                          ErrorKind::Conversion);
    return wholeDollars(std::strtod(text.c_str(), nullptr));
}

// The company's yearly Form 4562 data, when the year has a row.
void yearlyData(const Recordset& rs, FormValues& v, RunTotals& totals) {
    if (rs.IsEOF())
        return;
    v.line10 = textOrEmpty(rs["179 CarryOver"]);
    v.line11 = textOrEmpty(rs["179 Income Limit"]);
    v.line15 = textOrEmpty(rs["168 Property"]);
    totals.storedOtherDepr = storedOtherDepr(rs["Other Depr"]);
    v.line18 = textOrEmpty(rs["Group Assets"]).insert(0, 1, '/');
    v.line23 = textOrEmpty(rs["263A Cost"]);
    v.line24a = yesNo(textOrEmpty(rs["Listed Claim"]));
    v.line24b = yesNo(textOrEmpty(rs["Listed Evidence"]));
    totals.exclude179 = textOrEmpty(rs["Exclude 179"]) == "Yes";
}

// `text` followed by `more`, shortened to its first `width` characters when the two agree
// (every row had the same word) and "N/A" when they do not.
void joinSame(std::string& text, const std::string& more, std::size_t width) {
    text += more;
    if (text.size() > width)
        text = text.substr(text.size() - width) == text.substr(0, width) ? text.substr(0, width) : "N/A";
}

void addTo(std::string& sum, const Variant& value, const char* what) {
    sum = plainNumber(numberOf(sum) + numberOf(asText(value, what)));
}

// Lines 19a to 19i from the year's new MACRS property by recovery period. Lines 19g, 19h and
// 19i add up all their rows (so line 22 counts every row).
void macrsRows(Recordset rs, FormValues& v, RunTotals& totals) {
    static constexpr double kLives[] = {3, 5, 7, 10, 15, 20};
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (rs[0].isNull() || rs["life"].isNull())
            continue;
        const double life = rs["life"].toDouble();
        const auto* found = std::find(std::begin(kLives), std::end(kLives), life);
        if (found != std::end(kLives)) {
            RecoveryRow& row = v.line19[found - std::begin(kLives)];
            addTo(row.basis, rs["Basis"], "Basis");
            row.period = asText(rs["life"], "life");
            joinSame(row.convention, textOrEmpty(rs["convention"]), 2);
            joinSame(row.method, asText(rs["Method"], "Method"), 6);
            addTo(row.deduction, rs["Depr"], "Depr");
        } else if (life == 25) {
            RecoveryRow& row = v.line19[6];
            addTo(row.basis, rs["Basis"], "Basis");
            row.period = asText(rs["life"], "life");
            row.convention = asText(rs["convention"], "convention");
            addTo(row.deduction, rs["Depr"], "Depr");
        } else if (life == 27.5 || life == 39) {
            RecoveryRow& row = life == 39 ? v.line19i : v.line19h;
            addTo(row.basis, rs["Basis"], "Basis");
            addTo(row.deduction, rs["Depr"], "Depr");
        } else if (life == 50) {
            totals.macrs50Year = wholeDollars(numberOf(asText(rs["Depr"], "Depr")));
        }
    }
}

// Lines 20a to 20c from the year's new ADS property by recovery period; line 20c adds up all
// its rows.
void adsRows(Recordset rs, FormValues& v, RunTotals& totals) {
    std::string classLife;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (rs[0].isNull())
            continue;
        const double life = rs["life"].toDouble();
        if (life == 50) {
            totals.ads50Year = wholeDollars(numberOf(asText(rs["Depr"], "Depr")));
            continue;
        }
        RecoveryRow& row = life == 12 ? v.line20b : life == 40 ? v.line20c : v.line20a;
        addTo(row.basis, rs["Basis"], "Basis");
        addTo(row.deduction, rs["Depr"], "Depr");
        if (life == 40)
            continue;
        // Two rows of a line never share one convention here: the line says "N/A".
        row.convention += textOrEmpty(rs["convention"]);
        if (row.convention.size() > 2)
            row.convention = "N/A";
        if (life != 12) {
            const std::string period = textOrEmpty(rs["life"]);
            if (classLife.empty())
                classLife = period;
            row.period = period == classLife ? period : "N/A";
        }
    }
}

} // namespace

void amortizationAndSection179(std::int32_t lngCompanyId, std::int16_t intYear, FormValues& v,
                               RunTotals& totals) {
    Depr4562 depr;
    amortizationRows(depr.GetAmortized(lngCompanyId, intYear), v.line42);
    v.line43 = depr.GetPriorYearAmortization(lngCompanyId, intYear);
    v.line44 = wholeDollars(numberOf(v.line42[0].deduction) + numberOf(v.line42[1].deduction) + v.line43);

    const Recordset company = depr.GetCompanyData(lngCompanyId);
    if (!company.IsEOF()) {
        v.ownerName = textOrEmpty(company["owner"]);
        v.business = textOrEmpty(company["Company name"]);
        v.identifier = textOrEmpty(company["tax Id"]);
    }

    DeprSupport support;
    const Recordset limits = support.Get179Limits(intYear);
    if (limits.IsEOF()) {
        v.line1 = v.line3 = "Missing";
    } else {
        v.line1 = asText(limits["Maximum Amount"], "Maximum Amount");
        v.line3 = asText(limits["Threshold Cost"], "Threshold Cost");
    }
    const Recordset cost = support.Get179andCostTotal(lngCompanyId, intYear);
    if (!cost.IsEOF())
        v.line2 = cost[0].isNull() ? "0" : asText(cost[0], "cost");
    v.line4 = std::max(0, wholeDollars(numberOf(v.line2) - numberOf(v.line3)));
    v.line5 = std::max(0, wholeDollars(numberOf(v.line1) - v.line4));
    section179Rows(depr.Get179MacrsDeduction(lngCompanyId, intYear), v.line6);
    v.line8 = wholeDollars(numberOf(v.line6[0][2]) + numberOf(v.line6[1][2]) + v.line29);
    v.line9 = std::min(v.line8, v.line5);

    yearlyData(support.GetMisc4562DataForMaint(lngCompanyId, intYear), v, totals);
    if (numberOf(v.line11) < 0)
        v.line11.assign(1, '0');
    if (numberOf(v.line11) > v.line5)
        v.line11 = std::to_string(v.line5);
    v.line12 = wholeDollars(v.line9 + numberOf(v.line10));
    if (numberOf(v.line11) < v.line12)
        v.line12 = wholeDollars(numberOf(v.line11));
    v.line13 = wholeDollars(v.line9 + numberOf(v.line10) - v.line12);
}

void depreciationAndSummary(std::int32_t lngCompanyId, std::int16_t intYear, FormValues& v,
                            RunTotals& totals) {
    Depr4562 depr;
    v.line14 = depr.GetAllowances(lngCompanyId, intYear, "MACRS");
    const std::int64_t line16 =
        std::int64_t{depr.GetOtherDepr(intYear, lngCompanyId)} + totals.storedOtherDepr;
    if (line16 < std::numeric_limits<std::int32_t>::min() ||
        line16 > std::numeric_limits<std::int32_t>::max())
        throw ServerError(kErrOverflow, "Display4562",
                          "Overflow: line 16 of " + std::to_string(line16) + " does not fit a 32-bit number",
                          ErrorKind::Conversion);
    v.line16 = static_cast<std::int32_t>(line16);
    v.line17 = depr.GetMacrsPriorYears(lngCompanyId, intYear);
    macrsRows(depr.GetDeprSummary(lngCompanyId, intYear, Variant("MACRS")), v, totals);
    adsRows(depr.GetDeprSummary(lngCompanyId, intYear, Variant("ADS")), v, totals);

    double total = v.line14 + numberOf(v.line15) + v.line16 + v.line17 + v.line28;
    for (const RecoveryRow& row : v.line19)
        total += numberOf(row.deduction);
    for (const RecoveryRow* row : {&v.line19h, &v.line19i, &v.line20a, &v.line20b, &v.line20c})
        total += numberOf(row->deduction);
    if (!totals.exclude179)
        total += v.line12;
    std::string text = plainNumber(total);
    if (totals.macrs50Year > 0 || totals.ads50Year > 0)
        v.line22 = amountOrBlank(plainNumber(numberOf(text) + totals.macrs50Year + totals.ads50Year)) + " *";
    else
        v.line22 = amountOrBlank(text);
}

} // namespace qel::form4562
