// The program tests' one main.
#include "tests/testsupport/QtTestMain.h"

QEL_QTEST_MAIN()
