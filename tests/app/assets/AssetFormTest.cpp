// The asset form as a user reaches it: from the main window's "Assets" item on a fixture
// database, with its lists, captions, tab order and help ids, New, "Save Changes?" on closing,
// and the validation as the form shows it.
#include "tests/app/assets/AssetFormTest.h"

#include "app/assets/AssetForm.h"
#include "app/assets/AssetPicker.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/UserSettings.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

#include <optional>

namespace qel::test {
namespace {

QStringList entries(const QComboBox& cbo) {
    QStringList out;
    for (int i = 0; i < cbo.count(); ++i)
        out << cbo.itemText(i);
    return out;
}

QColor textColour(const QWidget& w) {
    return w.palette().color(QPalette::WindowText);
}

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

} // namespace

void AssetFormTest::opensFromTheMenuWithItsListsFilled() {
    AssetsFixture f;
    const std::int32_t desk =
        addAsset({.name = "  Office desk ", .company = 1, .method = kMacrs, .fiscalStart = "2024-03-01"});
    const std::int32_t truck =
        addAsset({.name = "Truck", .company = 1, .method = kMacrs, .fiscalStart = "2023-06-01"});
    const std::int32_t other = addCompany("Other");
    addAsset({.name = "Elsewhere", .company = other, .method = kMacrs, .fiscalStart = "2024-01-01"});

    assets::FrmAsset& form = f.open();
    QCOMPARE(form.windowTitle(), QStringLiteral("Asset Maintenance"));
    QCOMPARE(f.main->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(f.main->mdiArea()->activeSubWindow()->widget(), &form);

    QCOMPARE(entries(*form.cboMethod),
             (QStringList{"ADS", "Amortize", "Listed", "MACRS", "MACRS 150", "Non-Depr", "S/L"}));
    QCOMPARE(entries(*form.cboConvention), (QStringList{"Half Year", "Mid Month", "Mid Qtr", "None"}));
    QCOMPARE(itemData(*form.cboConvention, 1), 3);
    QCOMPARE(entries(*form.cboBooks), (QStringList{"AMT", "Federal", "Other", "State"}));
    QCOMPARE(entries(*form.findChild<QComboBox*>("cboStateBonus")),
             (QStringList{"30 Percent", "50 Percent", "None", "100 Percent"}));
    QCOMPARE(entries(*form.findChild<QComboBox*>("cboOtherMethod")), entries(*form.cboMethod));
    QCOMPARE(form.cboAccounts->itemText(form.cboAccounts->count() - 1), QString());
    QCOMPARE(itemData(*form.cboAccounts, form.cboAccounts->count() - 1), 0);
    // Every list starts without a choice; the life and class lists wait for a method.
    for (const QComboBox* list : {form.cboMethod, form.cboConvention, form.cboBooks, form.cboAccounts,
                                  form.cboLocations, form.cboAssets})
        QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(form.cboLife->count(), 0);
    QCOMPARE(form.cboClass->count(), 0);

    // The picker: the company's assets by description, trimmed, numbered.
    QCOMPARE(entries(*form.cboAssets), (QStringList{"Office desk", "Truck"}));
    QCOMPARE(itemData(*form.cboAssets, 0), desk);
    QCOMPARE(itemData(*form.cboAssets, 1), truck);
    form.txtYear->setText("2024");
    form.GetAssetList();
    QCOMPARE(entries(*form.cboAssets), QStringList{"Office desk"});

    QCOMPARE(form.txtInService->displayText(), QStringLiteral("03/2025"));
    QCOMPARE(form.txtBusinessPercent->text(), QStringLiteral("100"));
    for (const QPushButton* b :
         {form.cmdSave, form.cmdDeprSchedule, form.cmdBookSchedule, form.cmdPrint, form.cmdDelete})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(!form.flags.editMode);
}

void AssetFormTest::theMainWindowMakesRoomForTheAssetWindow_data() {
    QTest::addColumn<QRect>("screen");    // the screen's available area
    QTest::addColumn<bool>("stored");     // a position of the main window is stored
    QTest::addColumn<bool>("wholeShown"); // the asset window shows whole, Save, New and Delete too
    QTest::newRow("FirstStartOnALargeScreen") << QRect(0, 0, 1600, 1000) << false << true;
    QTest::newRow("FirstStartOnASmallScreen") << QRect(0, 0, 640, 480) << false << false;
    // 9,000 by 6,000 twips, where the user left it: too small, yet the user's choice.
    QTest::newRow("StoredPositionWins") << QRect(0, 0, 1600, 1000) << true << false;
}

void AssetFormTest::theMainWindowMakesRoomForTheAssetWindow() {
    QFETCH(QRect, screen);
    QFETCH(bool, stored);
    QFETCH(bool, wholeShown);
    AssetsFixture f;
    // The program's main window as it opens: on the fixture's screen first, then as the
    // constructor would on this one.
    f.main.reset();
    if (stored) {
        for (const auto& [key, value] : {std::pair{"MainLeft", "300"},
                                         {"MainTop", "300"},
                                         {"MainWidth", "9000"},
                                         {"MainHeight", "6000"}})
            SaveSetting(QStringLiteral("mdiMain"), QStringLiteral("Settings"), QString::fromLatin1(key),
                        QString::fromLatin1(value));
    }
    f.main = std::make_unique<MdiMain>();
    if (!stored)
        f.main->makeRoomForChild(f.entry->assetWindowSize(), screen);
    f.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
    const QRect frame = f.main->frameGeometry();
    if (stored) {
        QCOMPARE(windowTwips(*f.main).width, 9000.0);
        QCOMPARE(windowTwips(*f.main).height, 6000.0);
    } else {
        QVERIFY2(screen.contains(QRect(frame.topLeft(), f.main->size())),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(f.main->width())
                                .arg(f.main->height())));
    }

    const assets::FrmAsset& form = f.open();
    const QMdiSubWindow* window = f.main->mdiArea()->activeSubWindow();
    const QWidget* viewport = f.main->mdiArea()->viewport();
    QTRY_VERIFY2(viewport->rect().contains(window->geometry()) == wholeShown,
                 qPrintable(QStringLiteral("area %1x%2, window at %3,%4 %5x%6")
                                .arg(viewport->width())
                                .arg(viewport->height())
                                .arg(window->x())
                                .arg(window->y())
                                .arg(window->width())
                                .arg(window->height())));
    const QRect area = viewport->rect();
    if (wholeShown) {
        for (const QWidget* button :
             std::initializer_list<const QWidget*>{form.cmdSave, form.cmdNew, form.cmdDelete})
            QVERIFY(area.contains(
                QRect(button->mapTo(f.main->mdiArea()->viewport(), QPoint(0, 0)), button->size())));
    }
}

void AssetFormTest::opensOnceAndClosesWithItsWindow() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QCOMPARE(&f.open(), &form);
    QCOMPARE(f.main->mdiArea()->subWindowList().size(), 1);
    f.main->DisplayMsg("Left over");
    QVERIFY(f.entry->unloadAsset());
    QVERIFY(f.shell.ui.messages().isEmpty());
    QCOMPARE(f.status(), QString());
}

// The sample company's accounts and locations, the longest a new user sees first, show whole in
// the lists, as does everything else of the window.
void AssetFormTest::theSampleCompanysListsShowWhole() {
    AssetsFixture f;
    for (const char* account :
         {"Buildings and land", "Furniture and equipment", "Intangible assets", "Vehicles"})
        addAccount(account, "1500-00", "1505-00", "6100-00");
    for (const char* location : {"Elm Court", "Main office", "Warehouse"})
        addLocation(location);
    assets::FrmAsset& form = f.open();
    QVERIFY(entries(*form.cboAccounts).contains(QStringLiteral("Furniture and equipment")));
    QCOMPARE(cutOffTexts(form), QStringList());
}

void AssetFormTest::everyControlHasItsCaptionAndState() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    const std::pair<const char*, const char*> captions[] = {
        {"fraSearch", "Search"},
        {"pnl3dDepr", "Asset"},
        {"Frame4", "Books"},
        {"Label14", "Year:"},
        {"Label1", "Description:"},
        {"Label4", "or"},
        {"Label9", "Asset ID:"},
        {"cmdSearch", "&Retrieve"},
        {"lblDescription", "Description:"},
        {"Label8", "Asset ID:"},
        {"lblInService", "In Service:"},
        {"lblTagNbr", "Tag Nbr:"},
        {"lblSoldDate", "Disposed Date:"},
        {"lblDispositionAmt", "Disposed Amt:"},
        {"lblLocation", "Location:"},
        {"lblAccount", "Accounts:"},
        {"LblSerialNbr", "Serial Nbr:"},
        {"Label21", "Notes:"},
        {"lblAmortize", "Amortize #:"},
        {"lblVehicleNum", "Vehicle #:"},
        {"lblCost", "Cost:"},
        {"lblMethod", "Method:"},
        {"Label2", "or"},
        {"lblClass", "Class:"},
        {"lblLife", "Life:"},
        {"lblAutoBusiness", "Business %:"},
        {"Label19", "Convention:"},
        {"chk179", "179:"},
        {"Label6", "Allowance:"},
        {"chkBonus", "30 "},
        {"chk50Bonus", "50"},
        {"chk100Bonus", "100%"},
        {"Label20", "Salvage:"},
        {"Label11", "Cost Basis:"},
        {"Label15", "Method:"},
        {"Label5", "Federal"},
        {"Label7", "AMT"},
        {"Label10", "State"},
        {"lblBookOther", "Other"},
        {"Label3", "Book"},
        {"Label12", "S/L"},
        {"chkExclude", "Exclude"},
        {"chkAdjDepr", "Adjust Depr"},
        {"cmdDeprSchedule", "&Tax"},
        {"cmdBookSchedule", "&Book"},
        {"cmdPrint", "&Print"},
        {"cmd179", "Chk &179"},
        {"cmdMidConvention", "Chk Con&vention"},
        {"cmdDelete", "&Delete"},
        {"cmdCopy", "&Copy"},
        {"cmdNew", "&New"},
        {"cmdSave", "&Save"},
        {"cmdCancel", "&UnDo"},
    };
    for (const auto& [name, caption] : captions) {
        const QWidget* w = form.findChild<QWidget*>(name);
        QVERIFY2(w, name);
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(w))
            text = label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            text = button->text();
        else if (auto* box = qobject_cast<const QGroupBox*>(w))
            text = box->title();
        QCOMPARE(text, QString::fromUtf8(caption));
    }
    // The hidden gain label is declared with its stored caption, which the form opened blank (as
    // New leaves it) does not carry: a printout of a new asset shows no gain.
    const auto& controls = assets::assetFormDef().controls;
    const auto gain = std::find_if(controls.begin(), controls.end(), [](const ControlDef& c) {
        return std::string_view(c.name) == "lblGainLoss";
    });
    QVERIFY(gain != controls.end());
    QCOMPARE(QString::fromUtf8(gain->caption), QStringLiteral("Invisbile"));
    QCOMPARE(form.lblGainLoss->text(), QString());
    const std::pair<QWidget*, const char*> tips[] = {
        {form.txtYear, "Enter year to limit Description list by Year."},
        {form.cmdSearch, "Retrieve the selected asset."},
        {form.txtInService, "Calendar date"},
        {form.cmdDeprSchedule, "Display a tax depreciation schedule for the current asset."},
        {form.cmdBookSchedule, "Display a book depreciation schedule for the current asset."},
        {form.cmdPrint, "Print Federal details for the current asset."},
        {form.cmd179, "Check if 179 limit has been meet."},
        {form.cmdMidConvention, "Check if mid quarter convention is required."},
        {form.cmdCopy, "Save changes to the asset."},
        {form.cmdNew, "Clear fields to add a new asset."},
        {form.cmdSave, "Save changes to the asset."},
        {form.cmdCancel, "Cancel current changes."},
    };
    for (const auto& [w, tip] : tips)
        QCOMPARE(w->toolTip(), QString::fromUtf8(tip));
    const std::pair<QLineEdit*, int> lengths[] = {
        {form.txtYear, 4},
        {form.txtAssetID, 10},
        {form.txtDescription, 35},
        {form.txtTagNbr, 25},
        {form.txtDispositionAmt, 9},
        {form.txtSerialNbr, 25},
        {form.txtNotes, 75},
        {form.txtCost, 9},
        {form.txtBusinessPercent, 4},
        {form.txt179Amt, 9},
        {form.txtOtherDeductions, 9},
        {form.findChild<QLineEdit*>("txtStateSalvage"), 9},
        {form.findChild<QLineEdit*>("txtAmtBusinessPercent"), 4},
    };
    for (const auto& [box, length] : lengths)
        QCOMPARE(box->maxLength(), length);
    QVERIFY(form.cboAssets->isEditable());
    QVERIFY(form.cboLife->isEditable());
    QVERIFY(!form.cboMethod->isEditable());
    QVERIFY(!form.cmdCancel->isVisible());
    QVERIFY(form.cmdCopy->isVisible());
    QVERIFY(!form.lblGainLoss->isVisible());
    QCOMPARE(form.txtInService->inputMask(), QStringLiteral("99/9999;_"));
    QCOMPARE(form.mskSold->displayText(), QStringLiteral("__/____"));
    // A fixed window: minimize, no maximize.
    const QMdiSubWindow* window = f.main->childWindows().find("frmAsset");
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

void AssetFormTest::tabOrderFollowsTheEntryOfAnAsset() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    const QStringList expected = {
        "txtYear", "cboAssets", "txtAssetID", "cmdSearch", "txtDescription", "txtInService", "txtTagNbr",
        "mskSold", "txtDispositionAmt", "cboLocations", "cboAccounts", "txtSerialNbr", "txtNotes",
        "txtAmorizeCode", "txtCost", "cboMethod", "cboClass", "cboLife", "txtBusinessPercent",
        "cboConvention", "chk179", "txt179Amt", "chkBonus", "chk50Bonus", "chk100Bonus", "txtOtherDeductions",
        // AMT, State (its business percent comes last but one), Other.
        "txtAmtCost", "cboAmtMethod", "txtAmtLife", "txtAmtBusinessPercent", "cboAmtConvention", "txtAmt179",
        "cboAmtBonus", "txtAmtSalvage", "txtStateCost", "cboStateMethod", "txtStateLife",
        "cboStateConvention", "txtState179", "cboStateBonus", "txtStateSalvage", "txtOtherCost",
        "cboOtherMethod", "txtOtherLife", "txtOtherBusinessPercent", "cboOtherConvention", "txtOther179",
        "cboOtherBonus", "txtOtherSalvage", "txtBookCost", "txtBookLife", "chkExclude", "chkAdjDepr",
        "cmdSave", "cmdCancel", "cmdNew", "cmdCopy", "cmdDelete", "cmdMidConvention", "cmd179", "cmdPrint",
        "cmdBookSchedule", "cmdDeprSchedule", "txtStateBusinessPercent", "cboBooks"};
    QStringList order;
    QWidget* w = form.txtYear;
    do {
        if (expected.contains(w->objectName()) && !order.contains(w->objectName()))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.txtYear);
    QCOMPARE(order, expected);
}

void AssetFormTest::helpIdsOfTheControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("helpId");
    const std::pair<const char*, int> ids[] = {
        {"frmAsset", 8},
        {"txtYear", 8},
        {"cboAssets", 8},
        {"txtAssetID", 8},
        {"txtDescription", 8},
        {"txtInService", 8},
        {"txtTagNbr", 8},
        {"cboAccounts", 8},
        {"txtSerialNbr", 8},
        {"txtNotes", 8},
        {"txtCost", 8},
        {"cboLife", 8},
        {"txtOtherDeductions", 8},
        {"txtBookCost", 8},
        {"txtBookLife", 8},
        {"chkExclude", 8},
        {"chkAdjDepr", 8},
        {"txtAmtSalvage", 8},
        {"txtStateSalvage", 8},
        {"txtOtherSalvage", 8},
        {"cboClass", 7},
        {"txtBusinessPercent", 14},
        {"cboMethod", 20},
        {"txtDispositionAmt", 21},
        {"mskSold", 21},
        {"cboLocations", 29},
        {"txt179Amt", 32},
        {"chkBonus", 33},
        {"chk50Bonus", 33},
        {"chk100Bonus", 33},
        {"txtAmorizeCode", 560},
        {"pnl3dDepr", 560},
        {"cmdSave", 0},
        {"txtAmtCost", 0},
    };
    for (const auto& [name, id] : ids)
        QTest::newRow(name) << QString::fromLatin1(name) << id;
}

void AssetFormTest::helpIdsOfTheControls() {
    QFETCH(QString, control);
    QFETCH(int, helpId);
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    const QWidget* w = control == form.objectName() ? &form : form.findChild<QWidget*>(control);
    QVERIFY(w);
    QCOMPARE(w->property("HelpContextID").toInt(), helpId);
}

void AssetFormTest::newBlanksTheFormForANewAsset() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    form.txtDescription->setText("Desk");
    form.txtCost->setText("1000");
    form.txtBusinessPercent->setText("80");
    form.cboMethod->setCurrentIndex(3);
    form.cboConvention->setCurrentIndex(0);
    form.mskSold->setText("05/2024");
    form.txtInService->setText("01/2020");
    form.setAssetId("17");
    form.cmdDelete->setEnabled(true);
    form.chkAdjDepr->setChecked(false);
    form.chkExclude->setChecked(true);
    form.chk179->setChecked(true);
    form.txtBookCost->setText("900");
    form.lblCostBasis->setText("800");
    form.flags.sold = true;
    form.flags.editMode = true;
    for (QWidget* caption :
         {static_cast<QWidget*>(form.lblDescription), static_cast<QWidget*>(form.chkBonus)}) {
        QPalette p = caption->palette();
        p.setColor(QPalette::WindowText, kRed);
        p.setColor(QPalette::ButtonText, kRed);
        caption->setPalette(p);
    }
    f.main->DisplayMsg("Asset Updated");
    // The boxes ticked above ran their click rules, which mark the asset changed; as after a
    // load, nothing is unsaved.
    form.flags.assetChanged = false;

    form.cmdNew->click();
    QVERIFY(f.shell.ui.messages().isEmpty()); // nothing was marked changed
    QCOMPARE(form.txtDescription->text(), QString());
    QCOMPARE(form.txtCost->text(), QString());
    QCOMPARE(form.txtBusinessPercent->text(), QStringLiteral("100"));
    QCOMPARE(form.cboMethod->currentIndex(), -1);
    QCOMPARE(form.cboConvention->currentIndex(), -1);
    QCOMPARE(form.mskSold->displayText(), QStringLiteral("__/____"));
    QCOMPARE(form.txtInService->displayText(), QStringLiteral("03/2025"));
    QCOMPARE(form.lblAssetId->text(), QString());
    // Unticking the 179 box runs its click rule, which computes the blank form's basis.
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("0"));
    QCOMPARE(form.txtBookCost->text(), QString());
    QVERIFY(form.chkAdjDepr->isChecked());
    QVERIFY(!form.chkExclude->isChecked());
    QVERIFY(!form.chk179->isChecked());
    QVERIFY(!form.cmdDelete->isEnabled());
    QVERIFY(!form.cmdDeprSchedule->isEnabled());
    QVERIFY(!form.flags.sold);
    QVERIFY(!form.flags.editMode);
    QCOMPARE(textColour(*form.lblDescription), kBlack);
    QCOMPARE(textColour(*form.chkBonus), kBlack);
    QCOMPARE(form.focusWidget(), form.txtDescription);
    QCOMPARE(f.status(), QString());
}

void AssetFormTest::saveChangesWhenClosing_data() {
    QTest::addColumn<bool>("assetChanged");
    QTest::addColumn<bool>("descriptionChanged");
    QTest::addColumn<int>("answer"); // MsgResult; -1: none queued
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("saves");
    QTest::addColumn<bool>("closed");
    const int yes = static_cast<int>(MsgResult::Yes), no = static_cast<int>(MsgResult::No),
              cancel = static_cast<int>(MsgResult::Cancel);
    QTest::newRow("NothingToSave") << false << false << -1 << true << false << 0 << true;
    QTest::newRow("CancelKeepsItOpen") << true << false << cancel << true << true << 0 << false;
    QTest::newRow("NoClosesWithoutSaving") << true << false << no << true << true << 0 << true;
    QTest::newRow("YesSavesThenCloses") << true << false << yes << true << true << 1 << true;
    QTest::newRow("YesWithAFailedSaveStays") << true << false << yes << false << true << 1 << false;
    QTest::newRow("OnlyTheDescriptionRowEdited") << false << true << no << true << true << 0 << true;
}

void AssetFormTest::saveChangesWhenClosing() {
    QFETCH(bool, assetChanged);
    QFETCH(bool, descriptionChanged);
    QFETCH(int, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, asked);
    QFETCH(int, saves);
    QFETCH(bool, closed);
    int saved = 0;
    assets::AssetFormWork work;
    work.AddorUpdate = [&](assets::FrmAsset&) {
        ++saved;
        return saveSucceeds;
    };
    AssetsFixture f(work);
    assets::FrmAsset& form = f.open();
    form.flags.assetChanged = assetChanged;
    form.flags.descriptionChanged = descriptionChanged;
    if (answer >= 0)
        f.shell.ui.answerMessage(static_cast<MsgResult>(answer));

    QCOMPARE(f.main->childWindows().find("frmAsset")->close(), closed);
    QCOMPARE(f.shell.ui.messages(), asked ? QStringList{"Save Changes?"} : QStringList{});
    if (asked)
        QCOMPARE(f.shell.ui.callsOf(UiCall::Message)[0].buttons, MsgButtons::YesNoCancel);
    QCOMPARE(saved, saves);
    if (!closed)
        QVERIFY(form.flags.assetChanged || form.flags.descriptionChanged);
}

void AssetFormTest::setCompanyLeavesAFormThatStaysOpenAlone() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    form.flags.assetChanged = true;
    f.shell.ui.answerMessage(MsgResult::Cancel);
    f.main->menuItem("mnuSelectCompany")->trigger();
    QCOMPARE(f.shell.ui.messages(), QStringList{"Save Changes?"});
    QVERIFY(f.shell.ui.callsOf(UiCall::Modal).empty()); // no company picker under an open asset
    QCOMPARE(f.entry->form(), &form);

    f.shell.ui.answerMessage(MsgResult::No);
    f.main->menuItem("mnuSelectCompany")->trigger();
    QCOMPARE(f.shell.ui.textsOf(UiCall::Modal), QStringList{"frmCompany"});
}

void AssetFormTest::emptyFormShowsItsMessagesAndFocusesTheLast() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    form.txtInService->clear();
    form.txtBusinessPercent->clear();
    QVERIFY(!form.ValidateAsset());
    QCOMPARE(f.status(),
             QStringLiteral("In service date is invalid! Description Missing! Cost Missing! Method "
                            "Missing! In service date is missing! Life Missing! Business % Can't be "
                            "blank! Book Cost need to be greater then zero. Book Life need to be "
                            "greater then zero. Account Missing! "));
    QCOMPARE(statusColour(*f.main), QColor(255, 0, 0));
    QCOMPARE(form.focusWidget(), form.cboAccounts);
    for (const QWidget* caption : {form.lblInService, form.lblDescription, form.lblCost, form.lblMethod,
                                   form.lblLife, form.lblAutoBusiness, form.lblAccount})
        QCOMPARE(textColour(*caption), kRed);
    QCOMPARE(textColour(*form.lblClass), kBlack);

    // The next check starts from black captions.
    form.txtDescription->setText("Desk");
    QVERIFY(!form.ValidateAsset());
    QCOMPARE(textColour(*form.lblDescription), kBlack);
}

void AssetFormTest::buttonsWithoutTheirWorkStayDisabled() {
    {
        AssetsFixture f;
        assets::FrmAsset& form = f.open();
        for (const QPushButton* b : {form.cmdSearch, form.cmd179, form.cmdMidConvention})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    }
    QStringList done;
    assets::AssetFormWork work;
    work.Search = [&](assets::FrmAsset&) { done << "Search"; };
    work.Do179Deduction = [&](assets::FrmAsset&, std::int16_t year) { done << QString("179 %1").arg(year); };
    work.ShowMidQtrCheck = [&](assets::FrmAsset&, std::int16_t year) {
        done << QString("MidQtr %1").arg(year);
    };
    work.DeleteAsset = [&](assets::FrmAsset&, std::int32_t asset, std::int32_t company) {
        done << QString("Delete %1 of %2").arg(asset).arg(company);
    };
    AssetsFixture f(work);
    assets::FrmAsset& form = f.open();
    QVERIFY(form.cmdSearch->isEnabled());
    form.cmdSearch->click();
    QVERIFY(form.cmdSave->isEnabled()); // Retrieve lets the shown asset be saved

    f.shell.ui.answerInput("2004");
    form.cmd179->click();
    f.shell.ui.answerInput(""); // cancelled: nothing is checked
    form.cmdMidConvention->click();
    f.shell.ui.answerInput("2003");
    form.cmdMidConvention->click();
    const std::vector<UiCall> inputs = f.shell.ui.callsOf(UiCall::Input);
    QCOMPARE(inputs.size(), std::size_t(3));
    QCOMPARE(inputs[0].text, QStringLiteral("Enter Fiscal Year"));
    QCOMPARE(inputs[0].title, QStringLiteral("Check 179"));
    QCOMPARE(inputs[0].proposed, QStringLiteral("2025"));
    QCOMPARE(inputs[1].title, QStringLiteral("Check Convention"));

    form.setAssetId("17");
    form.cmdDelete->setEnabled(true);
    f.shell.ui.answerMessage(MsgResult::Cancel);
    form.cmdDelete->click();
    form.cmdDelete->click();
    const std::vector<UiCall> questions = f.shell.ui.callsOf(UiCall::Message);
    QCOMPARE(questions.size(), std::size_t(2));
    QCOMPARE(questions[0].text,
             QStringLiteral("Delete asset 17 and all depreciation for this asset? To keep an "
                            "audit trail for this asset use the disposition option instead of "
                            "deleting it."));
    QCOMPARE(questions[0].title, QStringLiteral("Delete Asset."));
    QCOMPARE(questions[0].buttons, MsgButtons::OkCancel);
    QCOMPARE(questions[0].defaultAnswer, MsgResult::Cancel); // Enter keeps the asset
    QCOMPARE(done, (QStringList{"Search", "179 2004", "MidQtr 2003", "Delete 17 of 1"}));
}

void AssetFormTest::theActiveWindowsAccessKeysWin_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("retrieved");   // the asset window's Retrieve was pressed
    QTest::addColumn<QString>("menuOpen"); // the menu the key opened; empty: none
    // Retrieve's R, which the Federal Reports menu also marks, is the asset window's.
    QTest::newRow("RetrieveNotFederalReports") << int(Qt::Key_R) << true << "";
    // No control of the asset window marks F: the File menu keeps it.
    QTest::newRow("FileMenuKeepsItsKey") << int(Qt::Key_F) << false << "mnuFile";
    // Delete marks D but is disabled until an asset is retrieved: the Defaults menu keeps it, and
    // the field types no "d".
    QTest::newRow("DisabledDeleteLeavesDefaultsItsKey") << int(Qt::Key_D) << false << "mnuDefaults";
    // No control and no menu marks Q: nothing happens, and the field types no "q" either.
    QTest::newRow("AKeyNobodyMarksTypesNothing") << int(Qt::Key_Q) << false << "";
}

void AssetFormTest::theActiveWindowsAccessKeysWin() {
    QFETCH(int, key);
    QFETCH(bool, retrieved);
    QFETCH(QString, menuOpen);
    QStringList done;
    assets::AssetFormWork work;
    work.Search = [&](assets::FrmAsset&) { done << "Search"; };
    AssetsFixture f(work);
    QAction* reports = f.main->menuItem("mnuReports");
    QCOMPARE(reports->text(), QStringLiteral("Federal &Reports"));
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
    // The menu title shows the letter is not its own while the window is active.
    QCOMPARE(reports->text(), QStringLiteral("Federal Reports"));
    QCOMPARE(f.main->menuItem("mnuFile")->text(), QStringLiteral("&File"));

    // From a field whose rules take no key of their own (any key down in the description marks
    // the asset changed, and Retrieve would then ask to save it first).
    QVERIFY(!form.cmdDelete->isEnabled());
    QCOMPARE(f.main->menuItem("mnuDefaults")->text(), QStringLiteral("&Defaults"));
    form.txtTagNbr->setFocus();
    QTest::keyClick(form.txtTagNbr, Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(done.contains("Search"), retrieved);
    QCOMPARE(form.txtTagNbr->text(), QString());
    for (const char* name : {"mnuFile", "mnuReports", "mnuDefaults"}) {
        QMenu* menu = f.main->menuItem(name)->menu();
        if (menuOpen == QLatin1String(name))
            QTRY_VERIFY(menu->isVisible());
        else
            QVERIFY2(!menu->isVisible(), name);
        menu->close();
    }

    // Delete enabled takes its D from the menu bar, disabled again gives it back.
    QAction* defaults = f.main->menuItem("mnuDefaults");
    form.cmdDelete->setEnabled(true);
    QTRY_COMPARE(defaults->text(), QStringLiteral("Defaults"));
    form.cmdDelete->setEnabled(false);
    QTRY_COMPARE(defaults->text(), QStringLiteral("&Defaults"));

    // Once the window is gone the menu bar has its key back.
    f.main->mdiArea()->closeAllSubWindows();
    QTRY_COMPARE(reports->text(), QStringLiteral("Federal &Reports"));
}

void AssetFormTest::aScreenReaderNamesEveryField() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    // A field without a name of its own would be read by the title of its frame.
    QStringList frames;
    for (const QGroupBox* frame : form.findChildren<QGroupBox*>())
        frames << frame->title();
    QStringList unnamed;
    QStringList names;
    for (QWidget* field : form.findChildren<QWidget*>()) {
        const bool input =
            qobject_cast<QComboBox*>(field) || qobject_cast<QCheckBox*>(field) ||
            (qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field->parentWidget()));
        if (!input || !field->isVisibleTo(&form))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
        if (name.isEmpty() || frames.contains(name))
            unnamed << field->objectName() + QStringLiteral("=") + name;
        names << name;
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    for (const char* name : {"AMT Cost", "State Life", "Other Salvage", "Book Cost", "179 amount", "Class:"})
        QVERIFY2(names.contains(QString::fromLatin1(name)), name);
}

QEL_QTEST_REGISTER(AssetFormTest);

} // namespace qel::test
