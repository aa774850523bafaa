#include "app/printing/rules/AssetListing.h"

#include "app/printing/rules/PrintText.h"
#include "common/Convert.h"

#include <initializer_list>

namespace qel::printing {
namespace {

constexpr int kHeaderIndent = 400;
constexpr int kIndent = 360;
constexpr double kPoints = 8;
constexpr double kTitlePoints = 10;
constexpr std::size_t kRuleLength = 95;
constexpr std::size_t kCompanyWidth = 39;
constexpr std::size_t kDateWidth = 43;
const std::string kTitle = "Asset Listing";
constexpr std::size_t kTitleLead = 33;

// Field widths of an asset block, in characters.
constexpr std::size_t kLabel1 = 16;
constexpr std::size_t kValue1 = 20;
constexpr std::size_t kLabel2 = 17;
constexpr std::size_t kValue2 = 15;
constexpr std::size_t kLabel3 = 20;
// A value that takes the room of value 1, label 2 and value 2.
constexpr std::size_t kWideValue = kValue1 + kLabel2 + kValue2;
// Empty lines after the last line of a block.
constexpr int kLinesAfterBlock = 9;

Paragraph emptyLine(int indent, bool bold = false) {
    return {indent, {{"", bold, kPoints}}};
}

Paragraph boldLine(int indent, const std::string& text, double points = kPoints) {
    return {indent, {{text, true, points}}};
}

std::string text(const Recordset& rs, const char* field) {
    return rs[field].toString();
}

std::string amount(const Recordset& rs, const char* field) {
    const Variant& v = rs[field];
    return v.isNull() ? std::string() : wholeAmount(v.toDouble());
}

// A month and year; nothing for Null and for the "no date" value.
std::string month(const Recordset& rs, const char* field) {
    const Variant& v = rs[field];
    if (v.isNull())
        return {};
    const Date d = v.toDate();
    return d.isNoDate() ? std::string() : monthYear(d);
}

// One line of labelled fields: a label (bold) and its value (regular), alternately, each set
// into its width; a width of 0 takes the text's whole length (the last value of a line).
struct Field {
    std::string text;
    std::size_t width;
};

Paragraph fieldLine(std::initializer_list<Field> fields) {
    Paragraph p{kIndent, {}};
    bool label = true;
    for (const Field& f : fields) {
        p.runs.push_back({f.width == 0 ? f.text : leftSet(f.text, f.width), label, kPoints});
        label = !label;
    }
    return p;
}

} // namespace

double taxBasis(const Recordset& rs) {
    const double deductions =
        rs["Allowance 30 %"].toDouble() + rs["179_Deduction"].toDouble() + rs["other_deductions"].toDouble();
    return roundHalfEven(rs["Cost"].toDouble() * rs["Bussiness_percent"].toDouble() - deductions);
}

void addListingPageHeader(RichDocument& doc, const std::string& companyName, std::int32_t page,
                          const Date& today) {
    doc.push_back(emptyLine(kHeaderIndent, true));
    doc.push_back(boldLine(kHeaderIndent, leftSet(companyName, kCompanyWidth) + "   " +
                                              leftSet(monthDayYear(today), kDateWidth) + "Page " +
                                              std::to_string(page)));
    doc.push_back(boldLine(kIndent, repeated('_', kRuleLength)));
    doc.push_back(emptyLine(kIndent, true));
    doc.push_back(boldLine(kIndent, repeated(' ', kTitleLead) + kTitle, kTitlePoints));
    doc.push_back(boldLine(kIndent, repeated('_', kRuleLength)));
    doc.push_back(emptyLine(kIndent, true));
}

void addAssetBlock(RichDocument& doc, const Recordset& rs) {
    const std::vector<Paragraph> lines = {
        fieldLine({{"Description:", kLabel1},
                   {text(rs, "Asset_Name"), kWideValue},
                   {"Asset Id:", kLabel3},
                   {text(rs, "Asset_Num"), 0}}),
        fieldLine({{"Tax Method:", kLabel1},
                   {text(rs, "Method"), kValue1},
                   {"Tax Life:", kLabel2},
                   {text(rs, "life"), kValue2},
                   {"Amortize Code:", kLabel3},
                   {text(rs, "amortize_code"), 0}}),
        fieldLine({{"Tax Cost:", kLabel1},
                   {amount(rs, "Cost"), kValue1},
                   {"Actual Method:", kLabel2},
                   {text(rs, "actual_method"), kValue2},
                   {"Business %:", kLabel3},
                   {formatNumber(100 * rs["Bussiness_percent"].toDouble()), 0}}),
        fieldLine({{"179 Deduction:", kLabel1},
                   {amount(rs, "179_Deduction"), kValue1},
                   {"Salvage/Other:", kLabel2},
                   {amount(rs, "other_deductions"), kValue2},
                   {"30/50% Deduction:", kLabel3},
                   {amount(rs, "Allowance 30 %"), 0}}),
        fieldLine({{"Tax Basis:", kLabel1},
                   {wholeAmount(taxBasis(rs)), kValue1},
                   {"Convention:", kLabel2},
                   {text(rs, "Abbreviation"), kValue2},
                   {"In Service Date:", kLabel3},
                   {month(rs, "In_Service_Date"), 0}}),
        fieldLine({{"Location:", kLabel1},
                   {text(rs, "Short Location"), kValue1},
                   {"Book Life:", kLabel2},
                   {text(rs, "book_life"), kValue2},
                   {"Book Cost:", kLabel3},
                   {amount(rs, "Book_cost"), 0}}),
        fieldLine({{"Class:", kLabel1},
                   {text(rs, "Description"), kWideValue},
                   {"Vehicle #:", kLabel3},
                   {text(rs, "vehicle_num"), 0}}),
        fieldLine({{"Account:", kLabel1}, {text(rs, "Account Descr"), 0}}),
        fieldLine({{"Tag Nbr:", kLabel1}, {text(rs, "Tag Number"), 0}}),
        fieldLine({{"Serial Nbr:", kLabel1}, {text(rs, "Serial Number"), 0}}),
        fieldLine({{"Notes:", kLabel1}, {text(rs, "Notes"), 0}}),
        fieldLine({{"Long Descr:", kLabel1}, {text(rs, "Long Description"), 0}}),
    };
    for (const Paragraph& p : lines) {
        doc.push_back(p);
        doc.push_back(emptyLine(kIndent));
    }
    doc.push_back(boldLine(kIndent, "Disposition:"));
    doc.push_back(fieldLine({{"     Date:", kLabel1},
                             {month(rs, "sold_date"), kValue1},
                             {"Amount:", kLabel2},
                             {amount(rs, "sold_amt"), kValue2},
                             {"Gain/Loss:", kLabel3},
                             {amount(rs, "Gain_loss"), 0}}));
    for (int i = 0; i < kLinesAfterBlock; ++i)
        doc.push_back(emptyLine(kIndent));
}

RichDocument buildAssetListing(Recordset& ledger, const std::string& companyName, const Date& today) {
    RichDocument doc;
    if (ledger.RecordCount() == 0)
        return doc;
    addListingPageHeader(doc, companyName, 1, today);
    const std::size_t count = ledger.RecordCount();
    std::size_t n = 0;
    for (ledger.MoveFirst(); !ledger.IsEOF(); ledger.MoveNext()) {
        ++n;
        addAssetBlock(doc, ledger);
        if (n % 2 == 0 && n < count)
            addListingPageHeader(doc, companyName, static_cast<std::int32_t>(n / 2 + 1), today);
    }
    return doc;
}

} // namespace qel::printing
