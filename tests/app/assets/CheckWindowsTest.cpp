// The section 179 summary frm179data and the mid-quarter test frmMidQtr as the user opens them:
// the asset form's Chk 179 and Chk Convention buttons, the fiscal year typed into the input box,
// the windows shown modally over a fixture company's assets and Form 4562 data.
#include "tests/app/assets/CheckWindowsTest.h"

#include "app/assets/Frm179Data.h"
#include "app/assets/FrmMidQtr.h"
#include "app/shell/ChildWindows.h"
#include "tests/app/assets/AssetsFixture.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace qel::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

QColor textColour(const QWidget& w) {
    return w.palette().color(QPalette::WindowText);
}

// A MACRS asset of seven years placed in service on the fiscal date, all business use.
void addMacrs(double cost, const std::string& fiscalStart, double life = 7) {
    addAsset({.name = "Machine",
              .company = 1,
              .method = kMacrs,
              .cost = cost,
              .business = 1,
              .fiscalStart = fiscalStart,
              .life = life});
}

// What frm179data showed, label by label.
struct Shown179 {
    QString frame, limit, threshold, assets, carryover, income, adjusted, elected, remaining;
    QColor remainingColour;
};

} // namespace

void CheckWindowsTest::section179Summary_data() {
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("incomeLimit");
    QTest::addColumn<bool>("withAssets");
    QTest::addColumn<QString>("adjusted");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<bool>("over");
    QTest::newRow("WithinTheLimit") << 800000.0 << 0.0 << true << "$230,000"
                                    << "$30,000" << false;
    QTest::newRow("OverTheIncomeLimit") << 800000.0 << 100000.0 << true << "$100,000"
                                        << "-$100,000" << true;
    QTest::newRow("NoSection179Assets") << 800000.0 << 0.0 << false << "$250,000"
                                        << "$250,000" << false;
    QTest::newRow("ThresholdZero") << 0.0 << 0.0 << true << ""
                                   << "" << false;
}

void CheckWindowsTest::section179Summary() {
    QFETCH(double, threshold);
    QFETCH(double, incomeLimit);
    QFETCH(bool, withAssets);
    QFETCH(QString, adjusted);
    QFETCH(QString, remaining);
    QFETCH(bool, over);
    AssetsFixture f(assets::assetFormWork());
    f.shell.fresh.exec(
        "INSERT INTO tblMax179 ([Year], [Maximum Amount], [Threshold Cost]) VALUES (2030, 250000, " +
        std::to_string(threshold) + ")");
    f.shell.fresh.exec(
        "INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover], [179 Income Limit]) "
        "VALUES (1, 2030, 0, " +
        std::to_string(incomeLimit) + ")");
    if (withAssets) {
        addAsset({.name = "Press",
                  .company = 1,
                  .method = kMacrs,
                  .cost = 820000,
                  .section179 = 200000,
                  .business = 1,
                  .type179 = true,
                  .fiscalStart = "2030-05-01"});
        // Sold in the year: not counted.
        addAsset({.name = "Lathe",
                  .company = 1,
                  .method = kMacrs,
                  .cost = 5000,
                  .section179 = 5000,
                  .type179 = true,
                  .fiscalStart = "2030-02-01",
                  .sold = "2030-09-01"});
    }
    assets::FrmAsset& form = f.open();
    Shown179 shown;
    f.shell.ui.onModal("frm179data", [&](QDialog& d) {
        const auto& w = static_cast<const assets::Frm179Data&>(d);
        shown = {w.fra179->title(),
                 w.lbl179Limit->text(),
                 w.lbl179ThresholdCost->text(),
                 w.lbltotalAssetValue->text(),
                 w.lbl179Carryover->text(),
                 w.lblIncomeLimit->text(),
                 w.lblAdjusted179->text(),
                 w.lbl179Total->text(),
                 w.lblRemaining179->text(),
                 textColour(*w.lblRemaining179)};
        QCOMPARE(w.windowTitle(), QStringLiteral("Section179 Data"));
    });
    f.shell.ui.answerInput("2030");

    form.cmd179->click();
    QCOMPARE(f.shell.ui.textsOf(UiCall::Modal), QStringList{"frm179data"});
    QCOMPARE(shown.frame, QStringLiteral("179 Deduction for 2030"));
    QCOMPARE(shown.limit, QStringLiteral("$250,000"));
    QCOMPARE(shown.threshold, threshold == 0 ? QStringLiteral("$0") : QStringLiteral("$800,000"));
    QCOMPARE(shown.assets, withAssets ? QStringLiteral("$820,000") : QStringLiteral("$0"));
    QCOMPARE(shown.carryover, QStringLiteral("$0"));
    QCOMPARE(shown.income, incomeLimit == 0 ? QStringLiteral("$0") : QStringLiteral("$100,000"));
    QCOMPARE(shown.elected, withAssets ? QStringLiteral("$200,000") : QStringLiteral("$0"));
    QCOMPARE(shown.adjusted, adjusted);
    QCOMPARE(shown.remaining, remaining);
    QCOMPARE(shown.remainingColour, over ? kRed : kGreen);
    QCOMPARE(f.status(), over ? QStringLiteral("The Net 179 total is over the limit.") : QString());
    if (over)
        QCOMPARE(statusColour(*f.main), kRed);
    QVERIFY(f.shell.ui.messages().isEmpty());
}

void CheckWindowsTest::section179WithoutLimitsOpensNothing() {
    AssetsFixture f(assets::assetFormWork());
    assets::FrmAsset& form = f.open();
    f.shell.ui.answerInput("2031");
    form.cmd179->click();
    QCOMPARE(f.shell.ui.messages(),
             QStringList{"179 rates missing for year 2031. Please input the data before continuing."});
    QVERIFY(f.shell.ui.callsOf(UiCall::Modal).empty());
}

void CheckWindowsTest::section179ForTheFormsYear() {
    AssetsFixture f(assets::assetFormWork());
    assets::FrmAsset& form = f.open();
    QString frame, limit;
    f.shell.ui.onModal("frm179data", [&](QDialog& d) {
        const auto& w = static_cast<const assets::Frm179Data&>(d);
        frame = w.fra179->title();
        limit = w.lbl179Limit->text();
    });
    // Year 0 is the form's tax year: the year of its in-service month, 03/2025.
    f.shell.ui.answerInput("0");
    form.cmd179->click();
    QCOMPARE(frame, QStringLiteral("179 Deduction for 0"));
    QCOMPARE(limit, QStringLiteral("$2,500,000"));
}

void CheckWindowsTest::aYearOutsideItsRangeIsRefused_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("Overflows") << "1e400";
    QTest::newRow("FiveDigits") << "99999";
    QTest::newRow("NoNumber") << "abc";
    QTest::newRow("Before1900") << "1899";
}

void CheckWindowsTest::aYearOutsideItsRangeIsRefused() {
    QFETCH(QString, answer);
    AssetsFixture f(assets::assetFormWork());
    assets::FrmAsset& form = f.open();
    for (QPushButton* check : {form.cmd179, form.cmdMidConvention}) {
        f.shell.ui.answerInput(answer);
        check->click();
        QCOMPARE(f.status(), "Year '" + answer + "' must be a number from 1900 to 9999. ");
        QCOMPARE(statusColour(*f.main), kRed);
    }
    QVERIFY(f.shell.ui.callsOf(UiCall::Modal).empty());
    QVERIFY(f.shell.ui.messages().isEmpty());
}

void CheckWindowsTest::midQuarterVerdict_data() {
    QTest::addColumn<double>("firstQuarters");
    QTest::addColumn<double>("lastQuarter");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("fourth");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<bool>("required");
    QTest::newRow("NothingPlaced") << 0.0 << 0.0 << "$0"
                                   << "$0"
                                   << "0.0 %" << false;
    QTest::newRow("FortyPercentIsNotAbove") << 60000.0 << 40000.0 << "$100,000"
                                            << "$40,000"
                                            << "40.0 %" << false;
    QTest::newRow("JustAbove") << 59999.0 << 40001.0 << "$100,000"
                               << "$40,001"
                               << "40.0 %" << true;
}

void CheckWindowsTest::midQuarterVerdict() {
    QFETCH(double, firstQuarters);
    QFETCH(double, lastQuarter);
    QFETCH(QString, total);
    QFETCH(QString, fourth);
    QFETCH(QString, percent);
    QFETCH(bool, required);
    AssetsFixture f(assets::assetFormWork());
    if (firstQuarters > 0)
        addMacrs(firstQuarters, "2030-03-01");
    if (lastQuarter > 0)
        addMacrs(lastQuarter, "2030-11-01");
    // A building of 39 years counts in neither sum.
    addMacrs(500000, "2030-12-01", 39);
    assets::FrmAsset& form = f.open();
    QString title, shownTotal, shownFourth, shownPercent, verdict;
    QColor verdictColour, percentColour;
    f.shell.ui.onModal("frmMidQtr", [&](QDialog& d) {
        const auto& w = static_cast<const assets::FrmMidQtr&>(d);
        title = w.windowTitle();
        shownTotal = w.lblTotalCost->text();
        shownFourth = w.lbl4thQtrCost->text();
        shownPercent = w.lbl4thQtrPercent->text();
        verdict = w.lblWarning->text();
        verdictColour = textColour(*w.lblWarning);
        percentColour = textColour(*w.lbl4thQtrPercent);
    });
    f.shell.ui.answerInput("2030");

    form.cmdMidConvention->click();
    QCOMPARE(f.shell.ui.textsOf(UiCall::Modal), QStringList{"frmMidQtr"});
    QCOMPARE(title, QStringLiteral("Mid Qtr Convention Check for 2030"));
    QCOMPARE(shownTotal, total);
    QCOMPARE(shownFourth, fourth);
    QCOMPARE(shownPercent, percent);
    QCOMPARE(verdict, required ? QStringLiteral("Mid Qtr Convention is required.")
                               : QStringLiteral("Mid Qtr Convention is not needed."));
    QCOMPARE(verdictColour, required ? kRed : kGreen);
    QCOMPARE(percentColour, verdictColour);
    QVERIFY(f.shell.ui.messages().isEmpty());
}

void CheckWindowsTest::theProgramGivesTheFormItsChecks() {
    ShellFixture shell;
    SubsystemParts parts;
    registerAssets(parts);
    setCurrentCompany(1, QStringLiteral("Sample Company"));
    MdiMain main;
    main.show();
    main.menuItem("mnuAssetMaint")->trigger();
    const QMdiSubWindow* window = main.childWindows().find("frmAsset");
    QVERIFY(window);
    const auto* form = qobject_cast<const assets::FrmAsset*>(window->widget());
    QVERIFY(form->cmd179->isEnabled());
    QVERIFY(form->cmdMidConvention->isEnabled());
}

QEL_QTEST_REGISTER(CheckWindowsTest);

} // namespace qel::test
