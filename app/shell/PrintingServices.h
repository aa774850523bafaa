// What the windows need of printing: a report window prints its list, the asset form its
// "Asset Detail" page, the asset listing's location choice shows the listing, and the "Import
// Log " item shows a log, both in the rich-text window frmRichText. A window whose printing is
// not registered leaves its Print button disabled.
#pragma once

#include "app/shell/AssetDetailPage.h"

#include <QString>

#include <cstdint>

namespace qel {

class ShownList;

class PrintingServices {
public:
    virtual ~PrintingServices() = default;
    // Prints the list's column titles and rows with a heading on each page that carries the
    // title (the report window's caption), in the width tier its columns fit, after the print
    // dialog; a list too wide for every tier is refused with "To Wide to Print". The rows print
    // in the order shown, cell by cell as shown (a plain list: in its own order, as it holds
    // them). Reports its own failures.
    virtual void PrintListView(const ShownList& list, const QString& title) = 0;
    // Prints the "Asset Detail" page of the asset as the asset form shows it, after the print
    // dialog. Reports its own failures.
    virtual void PrintAssetDetail(const AssetDetailPage& asset) = 0;
    // Shows the current company's asset listing of one location (-13: every location) in
    // frmRichText, or " No data found. " on the status line when it has no asset.
    virtual void ShowAssetLedger(std::int32_t locationId) = 0;
    // Shows frmRichText with the file loaded as plain text, replacing what it showed, under the
    // caption.
    virtual void showRichText(const QString& path, const QString& caption) = 0;
};

} // namespace qel
