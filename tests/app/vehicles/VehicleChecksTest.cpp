// The vehicle data checks on a database copy, with the vehicle windows scripted.
#include "tests/app/vehicles/VehicleChecksTest.h"

#include "app/vehicles/FrmAutoQst.h"
#include "app/vehicles/FrmAutoUse.h"
#include "tests/app/vehicles/VehicleFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QPushButton>
#include <QRadioButton>

namespace qel::test {

void VehicleChecksTest::vehicleUseOkAnswersForTheYear_data() {
    QTest::addColumn<int>("vehicles");
    QTest::addColumn<int>("useRows");
    QTest::addColumn<QString>("answers"); // the five stored answers as 1/0, or empty for none
    QTest::addColumn<bool>("ok");
    QTest::newRow("no vehicles") << 0 << 0 << "" << true;
    QTest::newRow("two vehicles, one use row") << 2 << 1 << "" << false;
    QTest::newRow("two vehicles, a Yes on line 40") << 2 << 0 << "0, 0, 0, 1, 0" << true;
    QTest::newRow("two vehicles, each with its use row") << 2 << 2 << "0, 0, 0, 0, 0" << true;
}

void VehicleChecksTest::vehicleUseOkAnswersForTheYear() {
    QFETCH(int, vehicles);
    QFETCH(int, useRows);
    QFETCH(QString, answers);
    QFETCH(bool, ok);
    VehicleFixture f;
    for (int v = 1; v <= vehicles; ++v) {
        const std::int64_t asset = addVehicle("Car", v, 0.8);
        if (v <= useRows)
            f.fresh.exec(useRowSql(v, asset, "100"));
    }
    if (!answers.isEmpty())
        f.fresh.exec("INSERT INTO tblAutoQuestions VALUES (1, 2010, " + answers.toStdString() + ")");

    QCOMPARE(VehicleUseOk(kVehicleYear), ok);
    QVERIFY(f.ui.calls().empty());
}

void VehicleChecksTest::aFailedCountIsShownAndAnswersFalse() {
    VehicleFixture f;
    f.fresh.exec("DROP TABLE tblAutoUse");

    QVERIFY(!VehicleUseOk(kVehicleYear));

    const QString error = f.ui.messages().value(0);
    QVERIFY2(error.startsWith("Error in VehicleUseOk. ") && error.contains("tblAutoUse") &&
                 error.endsWith("  -2147352571  Database"),
             qPrintable(error));
}

void VehicleChecksTest::vehicleDocsOkLeadsToTheMissingData_data() {
    QTest::addColumn<int>("vehicle");
    QTest::addColumn<bool>("useStored");
    QTest::addColumn<QString>("storedAnswers"); // as 1/0 values, or empty for none
    QTest::addColumn<int>("owner");             // MsgResult to the owner question
    QTest::addColumn<QString>("qstAnswers");    // clicked and saved in the employer window
    QTest::addColumn<QString>("useClose");      // how the use window closes: "cancel" or "title"
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ok");
    const int yes = int(MsgResult::Yes), no = int(MsgResult::No);
    const QStringList none, use{"frmAutoUse"}, qst{"frmAutoQst"}, both{"frmAutoQst", "frmAutoUse"};
    QTest::newRow("its use is stored") << 3 << true << "" << yes << ""
                                       << "" << none << false << true;
    QTest::newRow("no vehicle number") << 0 << false << "" << yes << ""
                                       << "" << none << false << true;
    QTest::newRow("an owner's, the use window closed by its title bar") << 3 << false << "" << yes << ""
                                                                        << "title" << use << true << true;
    QTest::newRow("an owner's, the use window cancelled after a save") << 3 << false << "" << yes << ""
                                                                       << "cancel" << use << true << false;
    QTest::newRow("an employee's, answers saved with a Yes") << 3 << false << "" << no << "NYNNN"
                                                             << "" << qst << true << true;
    QTest::newRow("an employee's, five No answers saved") << 3 << false << "" << no << "NNNNN"
                                                          << "title" << both << true << true;
    QTest::newRow("an employee's, stored answers with a Yes") << 3 << false << "0, 0, 1, 0, 0" << no << ""
                                                              << "" << none << true << true;
    QTest::newRow("an employee's, stored answers all No") << 3 << false << "0, 0, 0, 0, 0" << no << ""
                                                          << "cancel" << use << true << false;
}

void VehicleChecksTest::vehicleDocsOkLeadsToTheMissingData() {
    QFETCH(int, vehicle);
    QFETCH(bool, useStored);
    QFETCH(QString, storedAnswers);
    QFETCH(int, owner);
    QFETCH(QString, qstAnswers);
    QFETCH(QString, useClose);
    QFETCH(QStringList, windows);
    QFETCH(bool, asked);
    QFETCH(bool, ok);
    VehicleFixture f;
    addVehicle("Van", 1, 0.9);
    const std::int64_t car = addVehicle("Car", 3, 0.8);
    if (useStored)
        f.fresh.exec(useRowSql(3, car, "100"));
    if (!storedAnswers.isEmpty())
        f.fresh.exec("INSERT INTO tblAutoQuestions VALUES (1, 2010, " + storedAnswers.toStdString() + ")");
    f.ui.answerMessage(MsgResult(owner));
    f.whenOpen<FrmAutoQst>("frmAutoQst", [&](FrmAutoQst& w) {
        for (int q = 0; q < qstAnswers.size(); ++q)
            w.answerPairs[q][qstAnswers[q] == 'Y' ? 0 : 1]->click();
        w.cmdSave->click();
        w.cmdCancel->click();
    });
    f.whenOpen<FrmAutoUse>("frmAutoUse", [&](FrmAutoUse& w) {
        // The new vehicle's column takes the focus.
        QCOMPARE(w.focusWidget(), w.txtBusiness[1]);
        type(w.txtBusiness[1], "10");
        type(w.txtCommuting[1], "0");
        type(w.txtPersonal[1], "0");
        for (const AnswerPair* pair : {&w.OptOffDuty[1], &w.Opt5Owner[1], &w.optAnother[1]})
            (*pair)[1]->click();
        w.cmdSave->click();
        if (useClose == "cancel")
            w.cmdCancel->click();
        else
            w.close();
    });

    QCOMPARE(VehicleDocsOk(kVehicleYear, static_cast<std::int16_t>(vehicle)), ok);

    QCOMPARE(f.ui.textsOf(UiCall::Modal), windows);
    const std::vector<UiCall> boxes = f.ui.callsOf(UiCall::Message);
    QCOMPARE(!boxes.empty() && boxes.front().title == "Auto Use", asked);
    if (asked) {
        QCOMPARE(boxes.front().text,
                 QStringLiteral("Is the vehicle used by a sole proprietor, partner or other "
                                "'more than 5% owner,' or related person?"));
        QCOMPARE(boxes.front().buttons, MsgButtons::YesNo);
    }
    if (windows.contains("frmAutoUse"))
        QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse WHERE [Vehicle #] = 3"), 1);
}

QEL_QTEST_REGISTER(VehicleChecksTest);

} // namespace qel::test
