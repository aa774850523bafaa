// The asset form's field rules as the user meets them, on the form opened from the main window's
// "Assets" item: the numeric key filter (typing and pasting), the amount echo, the method, class,
// life and business percent rules, the bonus boxes, the vehicle number, the in-service month,
// the picker's year filter, and the marking of every edit.
#include "tests/app/assets/AssetFieldRulesTest.h"

#include "app/assets/AssetPicker.h"
#include "app/assets/BooksPanel.h"
#include "tests/app/assets/AssetEntryData.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/app/assets/UserTyping.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlack(0, 0, 0);

// Adds a class of the method: its life, vehicle type ("N/A", "Gas", ...) and amortization number.
void addClassOf(const FreshDatabase& db, int method, const std::string& description, const std::string& life,
                const std::string& vehicle = "N/A", const std::string& amortize = "") {
    db.exec(
        "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #], ID_acct) "
        "VALUES (" +
        std::to_string(method) + ", '" + description + "', '" + life + "', '" + vehicle + "', '" + amortize +
        "', 0)");
}

// The fixture's classes: two MACRS buildings of 27.5 and 20 years, a MACRS desk, a listed car.
void addClasses(const FreshDatabase& db) {
    addClassOf(db, kMacrs, "Rental building", "27.5");
    addClassOf(db, kMacrs, "Farm building", "20");
    addClassOf(db, kMacrs, "Desk", "7");
    addClassOf(db, kListed, "Car", "5", "Gas");
    addClassOf(db, kAmortize, "Goodwill", "15", "N/A", "197");
}

QColor textColour(const QWidget& w) {
    return w.palette().color(QPalette::WindowText);
}

bool bonusOn(const assets::FrmAsset& form) {
    return form.chkBonus->isEnabled() && form.chk50Bonus->isEnabled() && form.chk100Bonus->isEnabled();
}

bool bonusOff(const assets::FrmAsset& form) {
    return !form.chkBonus->isEnabled() && !form.chk50Bonus->isEnabled() && !form.chk100Bonus->isEnabled();
}

// A MACRS asset of 10000 on the open form.
void enterMacrs(assets::FrmAsset& form) {
    choose(form.cboMethod, "MACRS");
    moveTo(form.cboClass);
    type(form.txtCost, "10000");
    moveTo(form.cboMethod);
}

} // namespace

void AssetFieldRulesTest::numberFieldsDropWhatIsNoNumber() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));

    type(form.txtCost, "12a.5");
    QCOMPARE(form.txtCost->text(), QStringLiteral("12.5"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(1));
    QTest::keyClick(form.txtCost, Qt::Key_Minus);
    QCOMPARE(form.txtCost->text(), QStringLiteral("12.5"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(2));

    // A paste goes through the same check: with a character the filter drops it is refused.
    QApplication::clipboard()->setText(QStringLiteral("1,250"));
    form.txtCost->selectAll();
    QTest::keyClick(form.txtCost, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.txtCost->text(), QStringLiteral("12.5"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(3));
    form.txtCost->selectAll();
    form.txtCost->paste(); // the context menu's Paste
    QCOMPARE(form.txtCost->text(), QStringLiteral("12.5"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(4));
    QApplication::clipboard()->setText(QStringLiteral("1250"));
    form.txtCost->selectAll();
    QTest::keyClick(form.txtCost, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.txtCost->text(), QStringLiteral("1250"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(4));

    // The life list, which the user may type into, and the business percent filter the same way.
    type(form.cboLife, "2x7.5");
    QCOMPARE(form.cboLife->currentText(), QStringLiteral("27.5"));
    type(form.txtBusinessPercent, "7%5");
    QCOMPARE(form.txtBusinessPercent->text(), QStringLiteral("75"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(6));
    // Text boxes of words take anything.
    type(form.txtDescription, "Desk-1, oak");
    QCOMPARE(form.txtDescription->text(), QStringLiteral("Desk-1, oak"));
    QCOMPARE(f.shell.ui.beeps(), std::size_t(6));
}

void AssetFieldRulesTest::amountsEchoOnTheStatusLine() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));

    type(form.txtCost, "1000");
    QCOMPARE(f.status(), QStringLiteral("1,000"));
    QCOMPARE(statusColour(*f.main), kGreen);
    QVERIFY(form.flags.assetChanged);
    QVERIFY(form.cmdSave->isEnabled());
    type(form.txtCost, "0");
    QCOMPARE(f.status(), QString());
    QTest::keyClick(form.txtCost, Qt::Key_Backspace);
    QCOMPARE(f.status(), QString());
    type(form.txtDispositionAmt, "123456789");
    QCOMPARE(f.status(), QStringLiteral("123,456,789"));
    type(form.txtOtherDeductions, "2500.5");
    QCOMPARE(f.status(), QStringLiteral("2,501"));
}

void AssetFieldRulesTest::methodSwitchesTheFields_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<bool>("section179"); // the 179 box ticked, its amount on
    QTest::addColumn<bool>("lifeOn");     // the life list usable
    QTest::addColumn<bool>("amortizeOn"); // the amortization code box usable
    QTest::addColumn<QString>("convention");
    QTest::addColumn<QString>("life");
    QTest::addColumn<QString>("bookLife");
    QTest::addColumn<int>("classes");
    QTest::newRow("MACRS") << "MACRS" << true << true << false << "Half Year"
                           << ""
                           << "" << 3;
    QTest::newRow("Listed") << "Listed" << true << false << false << "Half Year"
                            << ""
                            << "" << 1;
    QTest::newRow("ADS") << "ADS" << false << true << false << "Half Year"
                         << ""
                         << "" << 0;
    QTest::newRow("StraightLine") << "S/L" << false << true << false << ""
                                  << ""
                                  << "" << 0;
    QTest::newRow("Amortize") << "Amortize" << false << true << true << ""
                              << ""
                              << "" << 1;
    QTest::newRow("NonDepr") << "Non-Depr" << false << true << false << ""
                             << "0"
                             << "0" << 0;
}

void AssetFieldRulesTest::methodSwitchesTheFields() {
    QFETCH(QString, method);
    QFETCH(bool, section179);
    QFETCH(bool, lifeOn);
    QFETCH(bool, amortizeOn);
    QFETCH(QString, convention);
    QFETCH(QString, life);
    QFETCH(QString, bookLife);
    QFETCH(int, classes);
    AssetsFixture f;
    addClasses(f.shell.fresh);
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    form.chkBonus->click();
    type(form.txt179Amt, "500");

    choose(form.cboMethod, method);
    moveTo(form.cboClass);
    QCOMPARE(form.focusWidget(), form.cboClass); // the rule leaves the focus where it went
    QCOMPARE(form.chk179->isChecked(), section179);
    QCOMPARE(form.txt179Amt->isEnabled(), section179);
    QCOMPARE(form.txt179Amt->text(), section179 ? QStringLiteral("500") : QString());
    QCOMPARE(form.txt179Amt->palette().color(QPalette::Base),
             section179 ? QColor(255, 255, 255) : QColor(224, 224, 224));
    QCOMPARE(bonusOn(form), section179);
    QCOMPARE(bonusOff(form), !section179);
    QVERIFY(form.chkBonus->isChecked()); // switched off by a method, a bonus box keeps its tick
    QCOMPARE(form.cboLife->isEnabled(), lifeOn);
    QCOMPARE(form.txtAmorizeCode->isEnabled(), amortizeOn);
    QCOMPARE(form.cboConvention->currentText(), convention);
    QCOMPARE(form.cboLife->currentText(), life);
    QCOMPARE(form.txtBookLife->text(), bookLife);
    QCOMPARE(form.cboClass->count(), classes);
    QVERIFY(form.cboClass->isEnabled());
    QVERIFY(form.flags.assetChanged);
}

void AssetFieldRulesTest::classLifeChoosesConventionAndDeductions_data() {
    QTest::addColumn<QString>("klass");
    QTest::addColumn<bool>("section179");
    QTest::addColumn<QString>("convention");
    QTest::addColumn<QString>("life");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Life27_5") << "Rental building" << false << "Mid Month"
                              << "27.5"
                              << "S/L";
    QTest::newRow("Life20") << "Farm building" << true << "Half Year"
                            << "20"
                            << "150 DB";
}

void AssetFieldRulesTest::classLifeChoosesConventionAndDeductions() {
    QFETCH(QString, klass);
    QFETCH(bool, section179);
    QFETCH(QString, convention);
    QFETCH(QString, life);
    QFETCH(QString, caption);
    AssetsFixture f;
    addClasses(f.shell.fresh);
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    enterMacrs(form);
    moveTo(form.cboClass);
    form.chk50Bonus->click();
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("5000"));

    choose(form.cboClass, klass);
    moveTo(form.cboLife);
    QCOMPARE(form.cboConvention->currentText(), convention);
    QCOMPARE(form.chk179->isChecked(), section179);
    QCOMPARE(form.txt179Amt->isEnabled(), section179);
    QCOMPARE(bonusOn(form), section179);
    QCOMPARE(bonusOff(form), !section179);
    // Switched off by a class, the bonus boxes lose their ticks and the allowance goes.
    QCOMPARE(form.chk50Bonus->isChecked(), section179);
    QCOMPARE(form.lbl30Allowance->text(), section179 ? QStringLiteral("5000") : QString());
    QCOMPARE(form.lblCostBasis->text(), section179 ? QStringLiteral("5000") : QStringLiteral("10000"));
    QCOMPARE(form.cboLife->currentText(), life);
    QCOMPARE(form.cboLife->currentIndex(), form.cboLife->findText(life));
    QCOMPARE(form.lblShowMethod->text(), caption);
    QCOMPARE(form.lblAutoNum->text(), QString());
}

void AssetFieldRulesTest::leavingTheLifeList_data() {
    QTest::addColumn<QString>("how"); // how the user passes through the life list
    QTest::addColumn<QString>("life");
    QTest::addColumn<bool>("classKept");
    QTest::addColumn<bool>("section179");
    QTest::addColumn<QString>("convention");
    QTest::addColumn<QString>("caption");
    // The class fills the life with its own 7 years: passing it by leaves the class chosen.
    QTest::newRow("TabbedPast") << "tab"
                                << "7" << true << true << "Half Year"
                                << "200 DB";
    QTest::newRow("BacktabbedInThenTabbedOut") << "backtab"
                                               << "7" << true << true << "Half Year"
                                               << "200 DB";
    QTest::newRow("CursorMovedInIt") << "cursor"
                                     << "7" << true << true << "Half Year"
                                     << "200 DB";
    QTest::newRow("ClassLifeTypedAgain") << "type"
                                         << "7" << true << true << "Half Year"
                                         << "200 DB";
    // Another life, typed or chosen, replaces the class's. A typed life allows section 179 and
    // bonus below 21 years, a class's life below 26.
    QTest::newRow("TypedTwenty") << "type"
                                 << "20" << false << true << "Half Year"
                                 << "150 DB";
    QTest::newRow("TypedTwentyFive") << "type"
                                     << "25" << false << false << "Half Year"
                                     << "S/L";
    QTest::newRow("TypedTwentySevenAndAHalf") << "type"
                                              << "27.5" << false << false << "Mid Month"
                                              << "S/L";
    QTest::newRow("OtherLifeChosen") << "choose"
                                     << "5" << false << true << "Half Year"
                                     << "200 DB";
}

void AssetFieldRulesTest::leavingTheLifeList() {
    QFETCH(QString, how);
    QFETCH(QString, life);
    QFETCH(bool, classKept);
    QFETCH(bool, section179);
    QFETCH(QString, convention);
    QFETCH(QString, caption);
    AssetsFixture f;
    addClasses(f.shell.fresh);
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    enterMacrs(form);
    choose(form.cboClass, "Desk");
    QTest::keyClick(form.cboClass, Qt::Key_Tab);
    QCOMPARE(form.focusWidget(), form.cboLife);
    QCOMPARE(form.cboLife->currentText(), QStringLiteral("7"));

    if (how == "backtab") {
        // Shift is still held when the focus arrives, so its release is the life list's.
        QTest::keyClick(form.cboLife, Qt::Key_Tab);
        QTest::keyPress(form.txtBusinessPercent, Qt::Key_Shift);
        QTest::keyClick(form.txtBusinessPercent, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(form.focusWidget(), form.cboLife);
        QTest::keyRelease(form.cboLife, Qt::Key_Shift);
    } else if (how == "cursor") {
        QTest::keyClick(form.cboLife, Qt::Key_Home);
        QTest::keyClick(form.cboLife, Qt::Key_End);
    } else if (how == "type") {
        type(form.cboLife, life);
        // A life typed for MACRS replaces the class's as it is typed.
        QCOMPARE(form.cboClass->currentIndex() >= 0, classKept);
    } else if (how == "choose") {
        choose(form.cboLife, life);
    }
    QTest::keyClick(form.cboLife, Qt::Key_Tab);
    QCOMPARE(form.focusWidget(), form.txtBusinessPercent);

    QCOMPARE(form.cboLife->currentText(), life);
    QCOMPARE(form.cboClass->currentIndex() >= 0, classKept);
    QCOMPARE(form.snapshot().classId != 0, classKept); // what the save stores
    QCOMPARE(form.cboConvention->currentText(), convention);
    QCOMPARE(form.chk179->isChecked(), section179);
    QCOMPARE(bonusOn(form), section179);
    QCOMPARE(form.lblShowMethod->text(), caption);
}

void AssetFieldRulesTest::passingThroughTheMethod_data() {
    QTest::addColumn<QString>("how"); // how the user passes through the method list
    QTest::addColumn<QString>("method");
    QTest::addColumn<bool>("kept"); // class and life as they were
    QTest::addColumn<QString>("convention");
    // The rental building's 27.5 years gave it Mid Month.
    QTest::newRow("TabbedFromCostToClass") << "tab"
                                           << "MACRS" << true << "Mid Month";
    QTest::newRow("BacktabbedFromClassToCost") << "backtab"
                                               << "MACRS" << true << "Mid Month";
    QTest::newRow("ClickedAway") << "click"
                                 << "MACRS" << true << "Mid Month";
    // A choice in the list, even of the same method, empties the class and life for new ones,
    // and the convention is the method's own.
    QTest::newRow("SameMethodChosenAgain") << "choose"
                                           << "MACRS" << false << "Half Year";
    QTest::newRow("OtherMethodChosen") << "choose"
                                       << "ADS" << false << "Half Year";
}

void AssetFieldRulesTest::passingThroughTheMethod() {
    QFETCH(QString, how);
    QFETCH(QString, method);
    QFETCH(bool, kept);
    QFETCH(QString, convention);
    AssetsFixture f;
    addClasses(f.shell.fresh);
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
    enterMacrs(form);
    choose(form.cboClass, "Rental building");
    QTest::keyClick(form.cboClass, Qt::Key_Tab);
    QTest::keyClick(form.cboLife, Qt::Key_Tab);
    QCOMPARE(form.cboLife->currentText(), QStringLiteral("27.5"));
    QCOMPARE(form.cboConvention->currentText(), QStringLiteral("Mid Month"));

    if (how == "backtab") {
        form.cboClass->setFocus();
        QTest::keyClick(form.cboClass, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(form.focusWidget(), form.cboMethod);
        QTest::keyClick(form.cboMethod, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(form.focusWidget(), form.txtCost);
    } else {
        form.txtCost->setFocus();
        QTest::keyClick(form.txtCost, Qt::Key_Tab);
        QCOMPARE(form.focusWidget(), form.cboMethod);
        if (how == "tab") {
            QTest::keyClick(form.cboMethod, Qt::Key_Tab);
            QCOMPARE(form.focusWidget(), form.cboClass);
        } else if (how == "click") {
            moveTo(form.txtDescription);
        } else {
            choose(form.cboMethod, method);
            moveTo(form.cboClass);
        }
    }

    QCOMPARE(form.cboMethod->currentText(), method);
    QCOMPARE(form.cboClass->currentText().startsWith(QStringLiteral("Rental building")), kept);
    QCOMPARE(form.cboLife->currentText() == QStringLiteral("27.5"), kept);
    QCOMPARE(form.snapshot().classId != 0, kept); // what the save stores
    QCOMPARE(form.cboConvention->currentText(), convention);
    // The class list holds the method's classes either way.
    if (method == QLatin1String("MACRS"))
        QCOMPARE(form.cboClass->count(), 3);
}

void AssetFieldRulesTest::businessPercentAtHalfFallsBackToStraightLine_data() {
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("section179");
    QTest::addColumn<QString>("allowance");
    QTest::addColumn<QString>("basis");
    QTest::newRow("Fifty") << "50"
                           << "If Business Percent is 50% or less. ADS will be used instead of MACRS."
                           << "S/L" << false << ""
                           << "5000";
    QTest::newRow("FiftyOne") << "51"
                              << ""
                              << "200 DB" << true << "2550"
                              << "2550";
}

void AssetFieldRulesTest::businessPercentAtHalfFallsBackToStraightLine() {
    QFETCH(QString, percent);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(bool, section179);
    QFETCH(QString, allowance);
    QFETCH(QString, basis);
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    enterMacrs(form);
    choose(form.cboLife, "7");
    form.chk50Bonus->click();

    type(form.txtBusinessPercent, percent);
    moveTo(form.cboConvention);
    QCOMPARE(f.status(), message);
    QCOMPARE(statusColour(*f.main), kGreen);
    QCOMPARE(form.lblShowMethod->text(), caption);
    QCOMPARE(form.chk179->isChecked(), section179);
    QCOMPARE(form.txt179Amt->isEnabled(), section179);
    QCOMPARE(bonusOn(form), section179);
    QCOMPARE(form.chk50Bonus->isChecked(), section179);
    QCOMPARE(form.lbl30Allowance->text(), allowance);
    QCOMPARE(form.lblCostBasis->text(), basis);
}

void AssetFieldRulesTest::realPropertyTypedInTabOrderStaysStraightLine_data() {
    QTest::addColumn<QString>("life");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("section179");
    QTest::newRow("Building39") << "39"
                                << "S/L" << false;
    QTest::newRow("Rental27.5") << "27.5"
                                << "S/L" << false;
    QTest::newRow("Building31.5") << "31.5"
                                  << "S/L" << false;
    QTest::newRow("Desk7") << "7"
                           << "200 DB" << true;
}

void AssetFieldRulesTest::realPropertyTypedInTabOrderStaysStraightLine() {
    QFETCH(QString, life);
    QFETCH(QString, caption);
    QFETCH(bool, section179);
    AssetsFixture f(storageWork());
    const Arranged a = arrange(f.shell.fresh, false, false, false);
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));

    // In tab order: cost, method, class (none), life, business percent, convention.
    type(form.txtDescription, "Office building");
    type(form.txtCost, "500000");
    choose(form.cboMethod, "MACRS");
    moveTo(form.cboClass);
    type(form.cboLife, life);
    type(form.txtBusinessPercent, "100");
    moveTo(form.cboConvention);
    QCOMPARE(form.lblShowMethod->text(), caption);
    QCOMPARE(form.chk179->isChecked(), section179);
    QCOMPARE(bonusOn(form), section179);

    type(form.txtBookCost, "500000");
    type(form.txtBookLife, "39");
    chooseData(*form.cboAccounts, a.account);
    form.cmdSave->click();
    QCOMPARE(form.txtDescription->text(), QString());
    const Recordset stored = f.shell.fresh.conn().query(
        "SELECT actual_method, Type_179 FROM tblAssets WHERE Asset_name = 'Office building'");
    QCOMPARE(stored.RecordCount(), std::size_t(1));
    QCOMPARE(QString::fromStdString(stored[0].toString()), caption);
    QCOMPARE(stored[1].toBool(), section179);
}

void AssetFieldRulesTest::bonusBoxesExcludeEachOther() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    enterMacrs(form);

    form.chkBonus->click();
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("3000"));
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("7000"));
    form.chk50Bonus->click();
    QVERIFY(!form.chkBonus->isChecked());
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("5000"));
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("5000"));
    form.chk100Bonus->click();
    QVERIFY(!form.chk50Bonus->isChecked());
    QVERIFY(!form.chkBonus->isChecked());
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("10000"));
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("0"));
    form.chk100Bonus->click();
    QCOMPARE(form.lbl30Allowance->text(), QString());
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("10000"));

    // A section 179 amount beyond the business cost: no allowance, a negative basis in red.
    form.chk50Bonus->click();
    type(form.txt179Amt, "12000");
    moveTo(form.txtOtherDeductions);
    QCOMPARE(form.lbl30Allowance->text(), QStringLiteral("0"));
    QCOMPARE(form.lblCostBasis->text(), QStringLiteral("-2000"));
    QCOMPARE(textColour(*form.lblCostBasis), kRed);
}

void AssetFieldRulesTest::vehicleClassGetsTheNextNumber() {
    AssetsFixture f;
    addClasses(f.shell.fresh);
    addAsset({.name = "Van", .company = 1, .method = kMacrs, .vehicle = 4});
    const std::int32_t other = addCompany("Other");
    addAsset({.name = "Bus", .company = other, .method = kMacrs, .vehicle = 9});
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));

    choose(form.cboMethod, "Listed");
    moveTo(form.cboClass);
    QVERIFY(!form.cboLife->isEnabled());
    choose(form.cboClass, "Car");
    moveTo(form.txtBusinessPercent);
    QCOMPARE(form.lblAutoNum->text(), QStringLiteral("5"));
    QCOMPARE(form.cboLife->currentText(), QStringLiteral("5"));
    QCOMPARE(form.lblShowMethod->text(), QStringLiteral("200 DB"));

    // A shown number stays, when the class is chosen again and when the month is left.
    addAsset({.name = "Truck", .company = 1, .method = kMacrs, .vehicle = 7});
    choose(form.cboClass, "Car");
    moveTo(form.txtInService);
    moveTo(form.txtTagNbr);
    QCOMPARE(form.lblAutoNum->text(), QStringLiteral("5"));

    // A class that is no vehicle takes the number away.
    choose(form.cboMethod, "MACRS");
    moveTo(form.cboClass);
    choose(form.cboClass, "Desk");
    moveTo(form.cboLife);
    QCOMPARE(form.lblAutoNum->text(), QString());

    // The amortization code comes with an amortized class.
    choose(form.cboMethod, "Amortize");
    moveTo(form.cboClass);
    choose(form.cboClass, "Goodwill");
    moveTo(form.cboLife);
    QCOMPARE(form.txtAmorizeCode->text(), QStringLiteral("197"));
}

void AssetFieldRulesTest::inServiceMonthMustBeAMonth() {
    AssetsFixture f;
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));

    form.txtInService->setFocus();
    QCOMPARE(form.txtInService->selectedText(), form.txtInService->text());
    QTest::keyClick(form.txtInService, Qt::Key_Delete);
    QCOMPARE(form.txtInService->displayText(), QStringLiteral("__/____"));
    moveTo(form.txtTagNbr);
    QCOMPARE(f.status(), QStringLiteral("Invalid date"));
    QCOMPARE(statusColour(*f.main), kRed);
    QCOMPARE(textColour(*form.lblInService), kRed);
    QCOMPARE(form.focusWidget(), form.txtTagNbr); // the focus moves on all the same

    type(form.txtInService, "13/2025");
    moveTo(form.txtTagNbr);
    QCOMPARE(textColour(*form.lblInService), kRed);
    type(form.txtInService, "07/2025");
    QCOMPARE(f.status(), QString());
    moveTo(form.txtTagNbr);
    QCOMPARE(textColour(*form.lblInService), kBlack);
}

void AssetFieldRulesTest::yearFilterAndAssetNumber() {
    AssetsFixture f;
    addAsset({.name = "Desk", .company = 1, .method = kMacrs, .fiscalStart = "2003-05-01"});
    addAsset({.name = "Chair", .company = 1, .method = kMacrs, .fiscalStart = "2004-05-01"});
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    QCOMPARE(form.cboAssets->count(), 2);

    type(form.txtYear, "200");
    moveTo(form.cboAssets);
    QCOMPARE(f.status(), QStringLiteral("Invalid year."));
    QCOMPARE(statusColour(*f.main), kRed);
    QCOMPARE(form.txtYear->palette().color(QPalette::Text), kRed);
    QCOMPARE(form.cboAssets->count(), 2); // the picker keeps its list

    type(form.txtYear, "2004");
    moveTo(form.cboAssets);
    QCOMPARE(f.status(), QString());
    QCOMPARE(form.txtYear->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(form.cboAssets->count(), 1);
    QCOMPARE(form.cboAssets->itemText(0), QStringLiteral("Chair"));
    type(form.txtYear, "");
    QTest::keyClick(form.txtYear, Qt::Key_Backspace);
    moveTo(form.cboAssets);
    QCOMPARE(form.cboAssets->count(), 2); // no year: every year

    // A typed asset number drops the picked asset and the year; typing a year drops the number.
    form.cboAssets->setCurrentIndex(0);
    form.txtYear->setText("2004");
    type(form.txtAssetID, "7");
    QCOMPARE(form.cboAssets->currentIndex(), -1);
    QCOMPARE(form.txtYear->text(), QString());
    QTest::keyClick(form.txtYear, Qt::Key_Backspace);
    QCOMPARE(form.txtAssetID->text(), QStringLiteral("7"));
    type(form.txtYear, "2");
    QCOMPARE(form.txtAssetID->text(), QString());
    QVERIFY(!form.flags.assetChanged); // searching is no edit of the asset
}

void AssetFieldRulesTest::everyEditMarksTheAssetChanged_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how"); // "type", "paste", "click" or "down" (the arrow key in a closed list)
    QTest::addColumn<bool>("descriptionOnly");
    QTest::newRow("StateCost") << "txtStateCost"
                               << "type" << false;
    QTest::newRow("OtherLife") << "txtOtherLife"
                               << "type" << false;
    QTest::newRow("OtherMethodByKeyboard") << "cboOtherMethod"
                                           << "down" << false;
    QTest::newRow("AmtBonusByKeyboard") << "cboAmtBonus"
                                        << "down" << false;
    QTest::newRow("AccountByKeyboard") << "cboAccounts"
                                       << "down" << false;
    QTest::newRow("ConventionByKeyboard") << "cboConvention"
                                          << "down" << false;
    QTest::newRow("AmortizeCode") << "txtAmorizeCode"
                                  << "type" << false;
    QTest::newRow("NotesPasted") << "txtNotes"
                                 << "paste" << false;
    QTest::newRow("BookCost") << "txtBookCost"
                              << "type" << false;
    QTest::newRow("TagNumber") << "txtTagNbr"
                               << "type" << true;
    QTest::newRow("LocationByKeyboard") << "cboLocations"
                                        << "down" << false;
    QTest::newRow("CopyToTheBooks") << "cmdCopy"
                                    << "click" << false;
}

void AssetFieldRulesTest::everyEditMarksTheAssetChanged() {
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(bool, descriptionOnly);
    AssetsFixture f;
    f.shell.fresh.exec(
        "UPDATE tblCompany SET [AMT Book] = 1, [State Book] = 1, [Other Book] = 1 WHERE id = 1");
    f.shell.fresh.exec(
        "INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('Main', 'Main hall')");
    assets::FrmAsset& form = f.open();
    QVERIFY(QTest::qWaitForWindowActive(f.main.get(), kEventWaitMs));
    QWidget* w = form.findChild<QWidget*>(field);
    QVERIFY(w);
    QVERIFY(w->isEnabled());
    QVERIFY(!form.cmdSave->isEnabled());

    if (how == "type") {
        type(w, "12");
    } else if (how == "paste") {
        QApplication::clipboard()->setText(QStringLiteral("Checked in May"));
        w->setFocus();
        qobject_cast<QLineEdit*>(w)->paste();
    } else if (how == "click") {
        QTest::mouseClick(w, Qt::LeftButton);
    } else {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Down);
        QVERIFY(qobject_cast<QComboBox*>(w)->currentIndex() >= 0);
    }
    QCOMPARE(form.flags.assetChanged, !descriptionOnly);
    QCOMPARE(form.flags.descriptionChanged, descriptionOnly || field == "cboLocations");
    QVERIFY(form.cmdSave->isEnabled());
    f.shell.ui.answerMessage(MsgResult::Cancel);
    form.cmdNew->click();
    QCOMPARE(f.shell.ui.messages(), QStringList{"Save Changes?"});
}

QEL_QTEST_REGISTER(AssetFieldRulesTest);

} // namespace qel::test
