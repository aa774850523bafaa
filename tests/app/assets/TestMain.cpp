// Runs every test class of asset entry's windows.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
