// Part V of Form 4562: listed property (Section A), vehicle use (Section B) and the employer's
// answers (Section C).
#include "form4562/FormAmounts.h"

#include "common/Recordset.h"
#include "form4562/FormText.h"
#include "server/reporting/Auto.h"
#include "server/reporting/Depr4562.h"

#include <array>

namespace qel::form4562 {
namespace {

bool isEmpty(const Recordset& rs) {
    return rs.IsEOF() && rs.IsBOF();
}

// Lines 26 (withMethod: method and section 179 too) and 27 from the listed-property rows: either
// up to three asset rows, or the two "Total Listed" rows added into one (placements of the year,
// whose section 179 is kept, and earlier placements).
void listedRows(Recordset rs, std::array<ListedRow, 3>& rows, bool withMethod) {
    if (isEmpty(rs))
        return;
    if (rs["Asset_name"] == Variant("Total Listed")) {
        // A total row sums over no asset as Null: all listed assets may be earlier placements.
        ListedRow& total = rows[0];
        total.property = "Total Listed";
        total.placed.assign(1, ' ');
        total.businessUse.assign(1, ' ');
        total.cost = textOrEmpty(rs["Cost"]);
        total.basis = textOrEmpty(rs["Basis"]);
        total.period.assign(1, '5');
        total.method = withMethod ? "200DB" : "";
        total.deduction = textOrEmpty(rs["Depr"]);
        if (withMethod)
            total.section179 = textOrEmpty(rs["179_deduction"]);
        rs.MoveNext();
        if (!rs.IsEOF()) {
            const auto add = [&rs](std::string& sum, const char* field) {
                sum = plainNumber(numberOf(sum) + numberOf(textOrEmpty(rs[field])));
            };
            add(total.cost, "Cost");
            add(total.basis, "Basis");
            add(total.deduction, "Depr");
        }
        return;
    }
    for (ListedRow& row : rows) {
        if (rs.IsEOF())
            break;
        row.property = asText(rs["Asset_name"], "Asset_name");
        row.placed = monthYear(rs["In_service_date"], "In_service_date");
        row.businessUse = asText(rs["bpercent"], "bpercent");
        row.cost = asText(rs["Cost"], "Cost");
        row.basis = asText(rs["Basis"], "Basis");
        row.period = asText(rs["life"], "life");
        if (withMethod)
            row.method = asText(rs["Method"], "Method");
        row.convention = textOrEmpty(rs["abbreviation"]);
        row.deduction = asText(rs["Depr"], "Depr");
        if (withMethod)
            row.section179 = asText(rs["179_deduction"], "179_deduction");
        rs.MoveNext();
    }
}

// Vehicle numbers of columns (a) to (f) at 1 to 6 (0 when the column has no vehicle): the first
// six vehicles in the order the vehicle window shows them.
std::array<std::int32_t, 7> vehicleSlots(Recordset rs) {
    std::array<std::int32_t, 7> slots{};
    int used = 0;
    for (; !rs.IsEOF() && used < 6; rs.MoveNext()) {
        asText(rs["vehicle_num"], "vehicle_num");
        slots[++used] = rs["vehicle_num"].toInt32();
    }
    return slots;
}

// Lines 30 to 36: each use row goes to the column of its vehicle. The use rows come in the
// order of the columns, so the search starts at the column after the last one matched.
void vehicleUse(Recordset rs, const std::array<std::int32_t, 7>& slots, FormValues& v) {
    int at = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (at < 5)
            ++at;
        if (at > 6)
            at = 6;
        const Variant& number = rs["Vehicle #"];
        const auto matches = [&](int slot) { return !number.isNull() && number.toDouble() == slots[slot]; };
        if (!matches(at)) {
            while (++at <= 6 && !matches(at)) {
            }
            if (at > 6)
                continue; // no column holds this vehicle; `at` is 7
        }
        VehicleColumn& column = v.vehicles[at - 1];
        column.businessMiles = asText(rs["Business Miles"], "Business Miles");
        column.commutingMiles = asText(rs["Commuting Miles"], "Commuting Miles");
        column.personalMiles = asText(rs["Personal Miles"], "Personal Miles");
        column.totalMiles = plainNumber(numberOf(column.businessMiles) + numberOf(column.commutingMiles) +
                                        numberOf(column.personalMiles));
        column.offHoursUse = answerText(rs["Available Personal Use off Hours"]);
        column.ownerDriver = answerText(rs["Driver 5 percent Owner"]);
        column.otherVehicle = answerText(rs["Another Car Available"]);
    }
}

} // namespace

void listedPropertyAndVehicles(std::int32_t lngCompanyId, std::int16_t intYear, FormValues& v) {
    Depr4562 depr;
    v.line25 = depr.GetAllowances(lngCompanyId, intYear, "Listed");
    listedRows(depr.GetListedDepr(lngCompanyId, intYear, ">"), v.line26, true);
    listedRows(depr.GetListedDepr(lngCompanyId, intYear, "<="), v.line27, false);

    double line28 = v.line25;
    double line29 = 0;
    for (int r = 0; r < 3; ++r) {
        line28 += numberOf(v.line26[r].deduction) + numberOf(v.line27[r].deduction);
        line29 += numberOf(v.line26[r].section179);
    }
    v.line28 = wholeDollars(line28);
    v.line29 = wholeDollars(line29);

    Auto autos;
    const std::array<std::int32_t, 7> slots =
        vehicleSlots(autos.GetVehicleDescription(lngCompanyId, intYear));
    vehicleUse(autos.GetAutoUse(intYear, lngCompanyId), slots, v);
    const Recordset answers = autos.GetAutoQst(intYear, lngCompanyId);
    if (!answers.IsEOF()) {
        const char* fields[] = {"No Personal Use", "Commuting Allowed", "All Personal Use",
                                "More 5 Cars & keep Track", "Meet Requirements"};
        for (int k = 0; k < 5; ++k)
            v.lines37to41[k] = answerText(answers[fields[k]]);
    }
}

} // namespace qel::form4562
