// Saving, loading and deleting an asset as a user does it: the asset form opened from the main
// window's "Assets" item on a fixture database, its fields filled, Save, Retrieve, UnDo and Delete
// clicked, the dialogs scripted.
#include "tests/app/assets/AssetSaveTest.h"

#include "tests/app/assets/AssetEntryData.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace qel::test {
namespace {

// The controls' states a blank form shows besides its values.
QStringList blankState(const FrmAsset& f) {
    QStringList s = shown(f);
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             f.cboClass, f.cboLife, f.txt179Amt, f.txtAmorizeCode, f.chkBonus, f.chk50Bonus, f.chk100Bonus,
             f.cmdSave, f.cmdDelete, f.cmdDeprSchedule, f.cmdBookSchedule, f.cmdPrint, f.cboAccounts})
        s << w->objectName() + (w->isEnabled() ? " on" : " off");
    s << "focus " + (f.focusWidget() ? f.focusWidget()->objectName() : QString());
    return s;
}

} // namespace

void AssetSaveTest::saveThenLoadRoundTripsEveryField() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, true, true);
    FrmAsset& form = f.open();
    fillDesk(form, a);
    form.cmdCopy_Click();
    const assets::BookControls& state = form.books().column(assets::kStateBook);
    state.cost->setText("8000");
    state.life->setText("5");
    const assets::BookControls& other = form.books().column(assets::kOtherBook);
    chooseData(*other.method, kStraightLine);
    other.life->setText("10");
    chooseText(*other.bonus, "None");
    form.CalculateCostBasis();
    const QStringList typed = shown(form);
    const int pickerRows = form.cboAssets->count();

    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    // The form is ready for the next asset; the new one is in the picker.
    QCOMPARE(form.txtDescription->text(), QString());
    QCOMPARE(form.lblAssetId->text(), QString());
    QVERIFY(!form.flags.editMode);
    QCOMPARE(form.cboAssets->count(), pickerRows + 1);
    const std::int32_t asset = itemData(*form.cboAssets, pickerRows);
    // The result stays on the status line of the emptied form, with the number to find it by.
    QCOMPARE(f.status(), QStringLiteral("Asset Added. Asset ID: ") + QString::number(asset));
    QCOMPARE(statusColour(*f.main), QColor(0, 128, 0));
    QCOMPARE(form.cboAssets->itemText(pickerRows), QStringLiteral("Office desk"));
    const std::string n = std::to_string(asset);
    // Sold in its second year: two yearly rows.
    QCOMPARE(count(f.shell.fresh, "tblDepr WHERE asset_num = " + n + " AND BookId = 1"), 2);
    // At 75 % business use the basis is 3,000 (7,500 less 1,000, 3,000 and 500), of which 429 and
    // 367 were allowed: the business part's gain is 0.75 x 4,000 - 2,204 = 796 (the whole price
    // against the business basis once gave 1,796).
    QCOMPARE(f.shell.fresh.value("SELECT gain_loss FROM tblAssets WHERE Asset_num = " + n).toDouble(), 796.0);
    QCOMPARE(count(f.shell.fresh, "tblBookMethods WHERE AssetId = " + n), 3);

    retrieve(form, asset);
    QCOMPARE(form.lblAssetId->text(), QString::number(asset));
    QVERIFY(form.flags.editMode);
    QVERIFY(form.flags.sold);
    QVERIFY(form.cmdDelete->isEnabled());
    QVERIFY(form.cmdSave->isEnabled());
    QCOMPARE(shown(form), typed);
    // The stored allowance and the books' computed figures come back as stored.
    QCOMPARE(form.books().column(assets::kAmtBook).bonusAmount->text(), QStringLiteral("3000"));
    QCOMPARE(form.books().column(assets::kStateBook).bonusAmount->text(), QStringLiteral("2250"));
    QCOMPARE(form.books().column(assets::kOtherBook).methodCaption->text(), QStringLiteral("S/L "));

    // Changed and saved again: the stored asset is updated, not added.
    form.txtCost->setText("12000");
    showAllowance(form, 0.5);
    form.txtNotes->setText("Moved");
    form.txtTagNbr->setText("T-200");
    form.CalculateCostBasis();
    QStringList changed = shown(form);
    form.cmdSave_Click();
    QCOMPARE(form.cboAssets->count(), pickerRows + 1);
    QCOMPARE(f.status(), QStringLiteral("Asset Updated. Asset ID: ") + QString::number(asset));
    QCOMPARE(count(f.shell.fresh, "tblAssets WHERE Asset_num = " + n + " AND Cost = 12000"), 1);
    retrieve(form, asset);
    // An updated asset keeps its notes as an added one does, so a load and a save change nothing.
    QCOMPARE(shown(form), changed);
}

void AssetSaveTest::theFirstAssetAfterOpeningIsSavedAsAfterNew() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, false, false);
    FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    // The first asset typed after opening, Adjust Depr left as the form shows it.
    form.txtDescription->setText("Shelf");
    form.txtInService->setText("03/2025");
    form.txtCost->setText("700");
    chooseMethod(form, "MACRS");
    chooseText(*form.cboLife, "7");
    chooseText(*form.cboConvention, "Half Year");
    chooseData(*form.cboAccounts, a.account);
    form.txtBookCost->setText("700");
    form.txtBookLife->setText("7");
    form.cmdCopy_Click();
    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    QCOMPARE(count(f.shell.fresh, "tblAssets WHERE Asset_name = 'Shelf' AND Do_Depr_adj = 1"), 1);

    // Opened again, the form shows what New shows.
    QVERIFY(f.entry->unloadAsset());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.entry->form());
    FrmAsset& reopened = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    const QStringList opened = blankState(reopened);
    reopened.cmdNew->click();
    QCOMPARE(blankState(reopened), opened);
    QVERIFY(!reopened.flags.assetChanged);
}

void AssetSaveTest::eachKeptBookGetsItsRowAndABookNotKeptIsUntouched() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, false, true);
    // A stored asset with a State book from the time the company kept it.
    const std::int32_t asset = addAsset(storedDesk(a));
    const std::string n = std::to_string(asset);
    f.shell.fresh.exec(
        "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost,"
        " BusinessPercent, Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis,"
        " BonusCboId) VALUES (" +
        std::to_string(a.company) + ", " + n + ", 4, 1, 5, 900, 1, 0, 0, 1, 0, '200 DB ', 900, 0)");
    addDepr(a.company, kState, asset, 2024, 180, 180);
    const QString stateRows = QString::fromStdString(
        f.shell.fresh
            .value("SELECT group_concat(BookId || ':' || [year] || ':' || depr) FROM tblDepr WHERE "
                   "asset_num = " +
                   n + " AND BookId = 4")
            .toString());

    FrmAsset& form = f.open();
    retrieve(form, asset);
    QVERIFY(form.flags.editMode);
    form.cmdCopy_Click();
    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages(),
             QStringList{"This asset was placed in service in a prior year. Do you want to update it?"});
    QCOMPARE(f.status(), QStringLiteral("Asset Updated. Asset ID: ") + QString::fromStdString(n));
    QCOMPARE(count(f.shell.fresh, "tblBookMethods WHERE AssetId = " + n + " AND BookId IN (3, 5)"), 2);
    QCOMPARE(count(f.shell.fresh, "tblDepr WHERE asset_num = " + n + " AND BookId = 3"), 8);
    QCOMPARE(count(f.shell.fresh, "tblDepr WHERE asset_num = " + n + " AND BookId = 5"), 8);
    QCOMPARE(count(f.shell.fresh, "tblBookMethods WHERE AssetId = " + n + " AND BookId = 4 AND Cost = 900"),
             1);
    QCOMPARE(QString::fromStdString(
                 f.shell.fresh
                     .value("SELECT group_concat(BookId || ':' || [year] || ':' || depr) FROM tblDepr "
                            "WHERE asset_num = " +
                            n + " AND BookId = 4")
                     .toString()),
             stateRows);
}

void AssetSaveTest::aRefusedStatementKeepsTheForm_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("status");
    QTest::newRow("NewAssetRow") << "INSERT ON tblAssets" << false << "An Error occured.";
    QTest::newRow("UpdatedAssetRow") << "UPDATE ON tblAssets" << true << "An Error occur writing asset data.";
    QTest::newRow("FederalSchedule") << "INSERT ON tblDepr WHEN NEW.BookId = 1" << false
                                     << "An Error calculating depreciation.";
    QTest::newRow("AmtRow") << "INSERT ON tblBookMethods WHEN NEW.BookId = 3" << true
                            << "An Error calculating depreciation.";
    QTest::newRow("OtherSchedule") << "INSERT ON tblDepr WHEN NEW.BookId = 5" << false
                                   << "An Error calculating depreciation.";
    QTest::newRow("DescriptionRow") << "UPDATE ON tblAssetDescription" << false
                                    << "An Error occur writing asset data.";
}

void AssetSaveTest::aRefusedStatementKeepsTheForm() {
    QFETCH(QString, trigger);
    QFETCH(bool, update);
    QFETCH(QString, status);
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, false, true);
    FrmAsset& form = f.open();
    fillDesk(form, a);
    form.cmdCopy_Click();
    if (update) {
        form.cmdSave_Click();
        retrieve(form, itemData(*form.cboAssets, form.cboAssets->count() - 1));
        form.txtCost->setText("12000");
        showAllowance(form, 0.5);
    }
    form.CalculateCostBasis();
    const QStringList typed = shown(form);
    const QStringList stored = tables(f.shell.fresh);
    const int pickerRows = form.cboAssets->count();
    f.shell.fresh.exec("CREATE TRIGGER refuse BEFORE " + trigger.toStdString() +
                       " BEGIN SELECT RAISE(ABORT, 'refused by the fixture'); END");
    f.shell.ui.clear();

    form.cmdSave_Click();
    QCOMPARE(tables(f.shell.fresh), stored);
    QCOMPARE(shown(form), typed);
    QCOMPARE(form.flags.editMode, update);
    QCOMPARE(form.cboAssets->count(), pickerRows);
    QCOMPARE(f.status(), status);
    QCOMPARE(statusColour(*f.main), QColor(255, 0, 0));
    // The validation's questions of a stored asset come first.
    const QStringList boxes = f.shell.ui.messages().filter(QRegularExpression("^Error in "));
    QCOMPARE(boxes.join("\n"), boxes.value(0));
    QVERIFY2(boxes[0].startsWith(trigger.contains("tblAssetDescription") ? "Error in AddorUpdatePlus. "
                                                                         : "Error in AddorUpdate. "),
             qPrintable(boxes[0]));
    QVERIFY2(boxes[0].contains("refused by the fixture"), qPrintable(boxes[0]));

    // Once the database takes it, the same form saves.
    f.shell.fresh.exec("DROP TRIGGER refuse");
    f.shell.ui.clear();
    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().filter(QRegularExpression("^Error in ")), QStringList());
    QCOMPARE(form.txtDescription->text(), QString());
}

void AssetSaveTest::aBookThatFailsItsChecksStopsTheSave() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, true, false);
    FrmAsset& form = f.open();
    fillDesk(form, a);
    form.books().column(assets::kStateBook).life->setText("5");
    const QStringList stored = tables(f.shell.fresh);
    form.cmdSave_Click();
    QCOMPARE(f.status(), QStringLiteral("AMT Cost Missing! AMT Method Missing! AMT Life Missing! State Cost "
                                        "Missing! State Method Missing! "));
    QCOMPARE(statusColour(*f.main), QColor(255, 0, 0));
    QCOMPARE(tables(f.shell.fresh), stored);
    QCOMPARE(form.txtDescription->text(), QStringLiteral("Office desk"));
}

void AssetSaveTest::deleteEmptiesTheAssetAndThePicker() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, false, false);
    FrmAsset& form = f.open();
    fillDesk(form, a);
    form.cmdCopy_Click();
    form.cmdSave_Click();
    fillDesk(form, a);
    form.cmdCopy_Click();
    form.cmdSave_Click();
    const int rows = form.cboAssets->count();
    QVERIFY(rows >= 2);
    const std::int32_t gone = itemData(*form.cboAssets, rows - 2);
    const std::int32_t kept = itemData(*form.cboAssets, rows - 1);
    addPeriod(a.company, gone, "202403", 10, 10, a.account);
    const std::string g = std::to_string(gone);

    retrieve(form, gone);
    // Edited after loading: the picker still loses the right entry.
    form.txtDescription->setText("Something else");
    f.shell.ui.clear();
    form.cmdDelete->click();
    QCOMPARE(
        f.shell.ui.messages(),
        QStringList{"Delete asset " + QString::number(gone) +
                    " and all depreciation for this asset? To keep an audit trail for this asset use the "
                    "disposition option instead of deleting it."});
    for (const char* where : {"tblAssets WHERE Asset_num = ", "tblAssetDescription WHERE [Asset ID] = ",
                              "tblDepr WHERE asset_num = ", "tblPeriodDepr WHERE asset_num = ",
                              "tblBookMethods WHERE AssetId = "})
        QCOMPARE(count(f.shell.fresh, where + g), 0);
    QCOMPARE(count(f.shell.fresh, "tblAssets WHERE Asset_num = " + std::to_string(kept)), 1);
    QCOMPARE(count(f.shell.fresh, "tblBookMethods WHERE AssetId = " + std::to_string(kept)), 1);
    QCOMPARE(form.cboAssets->count(), rows - 1);
    QCOMPARE(itemData(*form.cboAssets, rows - 2), kept);
    QCOMPARE(form.txtDescription->text(), QString());
    QVERIFY(!form.flags.editMode);
    QVERIFY(!form.cmdDelete->isEnabled());
}

void AssetSaveTest::aFailedLoadLeavesAddMode() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    const std::int32_t asset = addAsset(storedDesk(a));
    const std::int32_t elsewhere = addAsset({.name = "Elsewhere",
                                             .company = addCompany("Other"),
                                             .method = kMacrs,
                                             .cost = 1000,
                                             .placed = "2024-03-01"});
    FrmAsset& form = f.open();
    retrieve(form, asset);
    QVERIFY(form.flags.editMode);
    form.txtAssetID->setText(QString::number(elsewhere));
    form.cmdSearch->click();
    QCOMPARE(f.status(), QStringLiteral(" No data found. "));
    QVERIFY(!form.flags.editMode);
    QCOMPARE(form.lblAssetId->text(), QString());
    QCOMPARE(form.txtAssetID->text(), QString());
    // The picker's choice wins over a typed number.
    form.txtAssetID->setText(QString::number(elsewhere));
    retrieve(form, asset);
    QCOMPARE(form.lblAssetId->text(), QString::number(asset));
    QCOMPARE(form.txtAssetID->text(), QString());
    // A number beyond the range of asset numbers loads nothing.
    form.txtAssetID->setText("99999999999");
    f.shell.ui.clear();
    form.cmdSearch->click();
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY(f.shell.ui.messages()[0].startsWith("Error in Search. "));
    QCOMPARE(form.lblAssetId->text(), QString::number(asset));
}

void AssetSaveTest::aStoredAllowanceWithoutBaseTicksNoBonus() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    const std::int32_t asset = addAsset({.name = "Press",
                                         .company = a.company,
                                         .method = kMacrs,
                                         .cost = 1000,
                                         .allowance = 50,
                                         .section179 = 1000,
                                         .business = 1,
                                         .type179 = true,
                                         .placed = "2024-03-01",
                                         .life = 7,
                                         .convention = kHalfYear});
    f.shell.fresh.exec("UPDATE tblAssets SET life_id = 2 WHERE Asset_num = " + std::to_string(asset));
    FrmAsset& form = f.open();
    retrieve(form, asset);
    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    for (const QCheckBox* box : {form.chkBonus, form.chk50Bonus, form.chk100Bonus}) {
        QVERIFY(!box->isChecked());
        QVERIFY(box->isEnabled());
    }
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("50"));
    QCOMPARE(form.cboLife->currentText(), QStringLiteral("7"));
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("-50"));
}

void AssetSaveTest::undoDropsTheEdits() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, false, false);
    const std::int32_t asset = addAsset(storedDesk(a));
    FrmAsset& form = f.open();
    // A new asset's edits go, the books' with them.
    fillDesk(form, a);
    form.cmdCopy_Click();
    form.cmdCancel_Click();
    QCOMPARE(form.txtDescription->text(), QString());
    QCOMPARE(form.books().column(assets::kAmtBook).cost->text(), QString());
    // A stored asset's edits give way to what is stored.
    retrieve(form, asset);
    form.txtDescription->setText("Edited");
    form.txtCost->setText("5");
    form.cmdCancel_Click();
    QCOMPARE(form.txtDescription->text(), QStringLiteral("Desk"));
    QCOMPARE(form.txtCost->text(), QStringLiteral("1000"));
    QCOMPARE(form.lblAssetId->text(), QString::number(asset));
    QVERIFY(form.flags.editMode);
}

void AssetSaveTest::aNulTypedOrPastedNeverReachesTheSave_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("column"); // where the field is stored
    const struct {
        const char* field;
        const char* column;
    } fields[] = {
        {"txtDescription", "(SELECT Asset_name FROM tblAssets WHERE Asset_num = %1)"},
        {"txtNotes", "(SELECT notes FROM tblAssets WHERE Asset_num = %1)"},
        {"txtTagNbr", "(SELECT [Tag Number] FROM tblAssetDescription WHERE [Asset Id] = %1)"},
        {"txtSerialNbr", "(SELECT [Serial Number] FROM tblAssetDescription WHERE [Asset Id] = %1)"},
    };
    for (const auto& f : fields)
        for (const char* way : {"typed", "pasted"})
            QTest::addRow("%s, %s", f.field, way) << f.field << way << f.column;
}

// A NUL (with other control characters) typed or pasted into a text field is not taken: the
// field shows the text without it and the asset saves with that text, without an error.
void AssetSaveTest::aNulTypedOrPastedNeverReachesTheSave() {
    QFETCH(QString, field);
    QFETCH(QString, way);
    QFETCH(QString, column);
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    FrmAsset& form = f.open();
    fillDesk(form, a);
    form.cmdCopy_Click();
    auto* box = form.findChild<QLineEdit*>(field);
    QVERIFY(box);
    box->setFocus();
    box->clear();
    const QString text = QStringLiteral("Desk") + QChar(0) + QStringLiteral("\t7");
    if (way == "typed") {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    } else {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    }
    QCOMPARE(box->text(), QStringLiteral("Desk7"));
    const int pickerRows = form.cboAssets->count();

    form.cmdSave_Click();

    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    QCOMPARE(form.cboAssets->count(), pickerRows + 1);
    const std::int32_t asset = itemData(*form.cboAssets, pickerRows);
    const Variant stored = f.shell.fresh.value("SELECT " + column.arg(asset).toStdString());
    QCOMPARE(QString::fromStdString(stored.toString()), QStringLiteral("Desk7"));
    QCOMPARE(count(f.shell.fresh, "tblAssets WHERE instr(Asset_name || notes, char(0)) > 0"), 0);
}

QEL_QTEST_REGISTER(AssetSaveTest);

} // namespace qel::test
