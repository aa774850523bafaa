// The program's error box: the procedure's lead text, the real cause and the error number, in
// an OK box with the default title, as every handler of the program reports a failure; and
// runWithErrorBox (runOrReport beneath it), the one way a handler runs a step whose failure it
// only reports.
#pragma once

#include <QString>

#include <cstdint>
#include <utility>

namespace qel {

// A failure as the user is told of it.
struct ErrorInfo {
    QString description; // the real cause (ServerError's description, or the exception's text)
    std::int32_t number; // ServerError's number; 0 for a failure that carries none
    QString source = {}; // ServerError's source; empty for a failure that carries none
};

// The failure being handled (common/ServerError.h currentFailure); call it only inside a catch
// block.
ErrorInfo currentError();

// The text lead + description + numberSeparator + number, as in
// "Error in GetLastCompany " + description + " Error Number: " + number.
QString errorText(const QString& lead, const ErrorInfo& error, const QString& numberSeparator);

// The text lead + description + two blanks + number + two blanks + source, the box of the
// procedures that name the failure's source, as in "Error in DoMonthlyDepr. " + description +
// "  -2147352571  Database".
QString sourcedErrorText(const QString& lead, const ErrorInfo& error);

// Shows the text in the error box: an OK box with the default title.
void showErrorBox(const QString& text);

// The separators the handlers use between the description and the number.
inline const QString kErrorNumber = QStringLiteral(" Error Number: ");
inline const QString kBlank = QStringLiteral(" ");

// Runs the step. A failure that leaves it (any exception) is handed to `report` as the ErrorInfo
// of currentError(), and the step ends there. Returns true when the step ran to its end, false
// after the report, so the caller decides what follows a failure. The one place where the
// program catches a failure to tell the user of it: runWithErrorBox and runWithSourcedErrorBox
// below are this with their box; a handler whose box or message differs (a lead that depends on
// how far the step got, a sentence of its own before the cause) passes its own report.
template <typename Step, typename Report> bool runOrReport(Step&& step, Report&& report) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        std::forward<Report>(report)(currentError());
        return false;
    }
}

// Runs the step as runOrReport does; a failure is shown in the error box with the lead, its real
// cause, the separator and its number (errorText).
template <typename Step>
bool runWithErrorBox(const QString& lead, Step&& step, const QString& numberSeparator = kErrorNumber) {
    return runOrReport(std::forward<Step>(step), [&](const ErrorInfo& error) {
        showErrorBox(errorText(lead, error, numberSeparator));
    });
}

// Runs the step as runWithErrorBox does, for the procedures whose box names the failure's source
// (sourcedErrorText).
template <typename Step> bool runWithSourcedErrorBox(const QString& lead, Step&& step) {
    return runOrReport(std::forward<Step>(step),
                       [&](const ErrorInfo& error) { showErrorBox(sourcedErrorText(lead, error)); });
}

} // namespace qel
