// The check of a typed period ("YYYYMM"), the range window's check of its two periods, and the
// posting of a range period by period.
#include "tests/app/books/PeriodChecksTest.h"

#include "app/books/PeriodChecks.h"
#include "app/books/RangePosting.h"
#include "tests/testsupport/QtTestMain.h"

namespace qel::test {

QEL_QTEST_REGISTER(PeriodChecksTest);

void PeriodChecksTest::typedPeriods_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<bool>("valid");
    QTest::newRow("201203") << "201203" << true;
    QTest::newRow("month 13") << "201213" << false;
    QTest::newRow("month 00") << "201200" << false;
    QTest::newRow("year 1900") << "190012" << false;
    QTest::newRow("year 1901") << "190101" << true;
    QTest::newRow("five characters") << "20123" << false;
    QTest::newRow("a leading blank") << " 201203" << false;
    QTest::newRow("a trailing blank") << "201203 " << false;
    QTest::newRow("a dash") << "2012-3" << false;
    QTest::newRow("letters") << "2012ab" << false;
    QTest::newRow("empty") << "" << false;
}

void PeriodChecksTest::typedPeriods() {
    QFETCH(QString, period);
    QFETCH(bool, valid);
    QCOMPARE(isTypedPeriodValid(period), valid);
}

void PeriodChecksTest::ranges_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QStringList>("periods");
    const QStringList none;
    QTest::newRow("one period") << "2012-03"
                                << "2012-03"
                                << "" << QStringList{"201203"};
    QTest::newRow("twelve periods across the year")
        << "2012-03"
        << "2013-02"
        << "" << QStringList{"201203", "201204", "201205", "201206", "201207", "201208",
                             "201209", "201210", "201211", "201212", "201301", "201302"};
    QTest::newRow("year 1900 is accepted") << "1900-12"
                                           << "1901-01"
                                           << "" << QStringList{"190012", "190101"};
    QTest::newRow("both empty") << "____-__"
                                << "____-__"
                                << "Start Period is require. End Period is require. " << none;
    QTest::newRow("end empty") << "2012-03"
                               << "____-__"
                               << "End Period is require. " << none;
    QTest::newRow("reversed") << "2012-05"
                              << "2012-03"
                              << " Start period is greater then End Period. " << none;
    QTest::newRow("start month 13") << "2012-13"
                                    << "2012-12"
                                    << " Start Period is invalid. " << none;
    QTest::newRow("end month 13") << "2012-01"
                                  << "2012-13"
                                  << " End Period is invalid. " << none;
    QTest::newRow("partly typed") << "2012-0_"
                                  << "2012-03"
                                  << " Start Period is invalid. " << none;
    QTest::newRow("year 1899") << "1899-12"
                               << "1900-01"
                               << " Start Period is invalid. " << none;
    QTest::newRow("both invalid") << "2012-13"
                                  << "201_-01"
                                  << " Start Period is invalid.  End Period is invalid. " << none;
}

void PeriodChecksTest::ranges() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, messages);
    QFETCH(QStringList, periods);
    const PeriodRange r = checkPeriodRange(start, end);
    QCOMPARE(r.messages, messages);
    QCOMPARE(r.valid, messages.isEmpty());
    QCOMPARE(r.periods, periods);
    if (r.valid)
        QCOMPARE(r.monthCount, periods.size() - 1);
}

void PeriodChecksTest::rangeRunStopsAtTheFirstFailure() {
    const QStringList periods{"201203", "201204", "201205", "201206"};
    QStringList tried;
    QStringList progress;
    const auto post = [&](const QString& p) {
        tried << p;
        if (p == "201205")
            throw ServerError(kPassedThrough, "Database", "disk I/O error", ErrorKind::Io);
    };
    const RangePosting run = postPeriods(periods, post, [&](int i, int n, const QString& p) {
        progress << QStringLiteral("%1 of %2: %3").arg(i + 1).arg(n).arg(p);
    });
    QCOMPARE(tried, (QStringList{"201203", "201204", "201205"}));
    QCOMPARE(progress, (QStringList{"1 of 4: 201203", "2 of 4: 201204", "3 of 4: 201205"}));
    QCOMPARE(run.posted, (QStringList{"201203", "201204"}));
    QCOMPARE(run.failedPeriod, QStringLiteral("201205"));
    QVERIFY(run.failure);
    QCOMPARE(run.failure->description(), std::string("disk I/O error"));
    QCOMPARE(postedSummary(periods, run), QStringLiteral("Posted: 201203 to 201204 (2 periods). Not posted: "
                                                         "201205 to 201206."));

    const RangePosting whole = postPeriods(periods, [](const QString&) {}, {});
    QCOMPARE(whole.posted, periods);
    QVERIFY(!whole.failure);

    const RangePosting first = postPeriods(
        periods, [](const QString&) { throw ServerError(kPassedThrough, "x", "no", ErrorKind::Sql); }, {});
    QCOMPARE(postedSummary(periods, first),
             QStringLiteral("No period was posted. Not posted: 201203 to 201206."));
    RangePosting one;
    one.posted << "201203";
    QCOMPARE(postedSummary(periods.mid(0, 2), one),
             QStringLiteral("Posted: 201203 (1 period). Not posted: 201204."));
}

} // namespace qel::test
