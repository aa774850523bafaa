// The vehicle limit at save, the vehicle documents of a new vehicle and the next vehicle number,
// through the real asset form on a fixture database.
#include "tests/app/assets/AssetVehicleSaveTest.h"

#include "app/shell/Subsystems.h"
#include "app/shell/VehicleServices.h"
#include "tests/app/assets/AssetEntryData.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/QtTestMain.h"

namespace qel::test {
namespace {

struct FakeVehicles : VehicleServices {
    bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) override {
        calls.push_back({intYear, intVehicleNum});
        return true;
    }
    // The vehicle windows themselves are not asked for by the save.
    bool VehicleUseOk(std::int16_t) override { return true; }
    bool DoAutoUseForm(std::int16_t, std::int16_t) override { return true; }
    bool DoAutoQstForm(std::int16_t) override { return false; }
    std::vector<std::pair<int, int>> calls;
};

} // namespace

void AssetVehicleSaveTest::vehicleLimitsAtSave_data() {
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

void AssetVehicleSaveTest::vehicleLimitsAtSave() {
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

void AssetVehicleSaveTest::aLoweredAllowancePassesTheSecondSave() {
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

void AssetVehicleSaveTest::aNewVehicleAsksForItsDocuments() {
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    FakeVehicles vehicles;
    subsystems().vehicles = &vehicles;
    FrmAsset& form = f.open();
    fillNewVehicle(form, a);
    form.cmdSave_Click();
    QCOMPARE(f.shell.ui.messages().join("\n"), QString());
    QCOMPARE(vehicles.calls, (std::vector<std::pair<int, int>>{{2024, 3}}));

    // Saved again as the stored asset it now is: no question.
    retrieve(form, itemData(*form.cboAssets, form.cboAssets->count() - 1));
    QCOMPARE(form.lblAutoNum->text(), QStringLiteral("3"));
    form.cmdSave_Click();
    QCOMPARE(vehicles.calls.size(), std::size_t(1));
}

void AssetVehicleSaveTest::nextVehicleNumber() {
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

QEL_QTEST_REGISTER(AssetVehicleSaveTest);

} // namespace qel::test
