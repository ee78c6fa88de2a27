#include "controls/DriveComboBox.h"
#include "controls/PieGraf.h"
#include "main/MemoryText.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {

constexpr quint64 kGiB = 1024ull * 1024 * 1024;

struct Fixture {
    Fixture() {
        t.drives.add('A', "/media/floppy", DriveType::Removable, -1, -1);
        t.drives.add('D', "/home", DriveType::Fixed, 3 * kGiB, 4 * kGiB);
        t.memory.figures = {37, 16 * kGiB, 4 * kGiB, 0, 0, 128 * kGiB, 96 * kGiB};
        fm.FormActivate();
    }
    void pick(QChar letter) {
        QVERIFY(fm.DriveComboBox1->setDrive(letter));
        fm.DriveComboBox1Change();
    }
    // The checked marks, "x" for checked: of Mb, Kb and Bytes; of Total, Virtual, Real, Page File.
    QString units() const { return marks({fm.Megabytes1, fm.Kilobytes1, fm.Bytes1}); }
    QString measures() const { return marks({fm.Total1, fm.Virtual1, fm.Real1, fm.PageFile1}); }
    static QString marks(std::initializer_list<QAction*> items) {
        QString out;
        for (QAction* a : items)
            out += a->isChecked() ? 'x' : '-';
        return out;
    }
    TestServices t;
    TfmVok fm{t.services, QSize(640, 480)};
};

} // namespace

class GaugesTest : public QObject {
    Q_OBJECT
private slots:
    // A drive picked shows in each unit alone checked, with its text and size; a drive not
    // ready changes nothing but the message. Activation's return to Mb and Total is the main
    // window's test.
    void pickingADriveShowsIt() {
        Fixture f;
        f.pick('d');
        QCOMPARE(f.fm.currentDrive(), 4);
        for (const auto& [unit, text, size, marks] :
             {std::tuple<QAction*, QString, int, QString>{
                  f.fm.Bytes1, QString("%1/%2 Free/Total Bytes").arg(3 * kGiB).arg(4 * kGiB), 10,
                  "--x"},
              {f.fm.Kilobytes1, "3145728 Kb Free / 4194304 Kb Total", 11, "-x-"},
              {f.fm.Megabytes1, "3072 Free Mb / 4096 Mb Total", 12, "x--"}}) {
            unit->trigger(); // through the menu, as the user chooses it
            QCOMPARE(f.fm.Panel1->text(), text);
            QCOMPARE(f.fm.Panel1->fontSize(), size);
            QCOMPARE(f.units(), marks);
        }
        const QString hint = "3072 Free Mb / 4096 Mb Total Type is Hard drive";
        QCOMPARE(f.fm.PieGraf1->hint(), hint);
        f.pick('a');
        QCOMPARE(f.t.dialogs.messages, QStringList{"No Disk Available in Drive A"});
        QCOMPARE(f.fm.PieGraf1->caption(), QString("Drive D"));
        QCOMPARE(f.fm.PieGraf1->percent(), 75);
        QCOMPARE(f.fm.PieGraf1->hint(), hint);
        QCOMPARE(f.fm.Panel1->text(), QString("3072 Free Mb / 4096 Mb Total"));
        QCOMPARE(f.fm.currentDrive(), 1);
    }

    void memoryMeasures() {
        Fixture f;
        f.fm.Real1->trigger();
        QCOMPARE(f.measures(), QString("--x-"));
        QCOMPARE(f.fm.PieGraf2->percent(), 25);
        QCOMPARE(f.fm.Panel1->text(), QString("12582912/4194304/16777216Kb Used/free/total"));
        QCOMPARE(f.fm.Panel1->fontSize(), 11);
        QCOMPARE(f.fm.PieGraf2->hint(), f.fm.Panel1->text());

        f.fm.Virtual1Click();
        QCOMPARE(f.fm.PieGraf2->percent(), 75);
        QCOMPARE(f.fm.Panel1->text(), QString("33554432/134217728Kb Used/total"));

        // No swap: 0 per cent and a readable text, no failure.
        f.fm.PageFile1Click();
        QCOMPARE(f.fm.PieGraf2->percent(), 0);
        QCOMPARE(f.fm.Panel1->text(), QString("0/0/0Kb Used/free/total"));
        QCOMPARE(f.fm.Panel1->fontSize(), 12);
        QVERIFY(f.t.dialogs.errors.isEmpty());
    }

    // The read-out's figures themselves.
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

    void percentagesTieToEven() {
        QCOMPARE(freePercent(200, 1), 0); // 0.5
        QCOMPARE(freePercent(200, 3), 2); // 1.5
        QCOMPARE(freePercent(200, 5), 2); // 2.5
        QCOMPARE(freePercent(1000, 125), 12);
        QCOMPARE(freePercent(0, 0), 0); // no page file
        QCOMPARE(freePercent(100, 100), 100);
    }
};

QTEST_MAIN(GaugesTest)
#include "gauges_test.moc"
