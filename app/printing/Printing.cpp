// The printing services.
#include "app/printing/Printing.h"

#include "app/printing/FrmRichText.h"
#include "app/printing/PrinterSurface.h"
#include "app/printing/ProgramPrinter.h"
#include "app/printing/rules/AssetDetailPrinting.h"
#include "app/printing/rules/AssetListing.h"
#include "app/printing/rules/ListPrinting.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WaitCursor.h"
#include "app/shell/WindowPosition.h"
#include "server/support/DeprSupport.h"

#include <QDate>
#include <QMdiSubWindow>
#include <QPageLayout>

namespace qel::printing {
namespace {

// The width frmRichText opens with, in twips; never wider than the main window less 300.
constexpr double kRichTextWidth = 11500;
constexpr double kNarrowerThanMain = 300;

Date systemToday() {
    const QDate d = QDate::currentDate();
    return Date(d.year(), d.month(), d.day());
}

// The printer turned to the orientation a printout is laid out for, so that the print dialog
// shows it; the job sets it again, as the user may turn the page in the dialog.
void turnTo(ProgramPrinter& printer, Orientation orientation) {
    printer.printer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait);
}

MessageSink messageBoxes() {
    return [](const std::string& text) { ui().messageBox(QString::fromStdString(text)); };
}

// The report windows open and not minimized.
int openReportWindows(const MdiMain& main) {
    int n = 0;
    for (const QMdiSubWindow* w : main.childWindows().list())
        if (w->widget() && w->widget()->objectName() == QLatin1String("frmDocument") && !w->isMinimized())
            ++n;
    return n;
}

} // namespace

Printing::Printing() : today(systemToday) {}

void Printing::PrintListView(const ShownList& list, const QString& title) {
    runWithErrorBox(QStringLiteral("Error in PrintListView. "), [&] {
        const std::optional<ListTier> tier = chooseListTier(columnWidths(list.list()));
        if (!tier) {
            ui().messageBox(QString::fromStdString(kTooWide));
            return;
        }
        ProgramPrinter& printer = programPrinter();
        turnTo(printer, tier->orientation);
        if (!ui().printDialog(printer.printer))
            return;
        WaitCursor wait;
        PrinterSurface surface(printer);
        printList(surface, list, *tier, title.toStdString(), today(), messageBoxes());
    });
}

void Printing::PrintAssetDetail(const AssetDetailPage& asset) {
    ProgramPrinter& printer = programPrinter();
    turnTo(printer, Orientation::Portrait);
    if (!ui().printDialog(printer.printer))
        return;
    WaitCursor wait;
    PrinterSurface surface(printer);
    printAssetDetail(surface, asset, programState().CurrentCompanyName().toStdString(), today(),
                     messageBoxes());
}

FrmRichText& Printing::richTextWindow(const QString& caption) {
    MdiMain& main = *MdiMain::instance();
    const bool made = !main.childWindows().find(FrmRichText::kKey);
    QMdiSubWindow* window = main.childWindows().open(FrmRichText::kKey, [] { return new FrmRichText; });
    auto& form = *static_cast<FrmRichText*>(window->widget());
    if (made) {
        form.setWindowTitle(caption);
        // The client area's designed height under the window's frame, and the window's width.
        const int frame = window->height() - form.height();
        window->resize(window->width(), twipsToPixelsY(form, FrmRichText::kDesignHeight) + frame);
        const double mainWidth = windowTwips(main).width;
        setWindowWidth(*window, std::min(kRichTextWidth, mainWidth - kNarrowerThanMain));
        if (openReportWindows(main) == 1)
            window->move(0, 0);
    }
    return form;
}

void Printing::ShowAssetLedger(std::int32_t locationId) {
    runWithErrorBox(QStringLiteral("Error in ShowAssetLedger. "), [&] {
        Recordset ledger = DeprSupport().GetAssetLedger(programState().CurrentCompanyId(), locationId);
        if (ledger.RecordCount() == 0) {
            DisplayMsg(QStringLiteral(" No data found. "));
            return;
        }
        const QString company = programState().CurrentCompanyName();
        FrmRichText& form = richTextWindow(QStringLiteral("Asset Listing for ") + company);
        // The window may show an import log: a listing replaces it, caption and all.
        form.setWindowTitle(QStringLiteral("Asset Listing for ") + company);
        runWithErrorBox(
            QStringLiteral("Error in DoAssetLedger "),
            [&] { form.showListing(buildAssetListing(ledger, company.toStdString(), today())); }, kBlank);
    });
}

void Printing::showRichText(const QString& path, const QString& caption) {
    FrmRichText& form = richTextWindow(caption);
    form.loadPlainText(path);
    form.setWindowTitle(caption);
}

} // namespace qel::printing

namespace qel {

void registerPrinting(SubsystemParts& parts) {
    registerServices(parts.make<printing::Printing>());
}

} // namespace qel
