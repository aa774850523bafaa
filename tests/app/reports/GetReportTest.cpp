// The report prompts through the main window's menus.
#include "tests/app/reports/GetReportTest.h"

#include "app/reports/rules/Form4562Questions.h"
#include "common/ServerError.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QScreen>
#include <QTest>

namespace qel::test {
namespace {

const QColor kRed(255, 0, 0);

// Form 4562's steps with every check failing, and a form that fails with a chosen error. The
// program registers its own steps with the report windows, so the form is no longer "not
// available"; Form4562MenuTest runs those.
class FailingSteps : public reports::Form4562Steps {
public:
    std::int32_t number = 0;
    std::string description;
    QStringList done;

    bool PdfViewerAvailable() override { return false; }
    bool Misc4562OK(std::int16_t, std::int32_t) override { return false; }
    bool Limit179OK(std::int16_t) override { return true; }
    bool LimitAutoOK(std::int16_t) override { return true; }
    bool VehicleUseOk(std::int16_t) override { return true; }
    void MoveYearPdfFiles(int year) override { done << QStringLiteral("templates %1").arg(year); }
    void Do4562Form(std::int16_t year, std::int32_t) override {
        done << QStringLiteral("form %1").arg(year);
        if (number != 0)
            throw ServerError(number, "Display4562", description, ErrorKind::NotAvailable);
    }
};

// Puts the steps in place of the program's for the life of a test.
struct StepsInUse {
    explicit StepsInUse(reports::Form4562Steps& steps) : previous(reports::form4562Steps()) {
        reports::setForm4562Steps(&steps);
    }
    ~StepsInUse() { reports::setForm4562Steps(previous); }
    reports::Form4562Steps* previous;
};

} // namespace

void GetReportTest::yearAnswers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("windows");
    QTest::newRow("a year") << "2010"
                            << "" << 1;
    QTest::newRow("blanks around it") << " 2010 "
                                      << "" << 1;
    QTest::newRow("the lowest year") << "1900"
                                     << " No data found. " << 0;
    QTest::newRow("before 1900") << "1899"
                                 << "Year must be between 1900 and 9999!" << 0;
    QTest::newRow("after 9999") << "10000"
                                << "Year must be between 1900 and 9999!" << 0;
    QTest::newRow("letters") << "abc"
                             << "Year must be numeric!" << 0;
    QTest::newRow("cancelled") << ""
                               << "" << 0;
}

void GetReportTest::yearAnswers() {
    QFETCH(QString, answer);
    QFETCH(QString, status);
    QFETCH(int, windows);
    ReportsFixture f;
    f.choose("mnuAssetWorkSheet", answer);
    QCOMPARE(f.reportWindows().size(), windows);
    QCOMPARE(f.window.statusLabel()->text(), status);
    if (status.startsWith(QLatin1String("Year")))
        QCOMPARE(statusColour(f.window), kRed);
    QCOMPARE(f.ui.messages(), QStringList());
}

// Posted from 201001 through 201006.
void GetReportTest::periodAnswers_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("windows");
    const QString invalid =
        QStringLiteral(" Invalid Period. Please re-enter period in the following format. YYYYMM ");
    const QString notPosted = QStringLiteral(" Depreciation has not been calculated for this period. ");
    QTest::newRow("the last posted period") << "mnuDeprJvDetail"
                                            << "201006"
                                            << "" << 1;
    QTest::newRow("five characters") << "mnuDeprJvDetail"
                                     << "20106" << invalid << 0;
    QTest::newRow("month 13") << "mnuDeprJvDetail"
                              << "201013" << invalid << 0;
    QTest::newRow("letters for the month") << "mnuDeprJvDetail"
                                           << "2010ab" << invalid << 0;
    QTest::newRow("the next period") << "mnuBookAssetLedger"
                                     << "201007" << notPosted << 0;
    QTest::newRow("before the first period") << "mnuJournalEntry"
                                             << "200912" << notPosted << 0;
    QTest::newRow("property tax for any period") << "mnuPropertyTax"
                                                 << "201012"
                                                 << "" << 1;
    QTest::newRow("cancelled") << "mnuDeprJvDetail"
                               << ""
                               << "" << 0;
}

void GetReportTest::periodAnswers() {
    QFETCH(QString, item);
    QFETCH(QString, answer);
    QFETCH(QString, status);
    QFETCH(int, windows);
    ReportsFixture f;
    f.choose(item.toLatin1().constData(), answer);
    QCOMPARE(f.reportWindows().size(), windows);
    QCOMPARE(f.window.statusLabel()->text(), status);
    if (!status.isEmpty())
        QCOMPARE(statusColour(f.window), kRed);
    QCOMPARE(f.ui.messages(), QStringList());
}

// Both prompts stand 800 twips right of and 1000 twips below the main window's corner.
void GetReportTest::thePromptsStandOverTheMainWindow() {
    ReportsFixture f;
    f.window.move(120, 40);
    f.choose("mnuAssetWorkSheet", QString());
    f.choose("mnuDeprJvDetail", QString());
    const QScreen* screen = f.window.screen();
    const QPoint corner = f.window.frameGeometry().topLeft();
    const QPoint expected(corner.x() + qRound(800 * screen->logicalDotsPerInchX() / 1440),
                          corner.y() + qRound(1000 * screen->logicalDotsPerInchY() / 1440));
    const auto prompts = f.ui.callsOf(UiCall::Input);
    QCOMPARE(prompts.size(), 2u);
    for (const UiCall& prompt : prompts)
        QCOMPARE(prompt.at, std::optional<QPoint>(expected));
}

// The tax report choice passes the year it holds: no prompt, the year checked all the same.
void GetReportTest::aBooksReportWithAGivenYearAsksNothing() {
    ReportsFixture f;
    std::int16_t amt = kAmt;
    QString year = QStringLiteral("1850");
    subsystems().reports->GetReport(QStringLiteral("Books 179 WorkSheet"), Variant(0), year, amt);
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), 0u);
    QCOMPARE(f.window.statusLabel()->text(), QStringLiteral("Year must be between 1900 and 9999!"));

    year = QStringLiteral("2010");
    subsystems().reports->GetReport(QStringLiteral("Books 179 WorkSheet"), Variant(0), year, amt);
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), 0u);
    QCOMPARE(f.window.statusLabel()->text(), QStringLiteral(" No data found. "));
}

void GetReportTest::form4562AsksWhatIsMissingAndShowsItsNotices() {
    ReportsFixture f;
    FailingSteps steps;
    StepsInUse inUse(steps);
    steps.number = 13010;
    steps.description = "There are 50 year assets. Print 50 Year Report and include with return.";
    f.choose("mnuForm4562_2", QStringLiteral("2010"));
    const auto boxes = f.ui.callsOf(UiCall::Message);
    QCOMPARE(boxes.size(), 3u);
    QCOMPARE(boxes[0].text, QString::fromStdString(reports::kReaderMissing));
    QCOMPARE(boxes[0].buttons, MsgButtons::YesNo);
    QCOMPARE(boxes[1].text, QString::fromStdString(reports::kMiscMissing));
    QCOMPARE(boxes[2].text, QString::fromStdString(steps.description));
    QCOMPARE(boxes[2].title, QString());
    QCOMPARE(steps.done, (QStringList{"templates 2010", "form 2010"}));

    // A missing template: its description under "4562 Form Error" with the stop icon.
    f.ui.clear();
    steps.done.clear();
    steps.number = static_cast<std::int32_t>(0x8004000D);
    steps.description = "The 4562.Pdf file for year 2013 is missing.";
    f.ui.answerMessage(MsgResult::Yes);
    f.ui.answerMessage(MsgResult::Yes);
    f.choose("mnuForm4562_2", QStringLiteral("2013"));
    const auto missing = f.ui.callsOf(UiCall::Message);
    QCOMPARE(missing.size(), 3u);
    QCOMPARE(missing[2].title, QStringLiteral("4562 Form Error"));
    QCOMPARE(missing[2].icon, MsgIcon::Critical);
    QCOMPARE(steps.done, QStringList{"form 2013"});

    // No to the first question: nothing more is asked or made.
    f.ui.clear();
    steps.done.clear();
    f.ui.answerMessage(MsgResult::No);
    f.choose("mnuForm4562_2", QStringLiteral("2010"));
    QCOMPARE(f.ui.messages().size(), 1);
    QVERIFY(steps.done.isEmpty());
}

void GetReportTest::aFailureOnTheWayIsShownOnce() {
    ReportsFixture f;
    setCurrentCompany(999, QStringLiteral("Nobody"));
    f.choose("mnuDeprJvDetail", QStringLiteral("201006"));
    const QStringList shown = f.ui.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Error in GetReport. ")), qPrintable(shown[0]));
    QVERIFY(f.reportWindows().isEmpty());
}

QEL_QTEST_REGISTER(GetReportTest);

} // namespace qel::test
