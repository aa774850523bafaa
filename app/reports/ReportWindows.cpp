// DoReports, the one place a report window is opened; the window arrangement, the user documents
// folder and the choice windows as the report services; and the registration of the report
// windows with their Form 4562 steps.
#include "app/reports/ReportWindows.h"

#include "app/reports/Form4562Work.h"
#include "app/reports/FrmDocument.h"
#include "app/reports/FrmLocation.h"
#include "app/reports/FrmTaxReports.h"
#include "app/reports/Reports.h"
#include "app/reports/UserDocuments.h"
#include "app/reports/WindowArrangement.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/MdiMain.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WaitCursor.h"
#include "app/shell/WindowPosition.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>

#include <algorithm>
#include <memory>

namespace qel::reports {
namespace {

const QString kListingNotAvailable =
    QStringLiteral("The asset listing is not available in this version of the program.");

} // namespace

void ReportWindows::DoReports(const QString& reportName, std::int32_t value, const QString& description,
                              std::int16_t& bookNumber) {
    WaitCursor wait;
    auto document = std::make_unique<FrmDocument>();
    const std::int32_t rows = document->CreateReport(reportName, value, bookNumber);
    if (rows < 1) {
        // A failed query has shown its error; the window is never shown either way.
        if (!document->queryFailed())
            DisplayMsg(QStringLiteral(" No data found. "), QString());
        return;
    }
    MdiMain* main = MdiMain::instance();
    if (!main)
        return;

    const std::int32_t fixedWidth = document->showReport(reportName);
    document->setWindowTitle(
        QString::fromStdString(reportCaption(reportName.toStdString(), value, description.toStdString(),
                                             bookNumber, programState().CurrentCompanyName().toStdString())));
    const WindowSize size = laidOutSize(document->ownSize(), rows, fixedWidth,
                                        static_cast<std::int64_t>(windowTwips(*main).width));

    FrmDocument* shown = document.get();
    QMdiSubWindow* window = main->childWindows().add(document.release());
    // A child opened while the active one is maximized comes maximized; it takes its own size.
    if (window->isMaximized())
        window->showNormal();
    setWindowWidth(*window, static_cast<double>(size.width));
    setWindowHeight(*window, static_cast<double>(size.height));
    // The frame shows the whole title (a schedule's names its asset), as far as the main window
    // has room.
    if (const int forTitle = widthForTitle(*window, window->windowTitle()); window->width() < forTitle)
        window->resize(std::min(forTitle, std::max(window->width(), main->mdiArea()->viewport()->width())),
                       window->height());
    // A window sized to show all its rows shows each of them whole, as far as the main window has
    // room.
    if (QLayout* frame = window->layout())
        frame->activate();
    if (const int missing = rows < kRowsSizedToFit ? shown->heightMissingForEveryRow() : 0; missing > 0) {
        const int room = main->mdiArea()->viewport()->height() - window->height();
        window->resize(window->width(), window->height() + std::min(missing, std::max(0, room)));
    }
    // The only report window in sight goes to the top left corner; others stay where the main
    // window put them, moved in as far as needed to show them whole.
    if (CheckForReports() == 1) {
        window->move(0, 0);
    } else {
        const QRect area = main->mdiArea()->viewport()->rect();
        window->move(std::max(0, std::min(window->x(), area.width() - window->width())),
                     std::max(0, std::min(window->y(), area.height() - window->height())));
    }
    // The list has the focus: the arrow keys scroll it and Esc closes the window.
    shown->lvListView->setFocus();
}

void ReportWindows::showSchedule(Schedule schedule, std::int32_t assetNumber, const QString& description,
                                 std::int16_t book) {
    std::int16_t shownBook = book;
    DoReports(schedule == Schedule::Tax ? QStringLiteral("Tax Depreciation Schedule")
                                        : QStringLiteral("Book Depreciation Schedule"),
              assetNumber, description, shownBook);
}

void ReportWindows::TileHorizontal() {
    reports::TileHorizontal();
}

void ReportWindows::CloseAllReports() {
    reports::CloseAllReports();
}

bool ReportWindows::RetrieveFilesCopied() {
    return reports::RetrieveFilesCopied();
}

bool ReportWindows::MovePdfFiles() {
    return reports::MovePdfFiles();
}

void ReportWindows::showTaxReports() {
    if (MdiMain* main = MdiMain::instance())
        main->childWindows().open(QStringLiteral("frmTaxReports"), [] { return new FrmTaxReports; });
}

void ReportWindows::showLocation() {
    FrmLocation choice(MdiMain::instance());
    if (ui().execModal(choice) != QDialog::Accepted)
        return;
    PrintingServices* printing = subsystems().printing;
    if (!printing) {
        ui().messageBox(kListingNotAvailable);
        return;
    }
    runWithErrorBox(QStringLiteral("Error in ShowAssetLedger. "),
                    [&] { printing->ShowAssetLedger(choice.locationId()); });
}

} // namespace qel::reports

namespace qel {

void registerReports(SubsystemParts& parts) {
    auto& windows = parts.make<reports::ReportWindows>();
    reports::registerReportHandlers(windows);
    registerServices(windows);
    reports::setForm4562Steps(&parts.make<reports::Form4562Work>());
}

} // namespace qel
