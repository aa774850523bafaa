// What the export and the import commands share: the status line's red, a path's extension and
// the box that asks for a workbook's extension.
#pragma once

#include "app/exchange/rules/ExportRules.h"
#include "app/shell/UiServices.h"

#include <QString>

namespace qel::exchange {

// The extension of the path's last component, in lower case; empty when it has none.
inline QString extensionOf(const QString& path) {
    return QString::fromStdString(GetFileExtension(path.toStdString())).toLower();
}

inline void extensionBox() {
    ui().messageBox(QStringLiteral("The file extension must be '.Xlsx' "), MsgButtons::Ok,
                    MsgIcon::Exclamation, QStringLiteral("Please change file extension..."));
}

} // namespace qel::exchange
