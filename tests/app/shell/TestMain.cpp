// Runs every test class of the desktop program's shell.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
