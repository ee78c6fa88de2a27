#include "platform/ErrorHandler.h"
#include "platform/VokError.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

class ErrorHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void errorEndsHandlerAndShowsText() {
        TestServices t;
        int reached = 0;
        runGuarded([&] {
            ++reached;
            throw VokError("Not a valid drive ID 1");
            ++reached;
        });
        QCOMPARE(reached, 1);
        QCOMPARE(t.dialogs.errors, QStringList{"Not a valid drive ID 1"});
    }
    void outOfMemoryEndsHandlerNotProgram() {
        TestServices t;
        bool escaped = false;
        try {
            runGuarded([] { throw std::bad_alloc(); });
        } catch (...) {
            escaped = true;
        }
        QVERIFY(!escaped);
        QCOMPARE(t.dialogs.errors, QStringList{"Out of memory"});
    }
    void quietHandlerShowsNothing() {
        TestServices t;
        bool ran = false;
        runGuarded([&] { ran = true; });
        QVERIFY(ran);
        QVERIFY(t.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(ErrorHandlerTest)
#include "error_handler_test.moc"
