// The vehicle use window on a database copy with the sample company's vehicles.
#include "tests/app/vehicles/AutoUseWindowTest.h"

#include "app/vehicles/FrmAutoUse.h"
#include "tests/app/vehicles/VehicleFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace qel::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 128, 0);

// The asset numbers of the three vehicles of columns 1 to 3: Van (vehicle 3), Car (5), Truck (6).
struct Fleet {
    std::int64_t van, car, truck;
};

Fleet addFleet() {
    return {addVehicle("Van", 3, 0.9), addVehicle("Car", 5, 0.8), addVehicle("Truck", 6, 0.7)};
}

// A window of the fixture's year, shown.
struct OpenWindow {
    explicit OpenWindow(VehicleFixture& f) : w(kVehicleYear, &f.main) { w.show(); }
    FrmAutoUse w;
};

// Fills a column's three mileages and its three answers as the user does.
void fill(FrmAutoUse& w, int column, const QString& business, const QString& commuting,
          const QString& personal, std::optional<bool> offDuty = true, bool owner = false,
          bool another = true) {
    const int i = column - 1;
    type(w.txtBusiness[i], business);
    type(w.txtCommuting[i], commuting);
    type(w.txtPersonal[i], personal);
    if (offDuty)
        w.OptOffDuty[i][*offDuty ? 0 : 1]->click();
    w.Opt5Owner[i][owner ? 0 : 1]->click();
    w.optAnother[i][another ? 0 : 1]->click();
}

QStringList redNames(const QList<QLabel*>& labels) {
    QStringList out;
    for (const QLabel* l : labels)
        if (textColour(l) == kRed)
            out << l->objectName();
    return out;
}

QList<QLabel*> captionsAndHeadings(const FrmAutoUse& w) {
    QList<QLabel*> out = {w.lblBusiness1, w.lblBusiness2, w.lblBusiness3, w.lblCommute,
                          w.lblPersonal,  w.lblOffDuty,   w.lbl5Owner,    w.lblAnother};
    for (QLabel* heading : w.lblVehicle)
        out << heading;
    return out;
}

} // namespace

void AutoUseWindowTest::sevenVehiclesFillSixColumns() {
    VehicleFixture f;
    // The least business use comes last, after the six others by their numbers.
    std::vector<std::int64_t> assets;
    for (int v = 1; v <= 7; ++v)
        assets.push_back(addVehicle("Car " + std::to_string(v), v, v == 1 ? 0.1 : 0.5));
    f.fresh.exec(useRowSql(1, assets[0], "111"));
    f.fresh.exec(useRowSql(2, assets[1], "222"));
    OpenWindow open(f);
    FrmAutoUse& w = open.w;

    QCOMPARE(w.lblTitle->text(), QStringLiteral("Data for Sample Company for year 2010"));
    QList<int> numbers;
    for (const VehicleColumn& c : w.vehicles())
        numbers << c.vehicleNumber;
    QCOMPARE(numbers, (QList<int>{2, 3, 4, 5, 6, 7}));
    for (int i = 0; i < 6; ++i) {
        QVERIFY(w.txtBusiness[i]->isEnabled());
        QCOMPARE(w.lblVehicle[i]->text(), QStringLiteral("Vehicle %1").arg(i + 1));
    }
    QCOMPARE(w.txtBusiness[0]->text(), QStringLiteral("222"));
    for (int i = 1; i < 6; ++i)
        QCOMPARE(w.txtBusiness[i]->text(), QString());
    QVERIFY(!w.FormDirty());
}

void AutoUseWindowTest::aYearWithoutVehiclesDisablesEveryColumn() {
    VehicleFixture f;
    addVehicle("Other company's van", 1, 0.9, addCompany("Other"));
    OpenWindow open(f);
    FrmAutoUse& w = open.w;

    QCOMPARE(w.lblTitle->text(), QStringLiteral("Data for Sample Company for year 2010"));
    for (int i = 0; i < 6; ++i) {
        for (const QLineEdit* box : {w.txtBusiness[i], w.txtCommuting[i], w.txtPersonal[i]}) {
            QVERIFY(!box->isEnabled());
            QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
        }
        for (const AnswerPair* pair : {&w.OptOffDuty[i], &w.Opt5Owner[i], &w.optAnother[i]})
            QVERIFY(!(*pair)[0]->isEnabled() && !(*pair)[1]->isEnabled());
    }
}

void AutoUseWindowTest::aVehicleWithoutDescriptionHasItsColumnDisabled() {
    VehicleFixture f;
    addFleet();
    f.fresh.exec("UPDATE tblAssets SET Asset_name = NULL WHERE vehicle_num = 5");
    OpenWindow open(f);
    FrmAutoUse& w = open.w;

    QVERIFY(w.txtBusiness[0]->isEnabled());
    QVERIFY(!w.txtBusiness[1]->isEnabled());
    QVERIFY(!w.OptOffDuty[1][0]->isEnabled());
    QVERIFY(w.txtBusiness[2]->isEnabled());
    QCOMPARE(w.vehicles()[1].description, std::string("N/A"));
    QCOMPARE(w.vehicles()[2].vehicleNumber, 6);
}

void AutoUseWindowTest::openingFocusesTheVehiclesColumn_data() {
    QTest::addColumn<int>("vehicle");
    // The column whose business miles take the focus; without a column to focus, the window's
    // first box has it, as in any window.
    QTest::addColumn<int>("column");
    QTest::newRow("the vehicle of column 3") << 6 << 3;
    QTest::newRow("the vehicle of column 2") << 5 << 2;
    QTest::newRow("vehicle 0") << 0 << 1;
    QTest::newRow("a negative number") << -3 << 1;
    QTest::newRow("a number no column holds") << 4 << 1;
}

void AutoUseWindowTest::openingFocusesTheVehiclesColumn() {
    QFETCH(int, vehicle);
    QFETCH(int, column);
    VehicleFixture f;
    addFleet();
    QWidget* focused = nullptr;
    QWidget* expected = nullptr;
    QString description;
    f.whenOpen<FrmAutoUse>("frmAutoUse", [&](FrmAutoUse& w) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w, kEventWaitMs));
        focused = w.focusWidget();
        expected = w.txtBusiness[column - 1];
        description = w.lblAutoDesc->text() + "|" + w.lblDescription->text();
    });

    DoAutoUseForm(kVehicleYear, static_cast<std::int16_t>(vehicle));

    QCOMPARE(f.ui.textsOf(UiCall::Modal), QStringList{"frmAutoUse"});
    QCOMPARE(focused, expected);
    const QStringList names = {"", "Van", "Car", "Truck"};
    QCOMPARE(description, QStringLiteral("Vehicle %1 Description|%2").arg(column).arg(names[column]));
}

void AutoUseWindowTest::leavingABoxTotalsTheColumn_data() {
    QTest::addColumn<QString>("before"); // the total shown before
    QTest::addColumn<QStringList>("miles");
    QTest::addColumn<QString>("total");
    QTest::newRow("an empty box counts 0") << "" << QStringList{"100", "50", ""} << "150";
    QTest::newRow("three zeros show nothing") << "" << QStringList{"0", "0", "0"} << "";
    QTest::newRow("three zeros keep the earlier total") << "40" << QStringList{"0", "0", "0"} << "40";
    QTest::newRow("below one keeps the label") << "" << QStringList{"0.4", "0", "0"} << "";
    QTest::newRow("a half goes to the even 2") << "" << QStringList{"1.5", "1", "0"} << "2";
    QTest::newRow("a half goes to the even 4") << "" << QStringList{"1.5", "2", "0"} << "4";
}

void AutoUseWindowTest::leavingABoxTotalsTheColumn() {
    QFETCH(QString, before);
    QFETCH(QStringList, miles);
    QFETCH(QString, total);
    VehicleFixture f;
    addFleet();
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    w.lblTotal[1]->setText(before);
    type(w.txtBusiness[1], miles[0]);
    type(w.txtCommuting[1], miles[1]);
    type(w.txtPersonal[1], miles[2]);
    // Typing alone totals nothing.
    QCOMPARE(w.lblTotal[1]->text(), before);

    leave(w.txtCommuting[1]);

    QCOMPARE(w.lblTotal[1]->text(), total);
    QCOMPARE(w.lblTotal[0]->text(), QString());
}

void AutoUseWindowTest::theKeyFilterKeepsDigitsAndThePoint() {
    VehicleFixture f;
    addFleet();
    OpenWindow open(f);
    FrmAutoUse& w = open.w;

    type(w.txtBusiness[0], "1a-2,.5 x");
    type(w.txtAutoNum, "x3-");

    QCOMPARE(w.txtBusiness[0]->text(), QStringLiteral("12.5"));
    QCOMPARE(w.txtAutoNum->text(), QStringLiteral("3"));
    // Each refused character beeps: a, -, the comma, the blank and x, then x and -.
    QCOMPARE(f.ui.beeps(), std::size_t(7));
    QVERIFY(w.VehicleChanged(1));
    QVERIFY(!w.VehicleChanged(2));
    QVERIFY(w.FormDirty());
    type(w.txtPersonal[2], "12345678");
    QCOMPARE(w.txtPersonal[2]->text(), QStringLiteral("1234567"));
}

void AutoUseWindowTest::everyEditMarksTheColumn() {
    VehicleFixture f;
    const Fleet fleet = addFleet();
    f.fresh.exec(useRowSql(3, fleet.van, "1200"));
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    QVERIFY(!w.VehicleChanged(1) && !w.FormDirty());

    // A deletion counts as an edit, so that it is saved like a typed digit.
    w.txtBusiness[0]->end(false);
    QTest::keyClick(w.txtBusiness[0], Qt::Key_Backspace);
    QCOMPARE(w.txtBusiness[0]->text(), QStringLiteral("120"));
    QVERIFY(w.VehicleChanged(1));
    QVERIFY(w.FormDirty());

    // So does pasted text.
    QApplication::clipboard()->setText(QStringLiteral("77"));
    QTest::keyClick(w.txtBusiness[1], Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.txtBusiness[1]->text(), QStringLiteral("77"));
    QVERIFY(w.VehicleChanged(2));

    // Only the user's own edits and answers count.
    QVERIFY(!w.VehicleChanged(3));
    w.optAnother[2][1]->click();
    QVERIFY(w.VehicleChanged(3));
}

void AutoUseWindowTest::releasingAKeyEchoesTheBox_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("echo");
    QTest::newRow("seven digits") << "1234567"
                                  << "1,234,567";
    QTest::newRow("zero clears the line") << "0"
                                          << "";
    QTest::newRow("a point alone shows as it is") << "."
                                                  << ".";
}

void AutoUseWindowTest::releasingAKeyEchoesTheBox() {
    QFETCH(QString, keys);
    QFETCH(QString, echo);
    VehicleFixture f;
    addFleet();
    OpenWindow open(f);
    DisplayMsg(QStringLiteral("before"));

    type(open.w.txtCommuting[2], keys);

    QCOMPARE(f.status(), echo);
    if (!echo.isEmpty())
        QCOMPARE(f.statusColour(), QColor(0, 0, 255));
}

void AutoUseWindowTest::storedUseLoadsWithItsAnswers() {
    VehicleFixture f;
    const Fleet fleet = addFleet();
    f.fresh.exec(useRowSql(5, fleet.car, "1200"));
    f.fresh.exec("UPDATE tblAutoUse SET [Another Car Available] = NULL");
    OpenWindow open(f);
    FrmAutoUse& w = open.w;

    QCOMPARE(w.txtBusiness[1]->text(), QStringLiteral("1200"));
    QCOMPARE(w.txtCommuting[1]->text(), QStringLiteral("200"));
    QCOMPARE(w.txtPersonal[1]->text(), QStringLiteral("100"));
    QCOMPARE(w.lblTotal[1]->text(), QStringLiteral("1500"));
    QVERIFY(w.OptOffDuty[1][0]->isChecked());
    QVERIFY(w.Opt5Owner[1][1]->isChecked());
    QVERIFY(w.optAnother[1][1]->isChecked());
    QVERIFY(!w.OptOffDuty[0][0]->isChecked() && !w.OptOffDuty[0][1]->isChecked());
    QVERIFY(!w.VehicleChanged(2));
    QVERIFY(!w.FormDirty());

    // Nothing to save: Cancel closes without a question.
    w.cmdCancel->click();
    QVERIFY(!w.isVisible());
    QVERIFY(f.ui.messages().isEmpty());
    QVERIFY(w.cancelled());
}

void AutoUseWindowTest::saveChecksTheChangedColumnsInOrder() {
    VehicleFixture f;
    addFleet();
    addVehicle("Bus", 7, 0.6);
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    fill(w, 1, "", "200", "100");
    fill(w, 4, "", "10", "10");

    w.cmdSave->click();

    QCOMPARE(f.ui.messages().value(0).left(33), QStringLiteral("Please, recalculate the deprecati"));
    QCOMPARE(f.ui.calls().front().title, QStringLiteral("Recalculate Auto Depreciation"));
    QCOMPARE(f.status(), QStringLiteral(" Business miles missing!  Business miles missing! "));
    QCOMPARE(f.statusColour(), kRed);
    QCOMPARE(redNames(captionsAndHeadings(w)),
             (QStringList{"lblBusiness1", "lblBusiness2", "lblBusiness3", "lblVehicle1", "lblVehicle4"}));
    QCOMPARE(w.focusWidget(), w.txtBusiness[3]);
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), 0);
    QVERIFY(w.FormDirty());

    // The next check starts from black labels.
    type(w.txtBusiness[0], "5");
    type(w.txtBusiness[3], "5");
    w.cmdSave->click();
    QCOMPARE(redNames(captionsAndHeadings(w)), QStringList());
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), 2);
}

void AutoUseWindowTest::aMissingAnswerIsNamedAndMovesNoFocus() {
    VehicleFixture f;
    addFleet();
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    fill(w, 2, "10", "20", "30", std::nullopt);
    w.txtAutoNum->setFocus();

    w.cmdSave->click();

    QCOMPARE(f.status(), QStringLiteral(" Off duty answer is missing! "));
    QCOMPARE(redNames(captionsAndHeadings(w)), (QStringList{"lblOffDuty", "lblVehicle2"}));
    QCOMPARE(w.focusWidget(), w.txtAutoNum);
}

void AutoUseWindowTest::saveStoresEachChangedColumn() {
    VehicleFixture f;
    const Fleet fleet = addFleet();
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    fill(w, 1, "900", "200", "100", true, false, true);
    fill(w, 2, "1", "2", "0", false, true, false);

    w.cmdSave->click();

    QCOMPARE(f.ui.messages().size(), 1);
    QCOMPARE(f.status(), QStringLiteral(" Vehicle Data has been updated. "));
    QCOMPARE(f.statusColour(), kGreen);
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), 2);
    QCOMPARE(
        f.text("SELECT bpercent || ' ' || asset_id || ' ' || [Available Personal Use off Hours] || "
               "[Driver 5 percent Owner] || [Another Car Available] FROM tblAutoUse WHERE [Vehicle #] = 3"),
        QStringLiteral("0.75 %1 101").arg(fleet.van));
    QCOMPARE(
        f.text("SELECT bpercent || ' ' || asset_id || ' ' || [Available Personal Use off Hours] || "
               "[Driver 5 percent Owner] || [Another Car Available] FROM tblAutoUse WHERE [Vehicle #] = 5"),
        QStringLiteral("0.33 %1 010").arg(fleet.car));
    QVERIFY(!w.FormDirty());
    QVERIFY(!w.VehicleChanged(1) && !w.VehicleChanged(2));

    w.cmdSave->click();
    QCOMPARE(f.status(), QStringLiteral("There is nothing to save."));
    QCOMPARE(f.statusColour(), kGreen);
    QVERIFY(w.isVisible());
}

void AutoUseWindowTest::aRefusedSaveStoresNothingAndKeepsTheEdits() {
    VehicleFixture f;
    addFleet();
    f.fresh.exec("CREATE TRIGGER refuse BEFORE INSERT ON tblAutoUse WHEN NEW.[Vehicle #] = 5"
                 " BEGIN SELECT RAISE(ABORT, 'vehicle 5 refused'); END");
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    fill(w, 1, "900", "200", "100");
    fill(w, 2, "1", "2", "0");

    w.cmdSave->click();

    const QString error = f.ui.messages().value(1);
    QVERIFY2(error.startsWith("Error in AddAutoUse. ") && error.contains("vehicle 5 refused") &&
                 error.endsWith(" -2147352571"),
             qPrintable(error));
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), 0);
    QVERIFY(w.FormDirty());
    QVERIFY(w.VehicleChanged(1) && w.VehicleChanged(2));
    QVERIFY(w.isVisible());
}

void AutoUseWindowTest::closingWithUnsavedEditsAsks_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("answer"); // MsgResult
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("cancelled");
    const int yes = int(MsgResult::Yes), no = int(MsgResult::No), cancel = int(MsgResult::Cancel);
    QTest::newRow("Cancel button, Cancel keeps the edits")
        << "button" << true << cancel << false << 0 << false;
    QTest::newRow("Cancel button, No drops them") << "button" << true << no << true << 0 << true;
    QTest::newRow("Cancel button, Yes saves them") << "button" << true << yes << true << 1 << true;
    QTest::newRow("Cancel button, Yes with a failed check stays")
        << "button" << false << yes << false << 0 << false;
    QTest::newRow("Esc, Cancel") << "esc" << true << cancel << false << 0 << false;
    QTest::newRow("Esc, No") << "esc" << true << no << true << 0 << true;
    QTest::newRow("title bar, Cancel") << "title" << true << cancel << false << 0 << false;
    QTest::newRow("title bar, No") << "title" << true << no << true << 0 << false;
    QTest::newRow("title bar, Yes") << "title" << true << yes << true << 1 << false;
}

void AutoUseWindowTest::closingWithUnsavedEditsAsks() {
    QFETCH(QString, how);
    QFETCH(bool, complete);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(int, stored);
    QFETCH(bool, cancelled);
    VehicleFixture f;
    addFleet();
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    fill(w, 1, "900", "200", complete ? "100" : "");
    f.ui.answerMessage(MsgResult(answer));

    closeBy(w, w.cmdCancel, how);

    QCOMPARE(f.ui.callsOf(UiCall::Message).front().text, QStringLiteral("Save Changes?"));
    QCOMPARE(f.ui.callsOf(UiCall::Message).front().buttons, MsgButtons::YesNoCancel);
    QCOMPARE(!w.isVisible(), closed);
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), stored);
    QCOMPARE(w.cancelled(), cancelled);
    if (!closed)
        QCOMPARE(w.txtBusiness[0]->text(), QStringLiteral("900"));
}

void AutoUseWindowTest::deleteRemovesTheColumnsUseAndLoadsAfresh() {
    VehicleFixture f;
    const Fleet fleet = addFleet();
    f.fresh.exec(useRowSql(3, fleet.van, "1200"));
    f.fresh.exec(useRowSql(5, fleet.car, "800"));
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    type(w.txtAutoNum, "2");

    w.cmdDelete->click();

    const UiCall question = f.ui.callsOf(UiCall::Message).front();
    QCOMPARE(question.text, QStringLiteral("Do you want to delete Vehicle 2 Use?"));
    QCOMPARE(question.title, QStringLiteral("Delete Vehicle Use"));
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.defaultAnswer, MsgResult::No); // Enter keeps the use
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse WHERE [Vehicle #] = 5"), 0);
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse WHERE [Vehicle #] = 3"), 1);
    QVERIFY(w.isVisible());
    QCOMPARE(w.txtBusiness[0]->text(), QStringLiteral("1200"));
    QCOMPARE(w.txtBusiness[1]->text(), QString());
    QCOMPARE(w.lblTotal[1]->text(), QString());
    QVERIFY(!w.OptOffDuty[1][0]->isChecked());
    QCOMPARE(w.txtAutoNum->text(), QString());
}

void AutoUseWindowTest::deleteOfANumberWithoutColumnIsRefusedAfterTheQuestion_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("question");
    QTest::newRow("nine") << "9"
                          << "Do you want to delete Vehicle 9 Use?";
    QTest::newRow("empty") << ""
                           << "Do you want to delete Vehicle 0 Use?";
    QTest::newRow("a half to the even 0") << "0.5"
                                          << "Do you want to delete Vehicle 0 Use?";
}

void AutoUseWindowTest::deleteOfANumberWithoutColumnIsRefusedAfterTheQuestion() {
    QFETCH(QString, typed);
    QFETCH(QString, question);
    VehicleFixture f;
    const Fleet fleet = addFleet();
    f.fresh.exec(useRowSql(3, fleet.van, "1200"));
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    type(w.txtAutoNum, typed);

    w.cmdDelete->click();

    QCOMPARE(f.ui.messages(), QStringList{question});
    QCOMPARE(f.status(), QStringLiteral("Invalid Vehicle Id."));
    QCOMPARE(f.statusColour(), kRed);
    QCOMPARE(textColour(w.lblRemove), kRed);
    QCOMPARE(w.focusWidget(), w.txtAutoNum);
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), 1);

    // No to the question changes nothing.
    DisplayMsg(QString());
    f.ui.answerMessage(MsgResult::No);
    w.cmdDelete->click();
    QCOMPARE(f.status(), QString());
}

void AutoUseWindowTest::deleteAsksToSaveTheOtherEditsFirst() {
    VehicleFixture f;
    const Fleet fleet = addFleet();
    f.fresh.exec(useRowSql(5, fleet.car, "800"));
    OpenWindow open(f);
    FrmAutoUse& w = open.w;
    fill(w, 3, "40", "30", "30");
    type(w.txtAutoNum, "2");

    // Cancel to "Save Changes?" stops the delete and keeps the edits.
    f.ui.answerMessage(MsgResult::Yes);
    f.ui.answerMessage(MsgResult::Cancel);
    w.cmdDelete->click();
    QCOMPARE(f.ui.messages(), (QStringList{"Do you want to delete Vehicle 2 Use?", "Save Changes?"}));
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse"), 1);
    QCOMPARE(w.txtBusiness[2]->text(), QStringLiteral("40"));
    QVERIFY(w.FormDirty());

    // Yes saves them, then the delete goes on and the window shows what is stored.
    f.ui.clear();
    w.cmdDelete->click();
    QCOMPARE(f.ui.messages(), (QStringList{"Do you want to delete Vehicle 2 Use?", "Save Changes?"}));
    QCOMPARE(f.count("SELECT count(*) FROM tblAutoUse WHERE [Vehicle #] = 5"), 0);
    QCOMPARE(f.text("SELECT bpercent FROM tblAutoUse WHERE [Vehicle #] = 6"), QStringLiteral("0.4"));
    QCOMPARE(w.txtBusiness[2]->text(), QStringLiteral("40"));
    QVERIFY(!w.FormDirty());
}

void AutoUseWindowTest::editsDroppedAtCloseAreForgottenAtTheNextOpening() {
    VehicleFixture f;
    addFleet();
    {
        OpenWindow open(f);
        type(open.w.txtBusiness[0], "5");
        f.ui.answerMessage(MsgResult::No);
        open.w.cmdCancel->click();
        QVERIFY(!open.w.isVisible());
    }
    OpenWindow again(f);

    QVERIFY(!again.w.VehicleChanged(1));
    again.w.cmdSave->click();
    QCOMPARE(f.status(), QStringLiteral("There is nothing to save."));
}

void AutoUseWindowTest::everyTextFits() {
    VehicleFixture f;
    addFleet();
    OpenWindow open(f);
    open.w.txtBusiness[0]->setFocus();
    const QStringList cutOff = cutOffTexts(open.w);
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(", ")));
}

QEL_QTEST_REGISTER(AutoUseWindowTest);

} // namespace qel::test
