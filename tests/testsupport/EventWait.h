// EventWait: how long a test waits for an event that is sure to come (a window shown or made
// active, a queued call run, a window deleted, a started program's mark), and the QtTest waits
// with that limit.
//
// The limit is no measure of speed: a passing test goes on the moment the event has come, and
// only a failing one waits it out. It is generous because on a loaded machine, under the
// sanitizers, QtTest's default of five seconds can run out before a window is made active.
#pragma once

#include <QTest>

namespace qel::test {

constexpr int kEventWaitMs = 60'000;

} // namespace qel::test

// QTRY_COMPARE and QTRY_VERIFY with the limit above.
#define QEL_TRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, qel::test::kEventWaitMs)
#define QEL_TRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, qel::test::kEventWaitMs)
