// The vehicle windows through the real main window's menus, with the report windows and the
// vehicles registered as the program registers them.
#include "tests/app/vehicles/VehicleMenusTest.h"

#include "app/reports/Form4562Work.h"
#include "app/vehicles/FrmAutoQst.h"
#include "app/vehicles/FrmAutoUse.h"
#include "common/DocumentsFolder.h"
#include "tests/app/vehicles/VehicleFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QPushButton>

#include <filesystem>

namespace qel::test {
namespace {

// Form 4562's steps with every check but the vehicles' passing; the vehicles' check is the
// program's own.
class PassingSteps : public reports::Form4562Work {
public:
    bool made = false;
    bool PdfViewerAvailable() override { return true; }
    bool Misc4562OK(std::int16_t, std::int32_t) override { return true; }
    bool Limit179OK(std::int16_t) override { return true; }
    bool LimitAutoOK(std::int16_t) override { return true; }
    void MoveYearPdfFiles(int) override {}
    void Do4562Form(std::int16_t, std::int32_t) override { made = true; }
};

struct StepsInUse {
    explicit StepsInUse(reports::Form4562Steps& steps) { reports::setForm4562Steps(&steps); }
    ~StepsInUse() { reports::setForm4562Steps(nullptr); }
};

} // namespace

void VehicleMenusTest::theItemsOpenTheWindowsOfTheYearTyped_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("prompt"); // the prompt's title
    QTest::addColumn<QString>("window");
    QTest::newRow("Auto Use, 2010") << "mnuAutoUse"
                                    << "2010"
                                    << "Auto Use Form"
                                    << "frmAutoUse";
    QTest::newRow("Auto Use, 2011") << "mnuAutoUse"
                                    << "2011"
                                    << "Auto Use Form"
                                    << "frmAutoUse";
    QTest::newRow("Auto Qst for Employer, 2010") << "mnuAutoQstForEmployees"
                                                 << "2010"
                                                 << "Auto Question Form"
                                                 << "frmAutoQst";
}

void VehicleMenusTest::theItemsOpenTheWindowsOfTheYearTyped() {
    QFETCH(QString, item);
    QFETCH(QString, year);
    QFETCH(QString, prompt);
    QFETCH(QString, window);
    VehicleFixture f;
    addVehicle("Van", 3, 0.9);
    QString title;
    std::int16_t windowYear = 0;
    bool vanInColumn1 = false;
    f.whenOpen<FrmAutoUse>("frmAutoUse", [&](FrmAutoUse& w) {
        title = w.lblTitle->text();
        windowYear = w.year();
        vanInColumn1 = w.vehicles()[0].vehicleNumber == 3 && w.txtBusiness[0]->isEnabled();
        w.cmdCancel->click();
    });
    f.whenOpen<FrmAutoQst>("frmAutoQst", [&](FrmAutoQst& w) {
        title = w.lblTitle->text();
        windowYear = w.year();
        w.cmdCancel->click();
    });
    QVERIFY(f.main.menuItem(item)->isEnabled());

    f.choose(item.toLatin1().constData(), year);

    const auto inputs = f.ui.callsOf(UiCall::Input);
    QCOMPARE(inputs.size(), 1u);
    QCOMPARE(inputs[0].text, QStringLiteral("Enter Fiscal Year"));
    QCOMPARE(inputs[0].title, prompt);
    QCOMPARE(f.ui.textsOf(UiCall::Modal), QStringList{window});
    QCOMPARE(title, QStringLiteral("Data for Sample Company for year ") + year);
    QCOMPARE(windowYear, static_cast<std::int16_t>(year.toInt()));
    // The van is in service in 2010 only: the database holds its 2010 row alone.
    if (window == "frmAutoUse")
        QCOMPARE(vanInColumn1, year == "2010");
}

void VehicleMenusTest::form4562AsksWhenTheVehicleDataAreIncomplete_data() {
    QTest::addColumn<int>("useRows"); // of the two vehicles
    QTest::addColumn<int>("answer");  // MsgResult to the question
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("made");
    QTest::newRow("both vehicles' use entered") << 2 << int(MsgResult::Yes) << false << true;
    QTest::newRow("one missing, go on") << 1 << int(MsgResult::Yes) << true << true;
    QTest::newRow("one missing, stop") << 1 << int(MsgResult::No) << true << false;
}

void VehicleMenusTest::form4562AsksWhenTheVehicleDataAreIncomplete() {
    QFETCH(int, useRows);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, made);
    VehicleFixture f;
    const std::int64_t van = addVehicle("Van", 3, 0.9);
    const std::int64_t car = addVehicle("Car", 5, 0.8);
    f.fresh.exec(useRowSql(3, van, "100"));
    if (useRows == 2)
        f.fresh.exec(useRowSql(5, car, "100"));
    PassingSteps steps;
    StepsInUse inUse(steps);
    // The user documents folder is there, so the menu item has nothing to copy and no box to show
    // before the questions.
    std::filesystem::create_directories(userDocumentsFolder());
    f.ui.answerMessage(MsgResult(answer));

    f.choose("mnuForm4562_2", QStringLiteral("2010"));

    QCOMPARE(f.ui.messages().contains("Vehicle data is incomplete. Do you want to continue?"), asked);
    QCOMPARE(steps.made, made);
}

QEL_QTEST_REGISTER(VehicleMenusTest);

} // namespace qel::test
