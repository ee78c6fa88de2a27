#pragma once
// The tests of one folder share one program, and QTest's main macros would each define main():
// this header, the last of the tests' precompiled header, turns them into a registration with the
// program's one main (TestMain.cpp), which runs the one class its first argument names.
#include <QtTest>

namespace vok::test {

using ClassMain = int (*)(int argc, char* argv[]);

// Registers the class of the test file `file` (its name without the folder and ".cpp" is the
// class's name on the command line, as in CTest); true, for a static to hold.
bool registerClass(const char* file, const char* className, ClassMain run);

} // namespace vok::test

// A name of its own for each registration: a unity build joins several test files in one unit.
#define VOK_TEST_JOIN(a, b) a##b
#define VOK_TEST_NAME(n) VOK_TEST_JOIN(vokTestClassRegistered, n)
#define VOK_TEST_REGISTERED(n) VOK_TEST_NAME(n)

// What QTEST_MAIN_WRAPPER's main() does, for one class.
#define VOK_TEST_CLASS(TestObject, ...)                                                            \
    [[maybe_unused]] static const bool VOK_TEST_REGISTERED(__COUNTER__) =                          \
        vok::test::registerClass(__FILE__, #TestObject, [](int argc, char* argv[]) -> int {        \
            QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                     \
            __VA_ARGS__                                                                            \
            TestObject tc;                                                                         \
            QTEST_SET_MAIN_SOURCE_PATH                                                             \
            return QTest::qExec(&tc, argc, argv);                                                  \
        });

#undef QTEST_MAIN
#undef QTEST_GUILESS_MAIN
#undef QTEST_APPLESS_MAIN
#define QTEST_MAIN(TestObject) VOK_TEST_CLASS(TestObject, QTEST_MAIN_SETUP())
#define QTEST_GUILESS_MAIN(TestObject)                                                             \
    VOK_TEST_CLASS(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define QTEST_APPLESS_MAIN(TestObject) VOK_TEST_CLASS(TestObject)
