#include "controls/DriveComboBox.h"
#include "controls/PieGraf.h"
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
    TfmVok fm{QSize(640, 480)};
};

} // namespace

class GaugesTest : public QObject {
    Q_OBJECT
private slots:
    void pickingADriveShowsIt() {
        Fixture f;
        f.pick('d');
        QCOMPARE(f.fm.PieGraf1->caption(), QString("Drive D"));
        QCOMPARE(f.fm.PieGraf1->percent(), 75);
        QCOMPARE(f.fm.Panel1->text(), QString("3072 Free Mb / 4096 Mb Total"));
        QCOMPARE(f.fm.PieGraf1->hint(), QString("3072 Free Mb / 4096 Mb Total Type is Hard drive"));
        QCOMPARE(f.fm.currentDrive(), 4);
    }

    void notReadyDriveChangesNothingButTheMessage() {
        Fixture f;
        f.pick('d');
        const QString panel = f.fm.Panel1->text();
        const QString hint = f.fm.PieGraf1->hint();
        f.pick('a');
        QCOMPARE(f.t.dialogs.messages, QStringList{"No Disk Available in Drive A"});
        QCOMPARE(f.fm.PieGraf1->caption(), QString("Drive D"));
        QCOMPARE(f.fm.PieGraf1->percent(), 75);
        QCOMPARE(f.fm.PieGraf1->hint(), hint);
        QCOMPARE(f.fm.Panel1->text(), panel);
        QCOMPARE(f.fm.currentDrive(), 1);
    }

    void oneUnitCheckedWithItsFontSize() {
        Fixture f;
        f.pick('d');
        f.fm.Bytes1Click();
        QCOMPARE(f.fm.Panel1->text(),
                 QString("%1/%2 Free/Total Bytes").arg(3 * kGiB).arg(4 * kGiB));
        QCOMPARE(f.fm.Panel1->fontSize(), 10);
        QCOMPARE(f.units(), QString("--x"));
        f.fm.Kilobytes1Click();
        QCOMPARE(f.fm.Panel1->text(), QString("3145728 Kb Free / 4194304 Kb Total"));
        QCOMPARE(f.fm.Panel1->fontSize(), 11);
        QCOMPARE(f.units(), QString("-x-"));
        f.fm.Megabytes1->trigger(); // through the menu, as the user chooses it
        QCOMPARE(f.fm.Panel1->fontSize(), 12);
        QCOMPARE(f.units(), QString("x--"));
    }

    void activationReturnsToMbAndTotal() {
        Fixture f;
        f.fm.Kilobytes1Click();
        f.fm.PageFile1Click();
        f.fm.FormActivate();
        QCOMPARE(f.units(), QString("x--"));
        QCOMPARE(f.measures(), QString("x---"));
        QCOMPARE(f.fm.Panel1->text(), QString("Free Total Memory is 37 %"));
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
};

QTEST_MAIN(GaugesTest)
#include "gauges_test.moc"
