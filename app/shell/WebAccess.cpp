// Web and mail links.
#include "app/shell/WebAccess.h"

#include "app/shell/UiServices.h"

namespace qel {

void WebLink(const QString& address) {
    // A link without a scheme names a web page, as the user reads it.
    const bool hasScheme =
        address.contains(QLatin1String("://")) || address.startsWith(QLatin1String("mailto:"));
    ui().openDocument(hasScheme ? address : QStringLiteral("http://") + address);
}

void EmailLink(const QString& address) {
    if (!ui().openDocument(QStringLiteral("mailto:") + address))
        ui().messageBox(QStringLiteral("No mail program could be opened. Please write to ") + address +
                            QStringLiteral("."),
                        MsgButtons::Ok, MsgIcon::Information);
}

} // namespace qel
