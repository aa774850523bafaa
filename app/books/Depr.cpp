// The monthly book depreciation commands.
#include "app/books/Depr.h"

#include "app/books/FrmBookDeprRange.h"
#include "app/books/PeriodChecks.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "server/engine/MonthlyDepr.h"

namespace qel {
namespace {

const QString kTitle = QStringLiteral("Do Monthly Book Depreciation");

enum class DeleteOutcome { Deleted, NothingPosted, Failed };

QString nextPeriod() {
    MonthlyDepr md;
    return QString::fromStdString(md.GetNextFiscalPeriod(programState().CurrentCompanyId()));
}

// Deletes the last posted period; a failure is shown in the error box.
DeleteOutcome deletePeriod() {
    DeleteOutcome outcome = DeleteOutcome::Failed;
    runWithErrorBox(QStringLiteral("Error in DeleteDepreciation "), [&] {
        MonthlyDepr md;
        outcome = md.DeletePeriodDepr(programState().CurrentCompanyId()) ? DeleteOutcome::Deleted
                                                                         : DeleteOutcome::NothingPosted;
    });
    return outcome;
}

} // namespace

void BookDepreciation::DoMonthlyDepr() {
    DisplayMsg(QString(), QStringLiteral("0"));
    // Whatever the failure, nothing was posted and the user learns why.
    runWithSourcedErrorBox(QStringLiteral("Error in DoMonthlyDepr. "), [] {
        QString period = nextPeriod();
        if (!period.isEmpty()) {
            if (ui().messageBox(QStringLiteral("Calculate Depreciation for period ") + period +
                                    QLatin1Char('?'),
                                MsgButtons::OkCancel, MsgIcon::None, kTitle) != MsgResult::Ok)
                return;
        } else {
            // Taken exactly as typed: blanks around the period make it too long.
            period = InputBoxOverMain(QStringLiteral("Enter fiscal period - YYYYMM"), kTitle, QString());
            if (period.isEmpty())
                return;
            if (!isTypedPeriodValid(period)) {
                DisplayMsg(
                    QStringLiteral("Invalid Period. Please renter period in the following format. YYYYMM"),
                    kRed);
                return;
            }
        }
        MonthlyDepr md;
        md.DoMonthlyDepr(period.toStdString(), programState().CurrentCompanyId());
        DisplayMsg(QStringLiteral("Book Depreciation calculated successfully."), kGreen);
    });
}

void BookDepreciation::DisplayNextPeriod() {
    DisplayMsg(QString(), QStringLiteral("0"));
    runWithErrorBox(QStringLiteral("Error in DisplayNextPeriod "),
                    [] { DisplayMsg(nextPeriod(), QString()); });
}

bool BookDepreciation::DeleteDepreciation() {
    return deletePeriod() == DeleteOutcome::Deleted;
}

void BookDepreciation::deleteLastPeriod() {
    if (ui().messageBox(QStringLiteral("Delete Depreciation for the last period?"), MsgButtons::OkCancel,
                        MsgIcon::None, QStringLiteral("Delete Monthly Book Depreciation"),
                        MsgResult::Cancel) != MsgResult::Ok)
        return;
    switch (deletePeriod()) {
    case DeleteOutcome::Deleted:
        DisplayMsg(QStringLiteral("Last period depreciation was deleted"), QString());
        break;
    case DeleteOutcome::NothingPosted:
        DisplayMsg(QStringLiteral("No period is posted: there is no depreciation to delete."), kRed);
        break;
    case DeleteOutcome::Failed:
        DisplayMsg(QStringLiteral("An Error Occurred"), kRed);
        break;
    }
}

void BookDepreciation::showBookDeprRange() {
    FrmBookDeprRange range(MdiMain::instance());
    ui().execModal(range);
}

} // namespace qel
