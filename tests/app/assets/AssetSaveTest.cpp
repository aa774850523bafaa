// Saving, loading and deleting an asset as a user does it: the asset form opened from the main
// window's "Assets" item on a fixture database, its fields filled, Save, Retrieve and Delete
// clicked, the dialogs scripted.
#include "tests/app/assets/AssetSaveTest.h"

#include "app/assets/AssetLists.h"
#include "app/assets/AssetPicker.h"
#include "app/assets/AssetStorage.h"
#include "app/assets/BooksPanel.h"
#include "app/assets/rules/AssetAmounts.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/VehicleServices.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace qel::test {
namespace {

using assets::FrmAsset;

assets::AssetFormWork storageWork() {
    assets::AssetFormWork work;
    assets::addStorageWork(work);
    return work;
}

// What a test arranges before the form opens: a company keeping the books given, an account, a
// location and a 7-year desk class and a 5-year car class of the MACRS method.
struct Arranged {
    std::int32_t company = 0;
    std::int32_t account = 0;
    std::int32_t location = 0;
    std::int32_t deskClass = 0;
    std::int32_t carClass = 0;
};

Arranged arrange(const FreshDatabase& db, bool amt, bool state, bool other) {
    Arranged a;
    a.company = addCompany("Books");
    db.exec("UPDATE tblCompany SET [AMT Book] = " + std::to_string(amt) +
            ", [State Book] = " + std::to_string(state) + ", [Other Book] = " + std::to_string(other) +
            " WHERE id = " + std::to_string(a.company));
    setCurrentCompany(a.company, "Books");
    a.account = addAccount("Furniture", "1500", "1600", "6000");
    db.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('Office', 'Main office')");
    a.location = db.value("SELECT max(Location_ID) FROM tblLocations").toInt32();
    a.deskClass = addClass("Desks");
    db.exec(
        "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #], ID_acct)"
        " VALUES (1, 'Cars', '5', 'Gas', '0', 0)");
    a.carClass = db.value("SELECT max(ID) FROM tblDeprClass").toInt32();
    return a;
}

void chooseText(QComboBox& cbo, const QString& text) {
    const int i = cbo.findText(text);
    if (i < 0)
        throw std::logic_error("no entry " + text.toStdString() + " in " + cbo.objectName().toStdString());
    cbo.setCurrentIndex(i);
}

void chooseData(QComboBox& cbo, std::int32_t id) {
    const int i = cbo.findData(id, kItemDataRole);
    if (i < 0)
        throw std::logic_error("no item data " + std::to_string(id) + " in " +
                               cbo.objectName().toStdString());
    cbo.setCurrentIndex(i);
}

// Chooses the method and, as its field rule does, fills its lives and classes.
void chooseMethod(FrmAsset& f, const QString& method) {
    chooseText(*f.cboMethod, method);
    assets::PopulateLifeCbo(*f.cboLife, method);
    assets::PopulateTypeCbo(*f.cboClass, itemData(*f.cboMethod, f.cboMethod->currentIndex()));
}

// The allowance label at the rate of the ticked bonus box, as the bonus box's rule writes it.
void showAllowance(FrmAsset& f, double rate) {
    f.lbl30Allowance->setText(QString::fromStdString(
        assets::allowanceCaption(assets::CalculateBonusAllowance(f.snapshot(), rate))));
}

// A sold MACRS desk with every field of the form filled.
void fillDesk(FrmAsset& f, const Arranged& a) {
    f.txtDescription->setText("Office desk");
    f.txtInService->setText("03/2024");
    f.txtTagNbr->setText("T-100");
    f.mskSold->setText("02/2025");
    f.txtDispositionAmt->setText("4000");
    chooseData(*f.cboLocations, a.location);
    chooseData(*f.cboAccounts, a.account);
    f.txtSerialNbr->setText("SN-7");
    f.txtNotes->setText("By the door");
    f.txtCost->setText("10000");
    chooseMethod(f, "MACRS");
    chooseData(*f.cboClass, a.deskClass);
    chooseText(*f.cboLife, "7");
    f.txtBusinessPercent->setText("75");
    chooseText(*f.cboConvention, "Half Year");
    f.chk179->setChecked(true);
    f.txt179Amt->setText("1000");
    f.txtOtherDeductions->setText("500");
    f.chk50Bonus->setChecked(true);
    showAllowance(f, 0.5);
    f.lblShowMethod->setText("200 DB");
    f.lblAutoNum->setText("3");
    f.txtBookCost->setText("10000");
    f.txtBookLife->setText("5");
    f.chkAdjDepr->setChecked(true);
}

// A stored 7-year MACRS desk of 1000 dollars of the arranged company, placed in service in March
// 2024, with its financial book.
AssetRow storedDesk(const Arranged& a) {
    return {.name = "Desk",
            .company = a.company,
            .method = kMacrs,
            .cost = 1000,
            .business = 1,
            .placed = "2024-03-01",
            .life = 7,
            .convention = kHalfYear,
            .account = a.account,
            .bookLife = 5,
            .bookCost = 1000};
}

// The desk as a 5-year car of the vehicle class.
void fillCar(FrmAsset& f, const Arranged& a) {
    fillDesk(f, a);
    chooseData(*f.cboClass, a.carClass);
    chooseText(*f.cboLife, "5");
}

// Every value the form shows of an asset: texts, choices, ticks, computed labels and the kept
// books' columns (their figures and choices).
QStringList shown(const FrmAsset& f) {
    QStringList s;
    for (const QLineEdit* e : {f.txtDescription, f.txtInService, f.txtTagNbr, f.mskSold, f.txtDispositionAmt,
                               f.txtSerialNbr, f.txtNotes, f.txtAmorizeCode, f.txtCost, f.txtBusinessPercent,
                               f.txt179Amt, f.txtOtherDeductions, f.txtBookCost, f.txtBookLife})
        s << e->objectName() + "=" + e->displayText();
    for (const QComboBox* c :
         {f.cboLocations, f.cboAccounts, f.cboMethod, f.cboClass, f.cboLife, f.cboConvention})
        s << c->objectName() + "=" + c->currentText() + "#" + QString::number(c->currentIndex());
    for (const QCheckBox* c : {f.chk179, f.chkBonus, f.chk50Bonus, f.chk100Bonus, f.chkExclude, f.chkAdjDepr})
        s << c->objectName() + "=" + QString::number(c->isChecked());
    for (const QLabel* l : {f.lbl30Allowance, f.lblCostBasis, f.lblShowMethod, f.lblAutoNum})
        s << l->objectName() + "=" + l->text();
    for (const assets::BookControls& b : f.books().columns()) {
        if (!f.books().switches().on(b.bookId))
            continue;
        const assets::BookColumn c = b.column();
        s << QString::fromStdString("book " + std::to_string(b.bookId) + ": " + c.section179 + "|" +
                                    c.businessPercent + "|" + c.cost + "|" + c.life + "|" + c.salvage + "|" +
                                    std::to_string(c.bonusId) + "|" + std::to_string(c.conventionId) + "|" +
                                    std::to_string(c.methodId));
    }
    return s;
}

// Chooses the asset in the picker and clicks Retrieve.
void retrieve(FrmAsset& f, std::int32_t asset) {
    chooseData(*f.cboAssets, asset);
    f.cmdSearch->click();
}

std::int64_t count(const FreshDatabase& db, const std::string& where) {
    return db.value("SELECT count(*) FROM " + where).toInt64();
}

// The five tables of assets, as text.
QStringList tables(const FreshDatabase& db) {
    QStringList all;
    for (const char* t : {"tblAssets", "tblAssetDescription", "tblDepr", "tblPeriodDepr", "tblBookMethods"}) {
        const Recordset rs = db.conn().query(std::string("SELECT * FROM ") + t + " ORDER BY rowid");
        for (const auto& row : rs.rows()) {
            QString line = t;
            for (const Variant& v : row)
                line += "|" + QString::fromStdString(v.toString());
            all << line;
        }
    }
    return all;
}

struct FakeVehicles : VehicleServices {
    bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) override {
        calls.push_back({intYear, intVehicleNum});
        return true;
    }
    std::vector<std::pair<int, int>> calls;
};

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
    assets::showCostBasis(form);
    const QStringList typed = shown(form);
    const int pickerRows = form.cboAssets->count();

    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    // The form is ready for the next asset; the new one is in the picker.
    QCOMPARE(form.txtDescription->text(), QString());
    QCOMPARE(form.lblAssetId->text(), QString());
    QCOMPARE(f.status(), QString());
    QVERIFY(!form.flags.editMode);
    QCOMPARE(form.cboAssets->count(), pickerRows + 1);
    const std::int32_t asset = itemData(*form.cboAssets, pickerRows);
    QCOMPARE(form.cboAssets->itemText(pickerRows), QStringLiteral("Office desk"));
    const std::string n = std::to_string(asset);
    // Sold in its second year: two yearly rows.
    QCOMPARE(count(f.shell.fresh, "tblDepr WHERE asset_num = " + n + " AND BookId = 1"), 2);
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
    assets::showCostBasis(form);
    QStringList changed = shown(form);
    form.cmdSave_Click();
    QCOMPARE(form.cboAssets->count(), pickerRows + 1);
    QCOMPARE(count(f.shell.fresh, "tblAssets WHERE Asset_num = " + n + " AND Cost = 12000"), 1);
    retrieve(form, asset);
    // An updated asset keeps its notes with one blank after them, as the system stores them.
    changed.replaceInStrings("txtNotes=Moved", "txtNotes=Moved ");
    QCOMPARE(shown(form), changed);
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
    QCOMPARE(f.status(), QString());
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
    assets::showCostBasis(form);
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

void AssetSaveTest::vehicleLimitsAtSave_data() {
    QTest::addColumn<QString>("section179");
    QTest::addColumn<bool>("limitsRow");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("allowance");
    QTest::newRow("AllowanceLowered")
        << "0" << true << ""
        << "The Special Depr Allowance was adjusted to be equal to the (auto rate x Business %) of 300 "
           "Allowances "
           "for other book values may need to be adjusting. You will have to click the save button when done."
        << "300";
    QTest::newRow("Section179AboveTheLimit")
        << "301" << true << "179 amount needs to be less the (auto rate x Business %) of 300"
        << ""
        << "500";
    QTest::newRow("NoLimitsForTheYear") << "0" << false
                                        << "Use menu Maintenance\\Auto Max Limits to enter the maximun "
                                           "vehicle deprication amount for this year."
                                        << ""
                                        << "500";
}

void AssetSaveTest::vehicleLimitsAtSave() {
    QFETCH(QString, section179);
    QFETCH(bool, limitsRow);
    QFETCH(QString, status);
    QFETCH(QString, box);
    QFETCH(QString, allowance);
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, true, false, false);
    f.shell.fresh.exec("DELETE FROM tblMaxAuto WHERE [Year] = 2024");
    if (limitsRow)
        f.shell.fresh.exec("INSERT INTO tblMaxAuto ([Year], Type, [Yr 1 + 30%], [Yr 1 + 50%], [Max Year 1],"
                           " [Max Year 2], [Max Year 3], [Max Year 4]) VALUES (2024, 'Gas', 0, 300, 250, 500,"
                           " 400, 300)");
    FrmAsset& form = f.open();
    fillCar(form, a);
    form.txtBusinessPercent->setText("100");
    form.txt179Amt->setText(section179);
    form.txtOtherDeductions->clear();
    form.lbl30Allowance->setText("500");
    form.cmdCopy_Click();
    const QStringList stored = tables(f.shell.fresh);

    form.cmdSave_Click();
    QCOMPARE(tables(f.shell.fresh), stored);
    QCOMPARE(f.status(), status);
    QCOMPARE(f.shell.ui.messages(), box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(form.lbl30Allowance->text(), allowance);
    // The lowered allowance reaches the cost basis and every book label that shows one.
    if (allowance == "300") {
        QCOMPARE(form.lblCostBasis->text(), QStringLiteral("9700"));
        QCOMPARE(form.books().column(assets::kAmtBook).bonusAmount->text(), QStringLiteral("300"));
    }
    QCOMPARE(form.txtDescription->text(), QStringLiteral("Office desk"));
}

void AssetSaveTest::aLoweredAllowancePassesTheSecondSave() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    f.shell.fresh.exec("UPDATE tblMaxAuto SET [Yr 1 + 50%] = 310 WHERE [Year] = 2024 AND Type = 'Gas'");
    FrmAsset& form = f.open();
    fillCar(form, a);
    form.txtBusinessPercent->setText("58");
    form.chk179->setChecked(false);
    form.txt179Amt->clear();
    showAllowance(form, 0.5);

    form.cmdSave_Click();
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("179.8"));
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY(f.shell.ui.messages()[0].contains("(auto rate x Business %) of 179.8 Allowances"));
    QCOMPARE(count(f.shell.fresh, "tblAssets"), 0);

    f.shell.ui.clear();
    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().filter(QRegularExpression("^Error in ")), QStringList());
    QCOMPARE(form.txtDescription->text(), QString());
    QCOMPARE(f.shell.fresh.value("SELECT [Allowance 30 %] FROM tblAssets").toDouble(), 179.8);
}

void AssetSaveTest::aNewVehicleAsksForItsDocuments() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    FakeVehicles vehicles;
    subsystems().vehicles = &vehicles;
    FrmAsset& form = f.open();
    fillCar(form, a);
    form.lblAutoNum->setText("3");
    form.chk50Bonus->setChecked(false);
    form.lbl30Allowance->clear();
    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    QCOMPARE(vehicles.calls, (std::vector<std::pair<int, int>>{{2024, 3}}));

    // Saved again as the stored asset it now is: no question.
    retrieve(form, itemData(*form.cboAssets, form.cboAssets->count() - 1));
    QCOMPARE(form.lblAutoNum->text(), QStringLiteral("3"));
    form.cmdSave_Click();
    QCOMPARE(vehicles.calls.size(), std::size_t(1));
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

void AssetSaveTest::nextVehicleNumber() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    for (const int vehicle : {1, 2, 5})
        addAsset({.name = "Car",
                  .company = a.company,
                  .method = kMacrs,
                  .placed = "2024-03-01",
                  .vehicle = vehicle});
    addAsset({.name = "Car",
              .company = addCompany("Other"),
              .method = kMacrs,
              .placed = "2024-03-01",
              .vehicle = 9});
    FrmAsset& form = f.open();
    QCOMPARE(assets::GetNextVehicleNum(form), QStringLiteral("6"));
}

QEL_QTEST_REGISTER(AssetSaveTest);

} // namespace qel::test
