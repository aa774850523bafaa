// Runs every test class of the vehicle windows.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
