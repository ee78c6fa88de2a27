#include "controls/PieGraf.h"
#include "main/SettingsStore.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QAction>
#include <QtTest>

using namespace vok;

namespace {

const QStringList kSections{"Bet", "Settings", "Disk1", "Disk2", "Dir", "Files"};

using Stored = std::tuple<const char*, const char*, const char*>; // section, name, text

QVariantList font(const FontSetting& f) {
    return {f.color, f.size, f.name};
}

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

    // What the first run loads and stores: firstRunFontsAndWhatClosingStores.
    void outOfRangeValuesBecomeDefaults() {
        TestServices t;
        for (const auto& [section, key, value] :
             {Stored{"Disk1", "Fontsize", "14"},
              {"Disk2", "Fontsize", "6"},
              {"Disk2", "Fontcolor", "-3"},
              {"Dir", "dirsize", "12"}, // any spelling of the name
              {"Files", "Fontsize", "7"},
              {"Settings", "AllColor", "-7"},
              {"Settings", "AllSlice", "0x10"},
              {"Settings", "Pie1Color", "0xFF"},
              {"Settings", "Pie2Color", "blue"},
              {"Bet", "Total", "-20"},
              {"Disk1", "FontName", "A font name well past twenty characters"}})
            t.settings.write(section, key, value);
        const StoredSettings s = loadSettings(t.settings);
        QCOMPARE(font(s.disk1), font({0, 8, "A font name well pas"}));
        QCOMPARE(font(s.disk2), font({0, 8, "Arial"}));
        QCOMPARE(font(s.dir), font({0, 12, "Arial"}));
        QCOMPARE(font(s.files), font({0, 7, "Arial"}));
        // Pie colours, then the bank (the game decides what to do with a bad one) and the bet.
        QCOMPARE((QList<qint32>{s.allColor, s.allSlice, s.pie1Color, s.pie2Color, s.pie1Slice,
                                s.pie2Slice, s.total, s.bet}),
                 (QList<qint32>{32768, 16, 255, -1, -1, -1, -20, -1}));
        QCOMPARE(settingInt(std::nullopt, 42), 42); // nothing stored: the default
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
        QCOMPARE(font(s.dir), font(in.dir));
        QCOMPARE(font(s.files), font(in.files));
        QCOMPARE((QList<qint32>{s.total, s.bet}), (QList<qint32>{51, 5}));
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

    // The main window's side: what it loads at its making and stores at closing.
    void firstRunFontsAndWhatClosingStores() {
        TestServices t;
        t.settings.write("Dir", "DirColor", "7");
        t.settings.write("Files", "FontName", "Courier New");
        TfmVok fm(t.services, QSize(640, 480));
        // Pie 2's font keeps its design colour.
        QCOMPARE(
            (QVariantList{fm.PieGraf1->font().family(), fm.PieGraf1->font().pointSize(),
                          fm.PieGraf2->font().pointSize(), fm.PieGraf2->fontColor(),
                          fm.PieGraf1->mainColor(), fm.display().AllColor, fm.display().AllSlice}),
            (QVariantList{"Arial", 8, 8, 4194304u, 8454016u, 32768, 255}));
        fm.FormClose();
        QCOMPARE(t.settings.read("Disk1", "FontName"), std::optional<QString>("Arial"));
        QCOMPARE(t.settings.read("Disk1", "Fontsize"), std::optional<QString>("8"));
        QCOMPARE(t.settings.read("Disk1", "Fontcolor"), std::nullopt); // black is not stored
        QCOMPARE(t.settings.read("Disk2", "FontName"), std::optional<QString>("Arial"));
        QCOMPARE(t.settings.read("Disk2", "Fontsize"), std::optional<QString>("8"));
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("8454016"));
        QCOMPARE(t.settings.read("Settings", "AllColor"), std::optional<QString>("32768"));
        QCOMPARE(t.settings.read("Settings", "AllSlice"), std::optional<QString>("255"));
        QCOMPARE(t.settings.read("Dir", "DirColor"), std::optional<QString>("7")); // untouched
        // Neither screen was opened: their sections stay exactly as they were.
        QCOMPARE(t.settings.names("Dir"), QStringList{"DirColor"});
        QCOMPARE(t.settings.names("Files"), QStringList{"FontName"});
        QCOMPARE(t.settings.saves, 1);
        QVERIFY(t.dialogs.errors.isEmpty());
    }

    void storedColoursAndFontsAreApplied() {
        TestServices t;
        t.settings.write("Settings", "pie1color", "0xFF");
        t.settings.write("Settings", "Pie2Slice", "blue");
        t.settings.write("Disk2", "Fontsize", "14");
        t.settings.write("Disk2", "Fontcolor", "255");
        TfmVok fm(t.services, QSize(640, 480));
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(255));
        QCOMPARE(fm.PieGraf2->sliceColor(), quint32(16711680)); // unreadable: design colour
        QCOMPARE(fm.PieGraf2->font().pointSize(), 8);
        QCOMPARE(fm.PieGraf2->fontColor(), quint32(255));
    }

    void blackIsShownButNotStoredAndTheDefaultsAre() {
        TestServices t;
        t.settings.write("Settings", "Pie1Color", "65280");
        TfmVok fm(t.services, QSize(640, 480));
        t.dialogs.colors = {quint32(0)};
        fm.FreeSpace1Click();
        QCOMPARE(fm.PieGraf1->mainColor(), quint32(0));
        fm.FormClose();
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("65280"));
        // Set to Default is stored.
        fm.SettoDefault1Click();
        fm.FormClose();
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("255"));
        QCOMPARE(t.settings.read("Settings", "Pie1Slice"), std::optional<QString>("32768"));
    }

    void resetThenCloseLeavesNothing() {
        TestServices t;
        t.settings.write("Bet", "Total", "900");
        t.settings.write("Settings", "Pie1Color", "255");
        t.settings.write("Files", "FontSize", "9");
        TfmVok fm(t.services, QSize(640, 480));
        t.dialogs.answers = {Answer::No, Answer::Cancel, Answer::Yes};
        fm.ResetSettings1Click();
        fm.ResetSettings1Click();
        QVERIFY(!fm.settingsCleared());
        QCOMPARE(t.settings.read("Settings", "Pie1Color"), std::optional<QString>("255"));
        QVERIFY(t.dialogs.messages.isEmpty());
        fm.ResetSettings1->trigger();
        QVERIFY(fm.settingsCleared());
        QCOMPARE(t.dialogs.confirmations,
                 QStringList(3, "Are you sure you wish to clear all saved settings?"));
        QCOMPARE(t.dialogs.confirmButtons, QList<Buttons>(3, Buttons::YesNoCancel));
        fm.FormClose();
        QVERIFY(t.settings.sections().isEmpty());
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
