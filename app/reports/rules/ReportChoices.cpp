// The report choice rules.
#include "app/reports/rules/ReportChoices.h"

namespace qel::reports {

std::string taxReportName(int option) {
    if (option < 0 || option >= static_cast<int>(kTaxReportCaptions.size()))
        return {};
    return std::string("Books ") + kTaxReportCaptions[static_cast<std::size_t>(option)];
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
