// The typed-date check (month/day/year, the Gregorian leap-year rule, the year range) and the
// text routines NoQuote and SelectAllText.
#include "tests/app/shell/DateCheckTest.h"

#include "app/shell/DateCheck.h"
#include "app/shell/TextRoutines.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace qel::test {

void DateCheckTest::typedDates_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("blankAllowed");
    QTest::addColumn<bool>("yearRange");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty, blank allowed") << "" << true << false << true;
    QTest::newRow("empty, blank not allowed") << "" << false << false << false;
    QTest::newRow("a period prompt's date") << "07/01/2012" << true << false << true;
    QTest::newRow("one-digit month and day") << "7/1/2012" << false << false << true;
    QTest::newRow("2/29/2000 (divisible by 400)") << "2/29/2000" << false << false << true;
    QTest::newRow("2/29/2012") << "2/29/2012" << false << false << true;
    QTest::newRow("2/29/1900 (a century)") << "2/29/1900" << false << false << false;
    QTest::newRow("2/29/2100") << "2/29/2100" << false << false << false;
    QTest::newRow("2/29/2011") << "2/29/2011" << false << false << false;
    QTest::newRow("2/28/1900") << "2/28/1900" << false << false << true;
    QTest::newRow("4/31") << "4/31/2012" << false << false << false;
    QTest::newRow("6/31") << "6/31/2012" << false << false << false;
    QTest::newRow("9/31") << "9/31/2012" << false << false << false;
    QTest::newRow("11/31") << "11/31/2012" << false << false << false;
    QTest::newRow("4/30") << "4/30/2012" << false << false << true;
    QTest::newRow("1/32") << "1/32/2012" << false << false << false;
    QTest::newRow("day 0") << "1/0/2012" << false << false << false;
    QTest::newRow("13/1") << "13/1/2012" << false << false << false;
    QTest::newRow("month 0") << "0/1/2012" << false << false << false;
    QTest::newRow("day before month (25/12)") << "25/12/2012" << false << false << false;
    QTest::newRow("two-digit year") << "1/1/12" << false << false << true;
    QTest::newRow("two-digit year with the range") << "1/1/12" << false << true << true;
    QTest::newRow("2/29/00 is 2000") << "2/29/00" << false << false << true;
    QTest::newRow("1901 in range") << "1/1/1901" << false << true << true;
    QTest::newRow("2079 in range") << "12/31/2079" << false << true << true;
    QTest::newRow("1900 out of range") << "12/31/1900" << false << true << false;
    QTest::newRow("2080 out of range") << "1/1/2080" << false << true << false;
    QTest::newRow("1900 without the range") << "12/31/1900" << false << false << true;
    QTest::newRow("2080 without the range") << "1/1/2080" << false << false << true;
    QTest::newRow("dashes") << "1-1-2012" << false << false << false;
    QTest::newRow("dots") << "1.1.2012" << false << false << false;
    QTest::newRow("ISO") << "2012-01-01" << false << false << false;
    QTest::newRow("leading blank") << " 1/1/2012" << false << false << false;
    QTest::newRow("trailing blank") << "1/1/2012 " << false << false << false;
    QTest::newRow("time part") << "1/1/2012 10:00" << false << false << false;
    QTest::newRow("one separator") << "1/2012" << false << false << false;
    QTest::newRow("three separators") << "1/1/20/12" << false << false << false;
    QTest::newRow("no year") << "1/1/" << false << false << false;
    QTest::newRow("a word") << "today" << true << false << false;
    QTest::newRow("five-digit year") << "1/1/20120" << false << false << false;
}

void DateCheckTest::typedDates() {
    QFETCH(QString, value);
    QFETCH(bool, blankAllowed);
    QFETCH(bool, yearRange);
    QFETCH(bool, valid);
    QCOMPARE(IsValidDate(value, blankAllowed, yearRange), valid);
}

void DateCheckTest::noQuoteReplacesEveryApostrophe_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two apostrophes") << "O'Neil's desk"
                                     << "O`Neil`s desk";
    QTest::newRow("none") << "Office desk"
                          << "Office desk";
    QTest::newRow("blanks kept") << " ' "
                                 << " ` ";
    QTest::newRow("empty") << ""
                           << "";
}

void DateCheckTest::noQuoteReplacesEveryApostrophe() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(NoQuote(text), expected);
}

void DateCheckTest::selectAllTextSelectsTheFocusedBox() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit("1,250.00");
    auto* second = new QLineEdit("Desk");
    layout->addWidget(first);
    layout->addWidget(second);
    selectAllOnFocus(*second);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window, kEventWaitMs));

    first->setFocus();
    first->setCursorPosition(2);
    SelectAllText();
    QCOMPARE(first->selectedText(), QStringLiteral("1,250.00"));

    // A box that selects on focus does so also when a click gives it the focus.
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, second->height() / 2));
    QEL_TRY_COMPARE(second->selectedText(), QStringLiteral("Desk"));
}

QEL_QTEST_REGISTER(DateCheckTest);

} // namespace qel::test
