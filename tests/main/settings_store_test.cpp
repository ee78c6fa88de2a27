#include "main/SettingsStore.h"
#include "support/TestServices.h"
#include <QtTest>

using namespace vok;

namespace {

const QStringList kSections{"Bet", "Settings", "Disk1", "Disk2", "Dir", "Files"};

// What the main window holds at closing after a first run with nothing changed.
SaveInput firstRunClose(const StoredSettings& s) {
    return {.bank = 500,
            .bet = 100,
            .pie1Main = 8454016,
            .pie1Slice = 255,
            .pie2Main = 65535,
            .pie2Slice = 16711680,
            .allColor = s.allColor,
            .allSlice = s.allSlice,
            .disk1 = s.disk1,
            .disk2 = s.disk2,
            .dir = s.dir,
            .files = s.files};
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << "8454016" << 8454016;
        QTest::newRow("blanks around") << " 12 " << 12;
        QTest::newRow("hex") << "0xFF" << 255;
        QTest::newRow("bare 0x") << "0x" << -1;
        QTest::newRow("hex with sign") << "0x-5" << -1;
        QTest::newRow("hex garbage") << "0xFG" << -1;
        QTest::newRow("word") << "blue" << -1;
        QTest::newRow("trailing junk") << "12abc" << -1;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("one too large") << "2147483648" << -1;
        QTest::newRow("huge") << "99999999999999999999999" << -1;
        QTest::newRow("hex too large") << "0x80000000" << -1;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(settingInt(text, -1), expected);
    }

    // What the first run loads and stores is the main window's test.
    void outOfRangeValuesBecomeDefaults() {
        TestServices t;
        t.settings.write("Disk1", "Fontsize", "14");
        t.settings.write("Disk2", "Fontsize", "6");
        t.settings.write("Disk2", "Fontcolor", "-3");
        t.settings.write("Dir", "dirsize", "12"); // any spelling of the name
        t.settings.write("Files", "Fontsize", "7");
        t.settings.write("Settings", "AllColor", "-7");
        t.settings.write("Settings", "AllSlice", "0x10");
        t.settings.write("Settings", "Pie1Color", "0xFF");
        t.settings.write("Settings", "Pie2Color", "blue");
        t.settings.write("Disk1", "FontName", "A font name well past twenty characters");
        t.settings.write("Bet", "Total", "-20");
        const StoredSettings s = loadSettings(t.settings);
        QCOMPARE(s.disk1.size, 8);
        QCOMPARE(s.disk2.size, 8);
        QCOMPARE(s.disk2.color, 0u);
        QCOMPARE(s.dir.size, 12);
        QCOMPARE(s.files.size, 7);
        QCOMPARE(s.allColor, 32768);
        QCOMPARE(s.allSlice, 16);
        QCOMPARE(s.pie1Color, 255);
        QCOMPARE(s.pie2Color, -1);
        QCOMPARE(s.disk1.name, "A font name well pas");
        QCOMPARE(s.total, -20); // the game decides what to do with a bad bank
        // Nothing stored: the defaults.
        QCOMPARE(settingInt(std::nullopt, 42), 42);
        QCOMPARE(s.pie2Slice, -1);
        QCOMPARE(s.bet, -1);
        QCOMPARE(s.dir.color, 0u);
        QCOMPARE(s.files.name, "Arial");
    }

    void pieLooksTakeOnlyUsableValues() {
        StoredSettings s;
        s.pie1Color = 255;
        s.pie1Slice = 0; // black: the design colour stays
        s.disk1 = {4194304, 11, "Courier"};
        s.pie2Color = 65535;
        s.disk2 = {0, 9, "Sys"};
        QStringList calls;
        auto setters = [&](const QString& pie) {
            return PieSetters{
                [&, pie](quint32 c) { calls << pie + " main " + QString::number(c); },
                [&, pie](quint32 c) { calls << pie + " slice " + QString::number(c); },
                [&, pie](quint32 c) { calls << pie + " font colour " + QString::number(c); },
                [&, pie](const QString& n) { calls << pie + " font " + n; },
                [&, pie](int z) { calls << pie + " size " + QString::number(z); }};
        };
        applyPieLook(diskPieLook(s), setters("disk"));
        applyPieLook(memoryPieLook(s), setters("memory"));
        QCOMPARE(calls,
                 (QStringList{"disk main 255", "disk font Courier", "disk font colour 4194304",
                              "disk size 11", "memory main 65535", "memory size 9"}));
    }

    void blackAndOtherUnworthyValuesKeepTheStoredOnes() {
        TestServices t;
        t.settings.write("Settings", "Pie1Color", "16711680");
        t.settings.write("Bet", "Total", "900");
        StoredSettings s = loadSettings(t.settings);
        s.disk1 = {0, 13, "Ari"};
        SaveInput in = firstRunClose(s);
        in.pie1Main = 0;
        in.bank = 50;
        in.bet = 0;
        in.dirCreated = true;
        in.dir = {0, 6, "Sans"}; // four characters are too few for the screens' fonts
        QVERIFY(saveSettings(t.settings, t.dialogs, in));
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), QString("16711680"));
        QCOMPARE(t.settings.read("Bet", "Total"), QString("900"));
        QCOMPARE(t.settings.read("Bet", "Bet"), std::nullopt);
        QVERIFY(t.settings.names("Disk1").isEmpty());
        QVERIFY(t.settings.names("Dir").isEmpty());
        QCOMPARE(loadSettings(t.settings).pie1Color, 16711680);
    }

    void openedScreensSaveTheirFonts() {
        TestServices t;
        t.settings.write("Files", "Fontsize", "9"); // stored under the spelling it already has
        SaveInput in = firstRunClose(loadSettings(t.settings));
        in.dirCreated = in.filesCreated = true;
        in.dir = {255, 12, "Arial"};
        in.files = {65535, 10, "Liberation Mono"};
        in.bank = 51;
        in.bet = 5;
        QVERIFY(saveSettings(t.settings, t.dialogs, in));
        QCOMPARE(t.settings.names("Dir"), (QStringList{"DirColor", "DirSize", "FontName"}));
        QCOMPARE(t.settings.names("Files"), (QStringList{"Fontsize", "FontColor", "FontName"}));
        const StoredSettings s = loadSettings(t.settings);
        QCOMPARE(s.dir.color, 255u);
        QCOMPARE(s.dir.size, 12);
        QCOMPARE(s.files.color, 65535u);
        QCOMPARE(s.files.size, 10);
        QCOMPARE(s.files.name, "Liberation Mono");
        QCOMPARE(s.total, 51);
        QCOMPARE(s.bet, 5);
    }

    void resetThenCloseLeavesNoneOfTheSections() {
        TestServices t;
        for (const QString& section : kSections)
            t.settings.write(section, "x", "1");
        t.settings.write("Elsewhere", "y", "2");
        StoredSettings s = loadSettings(t.settings);
        QVERIFY(resetSettings(t.settings, t.dialogs));
        QCOMPARE(
            t.dialogs.messages,
            QStringList{
                "Saved settings have been cleared. Close and restart Vok to return to defaults"});
        SaveInput in = firstRunClose(s);
        in.settingsCleared = true;
        in.dirCreated = in.filesCreated = true;
        QVERIFY(saveSettings(t.settings, t.dialogs, in));
        QCOMPARE(t.settings.sections(), QStringList{"Elsewhere"});
    }

    void failuresAreShownOnceAndNeverAsSuccess() {
        TestServices t;
        t.settings.failSaves = true;
        QVERIFY(!saveSettings(t.settings, t.dialogs, firstRunClose(loadSettings(t.settings))));
        QCOMPARE(t.dialogs.errors.size(), 1);
        QVERIFY(t.dialogs.errors[0].contains(t.settings.location()));
        QVERIFY(
            !resetSettings(t.settings, t.dialogs)); // a reset that could not be stored is not one
        QCOMPARE(t.dialogs.errors.size(), 2);
        QVERIFY(t.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
