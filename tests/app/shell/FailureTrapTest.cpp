// FailureTrap over sequences of steps, some failing.
#include "tests/app/shell/FailureTrapTest.h"

#include "app/shell/FailureTrap.h"
#include "tests/testsupport/QtTestMain.h"

#include <stdexcept>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace qel::test {
namespace {

// A step of a sequence: 0 succeeds, -1 throws an exception that is no ServerError, any other
// number throws a ServerError of that number.
constexpr int kPlain = -1;

void runStep(int step) {
    if (step == kPlain)
        throw std::out_of_range("row 3 is missing");
    if (step != 0)
        throw ServerError(step, "test", "cause " + std::to_string(step), ErrorKind::Conversion);
}

struct Run {
    QStringList shown;
    int stepsRun = 0;
    bool stoppedAt = false; // a step answered false
    bool stopped = false;
    bool anyFailed = false;
};

Run runSteps(const std::vector<int>& steps) {
    Run run;
    FailureTrap trap("PopulateLV",
                     [&](const std::string& text) { run.shown << QString::fromStdString(text); });
    for (int step : steps) {
        if (!trap.step([&] {
                ++run.stepsRun;
                runStep(step);
            })) {
            run.stoppedAt = true;
            break;
        }
    }
    run.stopped = trap.stopped();
    run.anyFailed = trap.anyFailed();
    return run;
}

QString box(int number) {
    return QStringLiteral("Error in PopulateLV. cause %1 Error Number: %1").arg(number);
}

} // namespace

void FailureTrapTest::failuresAreShownUntilOneRepeats_data() {
    QTest::addColumn<std::vector<int>>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("stepsRun");
    QTest::addColumn<bool>("stopped");

    const QString stop = QString::fromStdString(kCannotComplete);
    QTest::newRow("no failure") << std::vector<int>{0, 0, 0} << QStringList{} << 3 << false;
    QTest::newRow("different errors are each shown and the work goes on")
        << std::vector<int>{13, 6, 13} << QStringList{box(13), box(6), box(13)} << 3 << false;
    QTest::newRow("the same error twice stops the work")
        << std::vector<int>{13, 13, 0} << QStringList{box(13), stop} << 2 << true;
    QTest::newRow("a success between two same errors does not reset the count")
        << std::vector<int>{13, 0, 13} << QStringList{box(13), stop} << 3 << true;
    QTest::newRow("a failure without a number is number 0, and its first is shown")
        << std::vector<int>{kPlain, 6}
        << QStringList{"Error in PopulateLV. row 3 is missing Error Number: 0", box(6)} << 2 << false;
    QTest::newRow("two failures without a number repeat")
        << std::vector<int>{kPlain, kPlain}
        << QStringList{"Error in PopulateLV. row 3 is missing Error Number: 0", stop} << 2 << true;
}

void FailureTrapTest::failuresAreShownUntilOneRepeats() {
    QFETCH(std::vector<int>, steps);
    QFETCH(QStringList, shown);
    QFETCH(int, stepsRun);
    QFETCH(bool, stopped);
    const Run run = runSteps(steps);
    QCOMPARE(run.shown, shown);
    QCOMPARE(run.stepsRun, stepsRun);
    QCOMPARE(run.stopped, stopped);
    QCOMPARE(run.stoppedAt, stopped);
    QCOMPARE(run.anyFailed, !shown.isEmpty());
}

void FailureTrapTest::noStepRunsOnceTheWorkHasStopped() {
    QStringList shown;
    FailureTrap trap("FillCboBox", [&](const std::string& text) { shown << QString::fromStdString(text); });
    trap.step([] { runStep(5); });
    QVERIFY(!trap.step([] { runStep(5); }));
    bool ran = false;
    QVERIFY(!trap.step([&] { ran = true; }));
    QVERIFY(!ran);
    QCOMPARE(shown.size(), 2);
}

void FailureTrapTest::aTrapOfItsOwnFormatShowsItsText() {
    QStringList shown;
    FailureTrap trap(
        [](const CaughtFailure& f) {
            return "Error in PrintAssetDetail " + f.description + " " + std::to_string(f.number) + " " +
                   f.source;
        },
        [&](const std::string& text) { shown << QString::fromStdString(text); });
    QVERIFY(trap.step([] { runStep(482); }));
    QCOMPARE(shown, QStringList{"Error in PrintAssetDetail cause 482 482 test"});
}

QEL_QTEST_REGISTER(FailureTrapTest);

} // namespace qel::test
