// Runs every test class of the maintenance window.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
