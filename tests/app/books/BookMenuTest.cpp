// The Book menu's items as a user reaches them: the books subsystem registered as main() does,
// the real main window, a company of a database copy; and the range window "Book Depreciation for
// a Range" with its checks, its run over the periods and its failure.
#include "tests/app/books/BookMenuTest.h"

#include "app/books/Books.h"
#include "app/books/FrmBookDeprRange.h"
#include "tests/app/books/BookFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

namespace qel::test {

QEL_QTEST_REGISTER(BookMenuTest);

namespace {

const char* kBookItems[] = {"mnuDoMthDepr", "mnuBookDeprRange", "mnuDisplayPeriod", "mnuDeleteDepr"};

// The program as main() builds it, with the books subsystem, on the fixture's company.
struct BookProgram {
    explicit BookProgram(BookFixture& f, bool chooseCompany = true) {
        registerBooks(parts);
        if (chooseCompany)
            setCurrentCompany(f.company, QStringLiteral("Books Co"));
        else
            setCurrentCompany(0, QString());
        window = std::make_unique<MdiMain>();
    }
    ~BookProgram() { window.reset(); }

    void run(const char* item) const {
        QAction* action = window->menuItem(item);
        QVERIFY2(action && action->isEnabled(), item);
        action->trigger();
    }
    QString status() const { return window->statusLabel()->text(); }

    SubsystemParts parts;
    std::unique_ptr<MdiMain> window;
};

// Runs the range window from its menu item; `fill` types into it and presses its buttons.
void runRange(BookProgram& p, BookFixture& f, const std::function<void(FrmBookDeprRange&)>& fill) {
    f.ui.onModal("frmBookDeprRange", [&](QDialog& d) { fill(dynamic_cast<FrmBookDeprRange&>(d)); });
    p.run("mnuBookDeprRange");
}

} // namespace

void BookMenuTest::theBookItemsNeedACompany() {
    BookFixture f;
    {
        BookProgram p(f, false);
        for (const char* item : kBookItems)
            QVERIFY2(!p.window->menuItem(item)->isEnabled(), item);
        setCurrentCompany(f.company, QStringLiteral("Books Co"));
        for (const char* item : kBookItems)
            QVERIFY2(p.window->menuItem(item)->isEnabled(), item);
    }
}

void BookMenuTest::theBookItemsRunTheirCommands() {
    BookFixture f;
    BookProgram p(f);
    p.run("mnuDisplayPeriod");
    QCOMPARE(p.status(), QStringLiteral("201203"));

    p.run("mnuDoMthDepr");
    QCOMPARE(f.ui.messages().last(), QStringLiteral("Calculate Depreciation for period 201203?"));
    QCOMPARE(p.status(), QStringLiteral("Book Depreciation calculated successfully."));
    QCOMPARE(f.posted(), QStringLiteral("201203"));

    p.run("mnuDeleteDepr");
    QCOMPARE(f.ui.messages().last(), QStringLiteral("Delete Depreciation for the last period?"));
    QCOMPARE(p.status(), QStringLiteral("Last period depreciation was deleted"));
    QCOMPARE(f.posted(), QString());

    p.run("mnuDeleteDepr");
    QCOMPARE(p.status(), QStringLiteral("No period is posted: there is no depreciation to delete."));
    QCOMPARE(statusColour(*p.window), QColor(255, 0, 0));

    runRange(p, f, [](FrmBookDeprRange& d) {
        d.mskEnd->setText("2012-05");
        d.cmdOk->click();
    });
    QCOMPARE(f.posted(), QStringLiteral("201203 201204 201205"));
}

void BookMenuTest::aRangePostsEveryPeriodInOrder_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("posted");
    QTest::addColumn<QString>("progress");
    QTest::newRow("one period") << "2012-03"
                                << "201203"
                                << "Posting period 1 of 1: 201203";
    QTest::newRow("twelve periods across the year")
        << "2013-02"
        << "201203 201204 201205 201206 201207 201208 201209 201210 201211 201212 201301 201302"
        << "Posting period 12 of 12: 201302";
}

void BookMenuTest::aRangePostsEveryPeriodInOrder() {
    QFETCH(QString, end);
    QFETCH(QString, posted);
    QFETCH(QString, progress);
    BookFixture f;
    BookProgram p(f);
    bool accepted = false;
    runRange(p, f, [&](FrmBookDeprRange& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Book Depreciation for a Range"));
        QCOMPARE(d.mskStart->displayText(), QStringLiteral("2012-03"));
        QVERIFY(!d.mskStart->isEnabled());
        QCOMPARE(d.mskEnd->displayText(), QStringLiteral("____-__"));
        d.mskEnd->setText(end);
        d.cmdOk->click();
        QVERIFY(d.progress());
        QCOMPARE(d.progress()->labelText(), progress);
        accepted = d.result() == QDialog::Accepted && !d.isVisible();
    });
    QVERIFY(accepted);
    const UiCall question = f.ui.callsOf(UiCall::Message).at(0);
    QCOMPARE(question.text, QStringLiteral("Calculate Book Depreciation 201203?"));
    QCOMPARE(question.title, QStringLiteral("Do Monthly Book Depreciation"));
    QCOMPARE(question.buttons, MsgButtons::OkCancel);
    QCOMPARE(f.posted(), posted);
    QCOMPARE(p.status(), QStringLiteral("Book Depreciation calculated successfully."));
    QCOMPARE(statusColour(*p.window), QColor(0, 128, 0));
}

void BookMenuTest::aRefusedRangeKeepsTheWindowOpen_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::newRow("both empty") << ""
                                << ""
                                << "Start Period is require. End Period is require. ";
    QTest::newRow("reversed") << "2012-05"
                              << "2012-03"
                              << " Start period is greater then End Period. ";
    QTest::newRow("month 13") << "2012-13"
                              << "2012-12"
                              << " Start Period is invalid. ";
    QTest::newRow("partly typed") << "2012-0"
                                  << "2012-12"
                                  << " Start Period is invalid. ";
}

void BookMenuTest::aRefusedRangeKeepsTheWindowOpen() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    BookFixture f(false); // no asset: no next period, so the start is typed
    BookProgram p(f);
    bool open = false;
    runRange(p, f, [&](FrmBookDeprRange& d) {
        QVERIFY(d.mskStart->isEnabled());
        QCOMPARE(d.mskStart->displayText(), QStringLiteral("____-__"));
        d.mskStart->setText(start);
        d.mskEnd->setText(end);
        d.cmdOk->click();
        open = d.isVisible();
    });
    QVERIFY(open);
    QVERIFY(f.ui.messages().isEmpty());
    QCOMPARE(p.status(), message);
    QCOMPARE(statusColour(*p.window), QColor(255, 0, 0));
    QCOMPARE(f.next(), QString());
}

void BookMenuTest::cancelOnTheQuestionPostsNothing() {
    BookFixture f;
    BookProgram p(f);
    f.ui.answerMessage(MsgResult::Cancel);
    bool closed = false;
    runRange(p, f, [&](FrmBookDeprRange& d) {
        d.mskEnd->setText("2012-06");
        d.cmdOk->click();
        closed = !d.isVisible();
    });
    QVERIFY(closed);
    QCOMPARE(f.ui.messages().size(), 1);
    QCOMPARE(f.posted(), QString());
    QCOMPARE(p.status(), QString());
}

void BookMenuTest::aFailedPeriodStopsTheRangeAndSaysWhatWasPosted() {
    BookFixture f;
    BookProgram p(f);
    f.fresh.exec("CREATE TRIGGER failJune BEFORE INSERT ON tblPeriodDepr WHEN NEW.period = '201206' "
                 "BEGIN SELECT RAISE(ABORT, 'the June rows cannot be written'); END");
    bool open = false;
    QString startAfter;
    runRange(p, f, [&](FrmBookDeprRange& d) {
        d.mskEnd->setText("2013-02");
        d.cmdOk->click();
        open = d.isVisible();
        startAfter = d.mskStart->displayText();
    });
    QVERIFY(open);
    QCOMPARE(startAfter, QStringLiteral("2012-06"));
    QCOMPARE(f.posted(), QStringLiteral("201203 201204 201205"));
    const QStringList boxes = f.ui.messages();
    QCOMPARE(boxes.size(), 2);
    QVERIFY2(boxes[1].startsWith("Error in DoBookDeprRange. "), qPrintable(boxes[1]));
    QVERIFY2(boxes[1].contains("the June rows cannot be written"), qPrintable(boxes[1]));
    QVERIFY2(boxes[1].endsWith("Posted: 201203 to 201205 (3 periods). Not posted: 201206 to 201302."),
             qPrintable(boxes[1]));
    QVERIFY(!p.status().contains("successfully"));
}

} // namespace qel::test
