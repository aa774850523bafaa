// The printing subsystem: PrintingServices for the report windows, the asset form, the asset
// listing's location choice and the import log command.
#pragma once

#include "app/shell/PrintingServices.h"
#include "common/Date.h"

#include <functional>

namespace qel {
class SubsystemParts;
}

namespace qel::printing {

class FrmRichText;

class Printing : public PrintingServices {
public:
    void PrintListView(const ShownList& list, const QString& title) override;
    void PrintAssetDetail(const AssetDetailPage& asset) override;
    void ShowAssetLedger(std::int32_t locationId) override;
    void showRichText(const QString& path, const QString& caption) override;

    // The date printed as today's; the system's date unless a test sets another.
    std::function<Date()> today;

    Printing();

private:
    // frmRichText, opened or brought to the front; `caption` is set when it is made.
    FrmRichText& richTextWindow(const QString& caption);
};

} // namespace qel::printing

namespace qel {

// Makes the printing services and registers them.
void registerPrinting(SubsystemParts& parts);

} // namespace qel
