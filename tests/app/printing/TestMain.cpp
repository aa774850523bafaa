// Runs every test class of printing.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
