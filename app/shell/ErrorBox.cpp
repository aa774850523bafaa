// The error box.
#include "app/shell/ErrorBox.h"

#include "app/shell/UiServices.h"
#include "common/ServerError.h"

namespace qel {

ErrorInfo currentError() {
    const CaughtFailure failure = currentFailure();
    return {QString::fromStdString(failure.description), failure.number,
            QString::fromStdString(failure.source)};
}

QString errorText(const QString& lead, const ErrorInfo& error, const QString& numberSeparator) {
    return lead + error.description + numberSeparator + QString::number(error.number);
}

QString sourcedErrorText(const QString& lead, const ErrorInfo& error) {
    return lead + error.description + QStringLiteral("  ") + QString::number(error.number) +
           QStringLiteral("  ") + error.source;
}

void showErrorBox(const QString& text) {
    ui().messageBox(text);
}

} // namespace qel
