// Runs every test class of data exchange.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
