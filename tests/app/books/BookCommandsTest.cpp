// The commands "Do Monthly Depreciation", "Display Next Period" and "Delete Last Period
// Depreciation" on a company of a database copy: their questions, checks, postings and messages.
#include "tests/app/books/BookCommandsTest.h"

#include "app/books/Depr.h"
#include "app/shell/MdiMain.h"
#include "tests/app/books/BookFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QLabel>

namespace qel::test {

QEL_QTEST_REGISTER(BookCommandsTest);

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

QString status(const MdiMain& w) {
    return w.statusLabel()->text();
}

} // namespace

void BookCommandsTest::theKnownNextPeriodIsProposed_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("posted");
    QTest::addColumn<QString>("message");
    QTest::newRow("ok posts it") << int(MsgResult::Ok) << "201203"
                                 << "Book Depreciation calculated successfully.";
    QTest::newRow("cancel posts nothing") << int(MsgResult::Cancel) << ""
                                          << "";
}

void BookCommandsTest::theKnownNextPeriodIsProposed() {
    QFETCH(int, answer);
    QFETCH(QString, posted);
    QFETCH(QString, message);
    BookFixture f;
    MdiMain w;
    w.DisplayMsg("before", "255");
    f.ui.answerMessage(MsgResult(answer));
    BookDepreciation().DoMonthlyDepr();
    QCOMPARE(f.ui.calls().size(), std::size_t(1));
    const UiCall box = f.ui.calls().at(0);
    QCOMPARE(box.kind, UiCall::Message);
    QCOMPARE(box.text, QStringLiteral("Calculate Depreciation for period 201203?"));
    QCOMPARE(box.title, QStringLiteral("Do Monthly Book Depreciation"));
    QCOMPARE(box.buttons, MsgButtons::OkCancel);
    QCOMPARE(box.defaultAnswer, MsgResult::Ok);
    QCOMPARE(f.posted(), posted);
    QCOMPARE(status(w), message);
    if (!message.isEmpty())
        QCOMPARE(statusColour(w), kGreen);
}

void BookCommandsTest::aTypedPeriodIsCheckedBeforeItPosts_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("next"); // the next period afterwards: empty while nothing is posted
    QTest::addColumn<QString>("message");
    const QString invalid =
        QStringLiteral("Invalid Period. Please renter period in the following format. YYYYMM");
    QTest::newRow("201213") << "201213"
                            << "" << invalid;
    QTest::newRow("190012") << "190012"
                            << "" << invalid;
    QTest::newRow("20123") << "20123"
                           << "" << invalid;
    QTest::newRow("blank before 201203") << " 201203"
                                         << "" << invalid;
    QTest::newRow("201203 posts without a question") << "201203"
                                                     << "201204"
                                                     << "Book Depreciation calculated successfully.";
    QTest::newRow("cancel") << ""
                            << ""
                            << "";
}

void BookCommandsTest::aTypedPeriodIsCheckedBeforeItPosts() {
    QFETCH(QString, typed);
    QFETCH(QString, next);
    QFETCH(QString, message);
    BookFixture f(false);
    MdiMain w;
    f.ui.answerInput(typed);
    BookDepreciation().DoMonthlyDepr();
    QCOMPARE(f.ui.calls().size(), std::size_t(1));
    const UiCall input = f.ui.calls().at(0);
    QCOMPARE(input.kind, UiCall::Input);
    QCOMPARE(input.text, QStringLiteral("Enter fiscal period - YYYYMM"));
    QCOMPARE(input.title, QStringLiteral("Do Monthly Book Depreciation"));
    QCOMPARE(input.proposed, QString());
    QCOMPARE(f.next(), next);
    QCOMPARE(status(w), message);
    if (!message.isEmpty())
        QCOMPARE(statusColour(w), next.isEmpty() ? kRed : kGreen);
}

void BookCommandsTest::aFailedPostingShowsItsCauseAndNoSuccess() {
    BookFixture f;
    MdiMain w;
    f.fresh.exec("CREATE TRIGGER failPosting BEFORE INSERT ON tblPeriodDepr "
                 "BEGIN SELECT RAISE(ABORT, 'the period table is locked'); END");
    BookDepreciation().DoMonthlyDepr();
    const QStringList boxes = f.ui.messages();
    QCOMPARE(boxes.size(), 2);
    QVERIFY2(boxes[1].startsWith("Error in DoMonthlyDepr. "), qPrintable(boxes[1]));
    QVERIFY2(boxes[1].contains("the period table is locked"), qPrintable(boxes[1]));
    QVERIFY2(boxes[1].contains("  -2147352571  "), qPrintable(boxes[1]));
    QCOMPARE(status(w), QString());
    QCOMPARE(f.posted(), QString());
}

void BookCommandsTest::theNextPeriodShowsOnTheStatusLine() {
    {
        BookFixture f;
        MdiMain w;
        w.DisplayMsg("before", "255");
        BookDepreciation().DisplayNextPeriod();
        QCOMPARE(status(w), QStringLiteral("201203"));
        QCOMPARE(statusColour(w), kGreen);
        QVERIFY(f.ui.calls().empty());
    }
    BookFixture none(false);
    MdiMain w;
    w.DisplayMsg("before", "255");
    BookDepreciation().DisplayNextPeriod();
    QCOMPARE(status(w), QString());
}

void BookCommandsTest::deletingSaysWhatHappened_data() {
    QTest::addColumn<bool>("postFirst");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("postedAfter");
    QTest::newRow("deleted") << true << int(MsgResult::Ok) << "Last period depreciation was deleted"
                             << "201203";
    QTest::newRow("nothing posted") << false << int(MsgResult::Ok)
                                    << "No period is posted: there is no depreciation to delete."
                                    << "";
    QTest::newRow("cancelled") << true << int(MsgResult::Cancel) << ""
                               << "201203 201204";
}

void BookCommandsTest::deletingSaysWhatHappened() {
    QFETCH(bool, postFirst);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(QString, postedAfter);
    BookFixture f;
    MdiMain w;
    BookDepreciation books;
    if (postFirst) {
        books.DoMonthlyDepr();
        books.DoMonthlyDepr();
        QCOMPARE(f.posted(), QStringLiteral("201203 201204"));
    }
    f.ui.clear();
    w.DisplayMsg(QString());
    f.ui.answerMessage(MsgResult(answer));
    books.deleteLastPeriod();
    const UiCall box = f.ui.calls().at(0);
    QCOMPARE(box.text, QStringLiteral("Delete Depreciation for the last period?"));
    QCOMPARE(box.title, QStringLiteral("Delete Monthly Book Depreciation"));
    QCOMPARE(box.defaultAnswer, MsgResult::Cancel); // Enter keeps the period
    QCOMPARE(f.ui.calls().size(), std::size_t(1));
    QCOMPARE(status(w), message);
    QCOMPARE(f.posted(), postedAfter);
    QCOMPARE(books.DeleteDepreciation(), !postedAfter.isEmpty());
}

} // namespace qel::test

namespace qel::test {

void BookCommandsTest::anUnknownCompanyIsReportedWithItsCause() {
    BookFixture f;
    MdiMain w;
    SetCompanyId(999);
    BookDepreciation books;
    books.DisplayNextPeriod();
    f.ui.answerMessage(MsgResult::Ok);
    books.deleteLastPeriod();
    const QStringList boxes = f.ui.messages();
    QCOMPARE(boxes.size(), 3);
    QVERIFY2(boxes[0].startsWith("Error in DisplayNextPeriod "), qPrintable(boxes[0]));
    QVERIFY2(boxes[0].contains(" Error Number: -2147352571"), qPrintable(boxes[0]));
    QVERIFY2(boxes[2].startsWith("Error in DeleteDepreciation "), qPrintable(boxes[2]));
    QCOMPARE(status(w), QStringLiteral("An Error Occurred"));
    QCOMPARE(statusColour(w), kRed);
}

} // namespace qel::test
