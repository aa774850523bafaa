// The schedule buttons: Tax opens the chosen book's schedule when there is a basis; Book writes
// the financial book's straight-line schedule from the fiscal in-service month and opens it; both
// refuse with their status-line messages. The report windows are a fake that records the call.
#include "tests/app/assets/ScheduleButtonsTest.h"

#include "tests/app/assets/AssetsFixture.h"
#include "tests/app/shell/FakeSubsystems.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel::test {
namespace {

// The asset form with the fake report windows registered and asset 17 shown, for company 1 or
// the one `company` gives once the database is there.
struct ScheduleFixture : AssetsFixture {
    explicit ScheduleFixture(const std::function<std::int32_t()>& company = {}) {
        if (company)
            setCurrentCompany(company(), QStringLiteral("Company"));
        subsystems().reports = &reports;
        form = &open();
        form->setAssetId("17");
        form->txtDescription->setText("Desk");
    }
    FakeSubsystems reports;
    assets::FrmAsset* form;
};

} // namespace

void ScheduleButtonsTest::schedulesWaitForAnAssetAndTheReports() {
    {
        AssetsFixture f;
        assets::FrmAsset& form = f.open();
        form.setAssetId("17");
        QVERIFY(!form.cmdDeprSchedule->isEnabled()); // no report windows in this program
    }
    ScheduleFixture f;
    for (const QWidget* w : std::initializer_list<const QWidget*>{f.form->cmdDeprSchedule,
                                                                  f.form->cmdBookSchedule, f.form->cboBooks})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!f.form->cmdPrint->isEnabled()); // printing is not registered here
    f.form->setAssetId(QString());
    QVERIFY(!f.form->cmdDeprSchedule->isEnabled());
    QVERIFY(!f.form->cboBooks->isEnabled());
}

void ScheduleButtonsTest::taxScheduleNeedsABookAndABasis() {
    ScheduleFixture f;
    f.form->lblCostBasis->setText("500");
    f.form->cmdDeprSchedule->click();
    QCOMPARE(f.status(), QStringLiteral("Please choose a book."));
    QCOMPARE(statusColour(*f.main), QColor(255, 0, 0));

    f.form->cboBooks->setCurrentIndex(f.form->cboBooks->findText("AMT"));
    f.form->lblCostBasis->setText("0");
    f.form->cmdDeprSchedule->click();
    QCOMPARE(f.status(), QStringLiteral("There is no depreciation. The cost basis is zero."));
    QCOMPARE(statusColour(*f.main), QColor(0, 128, 0));
    QVERIFY(f.reports.log.isEmpty());

    f.form->lblCostBasis->setText("500");
    f.form->cmdDeprSchedule->click();
    QCOMPARE(f.reports.log, QStringList{"DoReports(Tax Depreciation Schedule,17,Desk,3)"});
}

void ScheduleButtonsTest::choosingABookClearsTheRequestForOne_data() {
    QTest::addColumn<QString>("shown");   // the status line before the book is chosen
    QTest::addColumn<QString>("remains"); // and after
    QTest::newRow("TheRequestGoes") << "Please choose a book."
                                    << "";
    QTest::newRow("AnotherMessageStays") << "There is no depreciation. The cost basis is zero."
                                         << "There is no depreciation. The cost basis is zero.";
}

void ScheduleButtonsTest::choosingABookClearsTheRequestForOne() {
    QFETCH(QString, shown);
    QFETCH(QString, remains);
    ScheduleFixture f;
    f.form->lblCostBasis->setText(shown.startsWith("Please") ? "500" : "0");
    if (!shown.startsWith("Please"))
        f.form->cboBooks->setCurrentIndex(f.form->cboBooks->findText("AMT"));
    f.form->cmdDeprSchedule->click();
    QCOMPARE(f.status(), shown);
    f.form->cboBooks->setFocus();
    QTest::keyClick(f.form->cboBooks, Qt::Key_Down);
    QVERIFY(f.form->cboBooks->currentIndex() >= 0);
    QCOMPARE(f.status(), remains);
}

// A company whose fiscal year ends in June: September 2003 is the third month of fiscal 2004, so
// the first year takes ten twelfths of cost over life.
void ScheduleButtonsTest::bookScheduleDatesByTheFiscalMonth() {
    ScheduleFixture f([] { return addCompany("June", 6); });
    f.form->txtBookCost->setText("1200");
    f.form->txtBookLife->setText("5");
    f.form->txtInService->setText("09/2003");
    f.form->cmdBookSchedule->click();
    QCOMPARE(f.reports.log, QStringList{"DoReports(Book Depreciation Schedule,17,Desk,0)"});
    QCOMPARE(f.shell.fresh.value("SELECT txtfield1 FROM txtMisc ORDER BY txtfield1 LIMIT 1").toString(),
             "2004");
    QCOMPARE(f.shell.fresh.value("SELECT numField1 FROM txtMisc ORDER BY txtfield1 LIMIT 1").toDouble(),
             200.0);
}

void ScheduleButtonsTest::bookScheduleRefusals_data() {
    QTest::addColumn<QString>("bookCost");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("message");
    QTest::newRow("NoBookCost") << ""
                                << "S/L"
                                << "There is no depreciation. The Book Cost is zero.";
    // The cost test comes first.
    QTest::newRow("NonDeprWithoutCost") << "0"
                                        << "Non-Depr"
                                        << "There is no depreciation. The Book Cost is zero.";
    QTest::newRow("NonDepr") << "1200"
                             << "Non-Depr"
                             << "No data found.";
}

void ScheduleButtonsTest::bookScheduleRefusals() {
    QFETCH(QString, bookCost);
    QFETCH(QString, method);
    QFETCH(QString, message);
    ScheduleFixture f;
    f.form->txtBookCost->setText(bookCost);
    f.form->txtBookLife->setText("5");
    f.form->cboMethod->setCurrentIndex(f.form->cboMethod->findText(method));
    f.form->cmdBookSchedule->click();
    QCOMPARE(f.status(), message);
    QVERIFY(f.reports.log.isEmpty());
}

void ScheduleButtonsTest::bookScheduleStopsWithoutAFiscalYearEnd() {
    ScheduleFixture f([] { return 999; }); // no such company
    f.form->txtBookCost->setText("1200");
    f.form->txtBookLife->setText("5");
    f.form->cmdBookSchedule->click();
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY2(
        f.shell.ui.messages()[0].startsWith("Error in Book Schedule The company 999 is not in the company "
                                            "list"),
        qPrintable(f.shell.ui.messages()[0]));
    QVERIFY(f.reports.log.isEmpty());
}

QEL_QTEST_REGISTER(ScheduleButtonsTest);

} // namespace qel::test
