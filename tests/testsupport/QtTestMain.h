// One QtTest program for a whole test folder: each test class registers itself with
// QEL_QTEST_REGISTER(Class) in its own file, and the folder's one main file says
// QEL_QTEST_MAIN(). The program runs every registered class in turn and fails when any fails;
// the environment variable QEL_QTEST_CLASS, when set, names the one class to run.
#pragma once

#include <QApplication>
#include <QObject>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace qel::test {

using QtTestFactory = QObject* (*)();

inline std::vector<QtTestFactory>& registeredQtTests() {
    static std::vector<QtTestFactory> tests;
    return tests;
}

struct QtTestRegistration {
    explicit QtTestRegistration(QtTestFactory factory) { registeredQtTests().push_back(factory); }
};

inline int runRegisteredQtTests(int argc, char** argv) {
    QApplication app(argc, argv);
    const QByteArray only = qgetenv("QEL_QTEST_CLASS");
    int failed = 0;
    for (QtTestFactory factory : registeredQtTests()) {
        std::unique_ptr<QObject> test(factory());
        if (!only.isEmpty() && !QByteArray(test->metaObject()->className()).endsWith(only))
            continue;
        try {
            failed += QTest::qExec(test.get(), argc, argv);
        } catch (...) {
            // QtTest has reported the test function that threw, then passes the exception on;
            // it ends this class, not the program.
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}

} // namespace qel::test

#define QEL_QTEST_REGISTER(Class)                                                                            \
    static const qel::test::QtTestRegistration qelQtTestRegistration##Class(                                 \
        []() -> QObject* { return new Class; })

#define QEL_QTEST_MAIN()                                                                                     \
    int main(int argc, char** argv) {                                                                        \
        return qel::test::runRegisteredQtTests(argc, argv);                                                  \
    }
