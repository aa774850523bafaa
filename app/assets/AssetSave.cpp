// Save: the asset form's AddorUpdate with its checks and the vehicle limit at save, and the next
// vehicle number.
#include "app/assets/AssetStorage.h"

#include "app/assets/AssetPicker.h"
#include "app/assets/BooksPanel.h"
#include "app/assets/FrmAsset.h"
#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetStore.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "app/assets/rules/VehicleLimits.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/VehicleServices.h"
#include "common/Convert.h"
#include "common/ServerError.h"
#include "server/reporting/Auto.h"
#include "server/support/AssetCodes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace qel::assets {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The values of the books the company keeps, in the order AMT, State, Other.
std::vector<BookValues> keptBooks(const FrmAsset& form) {
    std::vector<BookValues> books;
    const std::string federalAllowance = form.lbl30Allowance->text().toStdString();
    for (const BookControls& c : form.books().columns())
        if (form.books().switches().on(c.bookId))
            books.push_back(
                BookValuesOf(c.bookId, c.column(), c.method->currentText().toStdString(), federalAllowance));
    return books;
}

// The control of a book's figure.
QLineEdit* figureBox(const BookControls& c, BookFigure figure) {
    switch (figure) {
    case BookFigure::Cost:
        return c.cost;
    case BookFigure::Life:
        return c.life;
    case BookFigure::BusinessPercent:
        return c.businessPercent;
    case BookFigure::Section179:
        return c.s179;
    case BookFigure::Salvage:
        break;
    }
    return c.salvage;
}

// The typed figures of the kept books that do not fit what keeps them, shown in red with the focus
// on the first; true when there are none.
bool bookFiguresFit(const FrmAsset& form) {
    QString messages;
    QLineEdit* first = nullptr;
    for (const BookControls& c : form.books().columns()) {
        if (!form.books().switches().on(c.bookId))
            continue;
        for (const BookNumberFault& fault : BookNumberFaults(bookPrefix(c.bookId), c.column())) {
            messages += q(fault.message);
            if (!first)
                first = figureBox(c, fault.figure);
        }
    }
    if (!first)
        return true;
    DisplayMsg(messages, kRed);
    first->setFocus();
    return false;
}

// The number of the stored asset a save in edit mode updates.
std::int32_t storedAssetNumber(const std::string& caption) {
    const std::int32_t number = whole32(leadingNumber(caption), "asset number");
    if (number < 1)
        throw ServerError::invalidArgument("Asset entry",
                                           "No stored asset is shown, so there is none to update.");
    return number;
}

// The first-year limit of a vehicle: true when the save may go on. A lowered allowance stays on
// the form (and in every book that shows one) for the user to review and save again.
bool checkVehicleLimits(FrmAsset& form, const AssetRecord& record) {
    const AssetSnapshot a = form.snapshot();
    std::int32_t limit = 0;
    // A failed lookup counts as no limits: the save stops and asks for them.
    runWithSourcedErrorBox(QStringLiteral("Error in CheckMaxAutoRates. "),
                           [&] { limit = VehicleLimitOf(record, a); });
    const VehicleLimitOutcome outcome = CheckVehicleLimit(limit, a);
    switch (outcome.kind) {
    case VehicleLimitOutcome::Go:
        return true;
    case VehicleLimitOutcome::Stop:
        DisplayMsg(q(outcome.message), kRed);
        return false;
    case VehicleLimitOutcome::AskBonus:
        return ui().messageBox(q(outcome.message), MsgButtons::YesNo, MsgIcon::None, q(outcome.title)) ==
               MsgResult::Yes;
    case VehicleLimitOutcome::Lowered:
        form.lbl30Allowance->setText(q(outcome.allowance));
        form.CalculateCostBasis();
        for (const BookControls& c : form.books().columns())
            if (!c.bonusAmount->text().isEmpty())
                c.bonusAmount->setText(q(outcome.allowance));
        ui().messageBox(q(outcome.message));
        return false;
    }
    return false;
}

// What the status line says when a part of the save failed.
QString failureMessage(SaveStep step, bool update) {
    switch (step) {
    case SaveStep::Asset:
    case SaveStep::Description:
        return update || step == SaveStep::Description ? QStringLiteral("An Error occur writing asset data.")
                                                       : QStringLiteral("An Error occured.");
    case SaveStep::TaxDepreciation:
    case SaveStep::Books:
        break;
    }
    return QStringLiteral("An Error calculating depreciation.");
}

// The use documents of a vehicle just added, for its calendar in-service year.
void askVehicleDocs(const AssetRecord& record) {
    VehicleServices* vehicles = subsystems().vehicles;
    if (!vehicles)
        return;
    runWithSourcedErrorBox(QStringLiteral("Error in AddorUpdate. "), [&] {
        const std::int16_t year = record.vehicleType == "N" ? 0 : whole16(record.inService.year(), "year");
        vehicles->VehicleDocsOk(year, whole16(record.vehicleNum, "vehicle number"));
    });
}

} // namespace

QString savedMessage(bool added, std::int32_t asset) {
    return (added ? QStringLiteral("Asset Added") : QStringLiteral("Asset Updated")) +
           QStringLiteral(". Asset ID: ") + QString::number(asset);
}

bool AddorUpdate(FrmAsset& form) {
    const std::int32_t company = programState().CurrentCompanyId();
    // The basis the checks and the run read is the one the figures give now.
    form.CalculateCostBasis();
    if (!form.ValidateAsset())
        return false;

    if (!bookFiguresFit(form))
        return false;
    std::vector<BookValues> books;
    if (!runWithSourcedErrorBox(QStringLiteral("Error in ValidateBookMethods. "),
                                [&] { books = keptBooks(form); }))
        return false;
    const std::string bookMessages = ValidateBookMethods(books);
    if (!bookMessages.empty()) {
        DisplayMsg(q(bookMessages), kRed);
        return false;
    }

    AssetSave save;
    save.books = std::move(books);
    if (!runWithSourcedErrorBox(QStringLiteral("Error in AddorUpdate. "), [&] {
            const AssetSnapshot a = form.snapshot();
            save.record = AssetRecordOf(a, company, GetFiscalEndMth(company));
            save.description = AssetDescriptionOf(a);
            if (form.flags.editMode)
                save.storedAsset = storedAssetNumber(a.assetId);
        }))
        return false;
    if (save.record.vehicleType != "N" && !checkVehicleLimits(form, save.record))
        return false;

    SaveStep step = SaveStep::Asset;
    std::int32_t asset = 0;
    const bool stored = runOrReport([&] { asset = StoreAsset(save, step); },
                                    [&](const ErrorInfo& error) {
                                        // Nothing of the save was stored; the form keeps what the
                                        // user typed. The box names the step that failed.
                                        const QString lead =
                                            step == SaveStep::Description
                                                ? QStringLiteral("Error in AddorUpdatePlus. ")
                                                : QStringLiteral("Error in AddorUpdate. ");
                                        showErrorBox(sourcedErrorText(lead, error));
                                        DisplayMsg(failureMessage(step, save.storedAsset > 0), kRed);
                                    });
    if (!stored)
        return false;

    const bool added = save.storedAsset == 0;
    if (added)
        form.picker().AddNewAssetToCboBox(asset, form.txtDescription->text());
    if (added && !form.lblAutoNum->text().isEmpty())
        askVehicleDocs(save.record);
    form.flags.sold = false;
    form.NewAsset();
    form.books().ClearBooksFields();
    form.SetAssetEditMode(false);
    form.flags.descriptionChanged = false;
    // Said once the form is empty for the next asset, so that it stays to be read, with the
    // number the asset is found by.
    DisplayMsg(savedMessage(added, added ? asset : save.storedAsset));
    return true;
}

QString GetNextVehicleNum(const FrmAsset& form) {
    QString next;
    runWithErrorBox(
        QStringLiteral("Error in GetNextVehicleNum "),
        [&] {
            const AssetSnapshot a = form.snapshot();
            // The data server does not use the year.
            const std::int16_t year = DetermineYear(a.year, a.inService).value_or(0);
            next = QString::number(Auto().GetNextVehicleNum(year, programState().CurrentCompanyId()));
        },
        kBlank);
    return next;
}

} // namespace qel::assets
