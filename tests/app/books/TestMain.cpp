// Runs every test class of monthly book depreciation.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
