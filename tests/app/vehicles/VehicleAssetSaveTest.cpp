// The asset form's save of a new vehicle with the vehicles registered as the program registers
// them, on the asset tests' company and form arrangements.
#include "tests/app/vehicles/VehicleAssetSaveTest.h"

#include "app/vehicles/FrmAutoQst.h"
#include "app/vehicles/FrmAutoUse.h"
#include "app/vehicles/ModAutoUse.h"
#include "app/vehicles/Vehicles.h"
#include "tests/app/assets/AssetEntryData.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qel::test {

void VehicleAssetSaveTest::aNewVehicleLeadsToItsUse_data() {
    QTest::addColumn<int>("owner"); // MsgResult to "Is the vehicle used by a sole proprietor..."
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<int>("useRows");
    QTest::newRow("an owner's vehicle: its use") << int(MsgResult::Yes) << QStringList{"frmAutoUse"} << 1;
    QTest::newRow("an employee's vehicle: the employer's answers, one Yes")
        << int(MsgResult::No) << QStringList{"frmAutoQst"} << 0;
}

void VehicleAssetSaveTest::aNewVehicleLeadsToItsUse() {
    QFETCH(int, owner);
    QFETCH(QStringList, windows);
    QFETCH(int, useRows);
    AssetsFixture f(storageWork());
    registerVehicles(f.parts);
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    f.shell.ui.answerMessage(MsgResult(owner));
    QString focused;
    bool anyYesStored = false;
    f.shell.ui.onModal("frmAutoUse", [&](QDialog& d) {
        auto& w = static_cast<FrmAutoUse&>(d);
        focused = w.focusWidget() ? w.focusWidget()->objectName() : QString();
        w.txtBusiness[0]->setText("900");
        w.txtCommuting[0]->setText("200");
        w.txtPersonal[0]->setText("100");
        QTest::keyClicks(w.txtBusiness[0], "0"); // 9000 of 9300 miles, typed: the column is changed
        w.OptOffDuty[0][0]->click();
        w.Opt5Owner[0][0]->click();
        w.optAnother[0][1]->click();
        w.cmdSave->click();
        w.cmdCancel->click();
    });
    f.shell.ui.onModal("frmAutoQst", [&](QDialog& d) {
        auto& w = static_cast<FrmAutoQst&>(d);
        for (int q = 0; q < 5; ++q)
            w.answerPairs[q][q == 3 ? 0 : 1]->click();
        w.cmdSave->click();
        anyYesStored = w.anyYesStored();
        w.cmdCancel->click();
    });
    FrmAsset& form = f.open();
    fillNewVehicle(form, a);

    form.cmdSave_Click();

    const std::int32_t car = f.shell.fresh.value("SELECT max(Asset_num) FROM tblAssets").toInt32();
    QVERIFY(car > 0);
    const QStringList boxes = f.shell.ui.messages();
    QCOMPARE(boxes.value(0), QStringLiteral("Is the vehicle used by a sole proprietor, partner or other "
                                            "'more than 5% owner,' or related person?"));
    QCOMPARE(f.shell.ui.callsOf(UiCall::Message).front().title, QStringLiteral("Auto Use"));
    QCOMPARE(boxes.filter(QRegularExpression("^Error in ")), QStringList());
    QCOMPARE(f.shell.ui.textsOf(UiCall::Modal), windows);
    QCOMPARE(f.shell.fresh
                 .value("SELECT count(*) FROM tblAutoUse WHERE [year] = 2024 AND [Vehicle #] = 3"
                        " AND asset_id = " +
                        std::to_string(car))
                 .toInt32(),
             useRows);
    if (useRows > 0) {
        QCOMPARE(focused, QStringLiteral("txtBusiness1"));
        QCOMPARE(f.shell.fresh.value("SELECT bpercent FROM tblAutoUse").toDouble(), 0.97);
    } else {
        QVERIFY(anyYesStored);
    }
}

QEL_QTEST_REGISTER(VehicleAssetSaveTest);

} // namespace qel::test
