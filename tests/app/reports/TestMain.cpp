// Runs every test class of the report windows.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
