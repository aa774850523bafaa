// The error box.
#include "app/shell/ErrorBox.h"

#include "app/shell/UiServices.h"
#include "common/ServerError.h"

#include <exception>

namespace qel {

ErrorInfo currentError() {
    try {
        throw;
    } catch (const ServerError& e) {
        return {QString::fromStdString(e.description()), e.number(), QString::fromStdString(e.source())};
    } catch (const std::exception& e) {
        return {QString::fromLocal8Bit(e.what()), 0};
    } catch (...) {
        return {QStringLiteral("Unknown failure"), 0};
    }
}

QString errorText(const QString& lead, const ErrorInfo& error, const QString& numberSeparator) {
    return lead + error.description + numberSeparator + QString::number(error.number);
}

QString sourcedErrorText(const QString& lead, const ErrorInfo& error) {
    return lead + error.description + QStringLiteral("  ") + QString::number(error.number) +
           QStringLiteral("  ") + error.source;
}

void showErrorBox(const QString& lead, const QString& numberSeparator) {
    ui().messageBox(errorText(lead, currentError(), numberSeparator));
}

void showSourcedErrorBox(const QString& lead) {
    ui().messageBox(sourcedErrorText(lead, currentError()));
}

} // namespace qel
