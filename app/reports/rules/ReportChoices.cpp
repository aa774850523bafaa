// The report choice rules.
#include "app/reports/rules/ReportChoices.h"

#include "app/reports/rules/ReportCatalogue.h"

#include <vector>

namespace qel::reports {

namespace {

// The reports of the tax report choice, in the catalogue's order.
const std::vector<const ReportDef*>& taxReports() {
    static const std::vector<const ReportDef*> reports = [] {
        std::vector<const ReportDef*> found;
        for (const ReportDef& r : reportCatalogue())
            if (r.entry == ReportEntry::TaxReportWindow)
                found.push_back(&r);
        return found;
    }();
    return reports;
}

} // namespace

const char* taxReportCaption(std::size_t option) {
    constexpr std::string_view books = "Books ";
    if (option >= taxReports().size())
        return "";
    const std::string_view name = taxReports()[option]->name;
    // A suffix of the name's text, so it ends where the name does.
    return name.starts_with(books) ? name.data() + books.size() : name.data();
}

std::string taxReportName(int option) {
    if (option < 0 || static_cast<std::size_t>(option) >= taxReports().size())
        return {};
    return taxReports()[static_cast<std::size_t>(option)]->name;
}

ChoiceCheck ValidateReportChoice(std::string_view reportName, std::string_view year, std::string_view book) {
    ChoiceCheck check{true, {}};
    const auto missing = [&](const char* message) {
        check.message += message;
        check.ok = false;
    };
    if (reportName.empty())
        missing(" Please select a report. ");
    if (year.empty())
        missing(" Year is required ");
    if (book.empty())
        missing(" Book is required ");
    return check;
}

DialogPlace locationDialogPlace(double mainLeft, double mainTop, double mainWidth, double mainHeight,
                                double dialogWidth, double dialogHeight) {
    return {mainLeft + (mainWidth - dialogWidth) / 2, mainTop + (mainHeight - dialogHeight) / 8};
}

} // namespace qel::reports
