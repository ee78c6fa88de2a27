#include "main/MemoryText.h"
#include <QtTest>

using namespace vok;

class MemoryTextTest : public QObject {
    Q_OBJECT
private slots:
    void kbCutsOnlyTheFraction_data() {
        QTest::addColumn<double>("kb");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing point kept") << 5000.5 << 5 << "5000.";
        QTest::newRow("short fits") << 12.75 << 5 << "12.75";
        QTest::newRow("total cut") << 1234.56 << 6 << "1234.5";
        QTest::newRow("long whole part shown whole") << 123456.5 << 5 << "123456";
        QTest::newRow("16 GiB") << 16777216.0 << 6 << "16777216";
        QTest::newRow("whole fits exactly") << 12345.5 << 5 << "12345";
        QTest::newRow("integer") << 512.0 << 5 << "512";
        QTest::newRow("zero") << 0.0 << 5 << "0";
    }
    void kbCutsOnlyTheFraction() {
        QFETCH(double, kb);
        QFETCH(int, width);
        QFETCH(QString, text);
        QCOMPARE(kbText(kb * 1024, width), text);
    }

    void readOutTexts() {
        const quint64 gib = 1024ull * 1024 * 1024;
        QCOMPARE(realMemoryText(16 * gib, 4 * gib),
                 QString("12582912/4194304/16777216Kb Used/free/total"));
        QCOMPARE(virtualMemoryText(2048 * 1024, 1024 * 1024), QString("1024/2048Kb Used/total"));
        QCOMPARE(pageFileText(0, 0), QString("0/0/0Kb Used/free/total"));
    }

    void percentagesTieToEven() {
        QCOMPARE(freePercent(200, 1), 0); // 0.5
        QCOMPARE(freePercent(200, 3), 2); // 1.5
        QCOMPARE(freePercent(200, 5), 2); // 2.5
        QCOMPARE(freePercent(1000, 125), 12);
        QCOMPARE(freePercent(0, 0), 0); // no page file
        QCOMPARE(freePercent(100, 100), 100);
    }
};

QTEST_MAIN(MemoryTextTest)
#include "memorytext_test.moc"
