#include "platform/IniText.h"
#include "platform/linux/LinuxSettingsFile.h"
#include "support/FileSizeLimit.h"
#include "support/OtherUser.h"
#include "support/TestFiles.h"
#include <QtTest>
#include <atomic>
#include <barrier>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace vok;

namespace {

// A path as a save could change it: what it is, through a link what that leads to, and the
// bytes of a regular file.
QByteArray stateOf(const QString& path) {
    QByteArray state;
    for (auto look : {::lstat, ::stat}) {
        struct stat st {};
        if (look(QFile::encodeName(path).constData(), &st) == 0)
            state += QByteArray::number(st.st_mode) + ' ' + QByteArray::number(st.st_uid) + ' ' +
                     QByteArray::number(qulonglong(st.st_ino)) + ' ' +
                     (S_ISREG(st.st_mode) ? readFile(path) : QByteArray()) + '\n';
    }
    return state;
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QString path_;

private slots:
    void init() {
        QVERIFY(home_.isValid());
        const QString config =
            home_.path() + "/" + QTest::currentTestFunction() + QTest::currentDataTag();
        QVERIFY(QDir().mkpath(config));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        path_ = config + "/Vok95.conf";
    }

    void parsingPassesOverWhatIsNotASetting() {
        const QByteArray text = "; comment\r\n"
                                "top=1\n"
                                "[Settings]\r\n"
                                "Pie1Color = 0xFF \n"
                                "\x01\x02\xff\xfe garbage without equals\n"
                                "=nameless\n"
                                "Font=a, b=c\n"
                                "Pie1Color=7\n"
                                "[Disk1\n"
                                "Fontsize=9\n"
                                "[]\n"
                                "Fontsize=10\n"
                                "[ Disk2 ]\n"
                                "Path=C:\\\\dir\\nnext\n";
        const IniText ini(text);
        QCOMPARE(ini.read("Settings", "Pie1Color"), QString("7")); // the later of two wins
        QCOMPARE(ini.read("Settings", "Font"), QString("a, b=c"));
        QCOMPARE(ini.read("Disk2", "Path"), QString("C:\\dir\nnext"));
        QCOMPARE(ini.read("Disk1", "Fontsize"), std::nullopt); // broken sections hold nothing
        QCOMPARE(ini.read("", "Fontsize"), std::nullopt);
        QCOMPARE(ini.text(), text); // and every line goes back as it came
    }

    void writtenValuesReadBackAndForeignLinesStayExact() {
        const QByteArray foreign = "# kept\n[Foo/Bar]\nx=1\nA/B = c\\d\n[Settings]\r\nOther=1\r\n"
                                   "junk \xff\n[Disk2\nFontsize=1\n";
        IniText ini(foreign);
        const QString odd =
            QString::fromUtf8("line\nbreak\\back\rcr D\xc3\xa9v\xc3\xa9 \xe5\xad\x97");
        ini.write("settings", "Pie1Color", odd);
        ini.write("Disk2", "Fontsize", "9");
        ini.write("Foo/Bar", "y", "");
        const IniText again(ini.text());
        QCOMPARE(again.read("Settings", "Pie1Color"), odd);
        QCOMPARE(again.read("disk2", "FONTSIZE"), QString("9"));
        QCOMPARE(again.read("Foo/Bar", "x"), QString("1"));
        QCOMPARE(again.read("foo/bar", "a/b"), QString("c\\d"));
        QCOMPARE(again.read("Foo/Bar", "y"), QString(""));
        QCOMPARE(ini.text(),
                 QByteArray(
                     "# kept\n[Foo/Bar]\nx=1\nA/B = c\\d\ny=\n[Settings]\r\n"
                     "Other=1\r\njunk \xff\nPie1Color=line\\nbreak\\\\back\\rcr D\xc3\xa9v\xc3\xa9 "
                     "\xe5\xad\x97\n[Disk2\nFontsize=1\n\n[Disk2]\nFontsize=9\n"));
    }

    // Both spellings of a section are one section; a value stored only in the one that is not
    // spelt as asked is still found, and written where it is.
    void sectionsMatchInAnyCase() {
        IniText ini("[settings]\nPie1Color=5\n[Settings]\nPie2Color=6\n[SETTINGS]\npie2color=7\n");
        QCOMPARE(ini.read("Settings", "Pie1Color"), QString("5"));
        QCOMPARE(ini.read("settings", "Pie2Color"), QString("7")); // the later line wins
        ini.write("Settings", "PIE1COLOR", "8");
        ini.write("Settings", "Pie2Color", "9");
        QCOMPARE(ini.text(), QByteArray("[settings]\nPie1Color=8\n[Settings]\n[SETTINGS]\n"
                                        "pie2color=9\n"));
        ini.deleteSection("SeTTings");
        QCOMPARE(ini.text(), QByteArray());
        QCOMPARE(ini.read("Settings", "Pie1Color"), std::nullopt);
    }

    // The file at the default path, under $XDG_CONFIG_HOME.
    void namesMatchInAnyCaseAndKeepTheirSpelling() {
        QCOMPARE(LinuxSettingsFile::defaultPath(), path_);
        QVERIFY(writeFile(path_, "[dir]\ndirsize=9\n[Files]\nFontsize=7\nFONTSIZE=11\n"));
        {
            LinuxSettingsFile file;
            QCOMPARE(file.read("DIR", "Dirsize"), QString("9")); // the rest of reading is IniText's
            file.write("Dir", "DirSize", "10");
            file.write("Files", "FontSize", "12");
            QVERIFY(file.save());
        }
        const QByteArray text = readFile(path_);
        QVERIFY(text.contains("[dir]\ndirsize=10\n"));
        QVERIFY(!text.contains("DirSize") && !text.contains("[Dir]"));
        QCOMPARE(text.toLower().count("fontsize="), 1); // the two spellings became one value
        QVERIFY(text.contains("[Files]\nFONTSIZE=12\n"));
        QCOMPARE(LinuxSettingsFile(path_).read("files", "fontsize"), QString("12"));
    }

    // Other programs' lines go back byte for byte; only what Vok writes changes.
    void savingKeepsWhatItDoesNotWrite() {
        const QByteArray theirs =
            "[Foo/Bar]\nx=1\n\n; note\n[foo]\nBar/x = 2\n[Settings]\nUnknown=abc\n";
        QVERIFY(writeFile(path_, theirs + "Pie1Color=5\n[disk1]\nFontsize=9\n"));
        LinuxSettingsFile file(path_);
        file.write("Settings", "Pie1Color", "6");
        file.write("Bet", "Total", "600");
        file.deleteSection("Disk1");
        QCOMPARE(file.read("Disk1", "Fontsize"), std::nullopt);
        QVERIFY(file.save());
        QCOMPARE(readFile(path_), theirs + "Pie1Color=6\n\n[Bet]\nTotal=600\n");
    }

    // A save the disk refuses leaves the old file as it was, and nothing beside it.
    void refusedSaveLeavesTheOldFile_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("read-only folder") << false;
        QTest::newRow("full disk") << true;
    }
    void refusedSaveLeavesTheOldFile() {
        QFETCH(bool, fullDisk);
        if (!fullDisk && ::geteuid() == 0)
            QSKIP("permissions do not bind root; the full disk binds it");
        const QByteArray old =
            "[Settings]\nPie1Color=5\n[Notes]\ntext=" + QByteArray(3000, 'n') + "\n";
        QVERIFY(writeFile(path_, old));
        const QString dir = QFileInfo(path_).path();
        LinuxSettingsFile file(path_);
        file.write("Settings", "Pie1Color", "6");
        std::optional<FileSizeLimit> limit;
        if (fullDisk)
            limit.emplace(2048);
        else
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        const bool saved = file.save();
        limit.reset();
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(readFile(path_), old);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"Vok95.conf"});
    }

    // Opening a FIFO for reading waits for a writer; a device never ends; a link or a file of
    // another user is theirs (root once replaced their file with one of its own).
    void pathsNotOwnAreLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"folder", "FIFO", "link to a device", "link to a file of another", "file of another",
              "link to a file of one's own", "missing in a folder of another"})
            QTest::newRow(kind) << kind;
    }
    void pathsNotOwnAreLeftAlone() {
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(path_);
        const QByteArray target = QFile::encodeName(QFileInfo(path_).path() + "/target.conf");
        const QByteArray theirs = kind.startsWith("link") ? target : path;
        if (kind == "folder")
            QCOMPARE(::mkdir(path, 0700), 0);
        if (kind == "FIFO")
            QCOMPARE(::mkfifo(path, 0600), 0);
        if (kind.startsWith("link"))
            QCOMPARE(::symlink(kind.endsWith("device") ? "/dev/zero" : target.constData(), path),
                     0);
        if (kind.contains("file"))
            QVERIFY(writeFile(QFile::decodeName(theirs), "[Settings]\nPie1Color=77\n"));
        if (kind.contains("another")) {
            const OtherUser other;
            if (!other.failure.isEmpty())
                QSKIP(qPrintable(other.failure));
            QVERIFY(other.give(kind.startsWith("missing") ? QFileInfo(path_).path()
                                                          : QFile::decodeName(theirs)));
        }
        const QByteArray before = stateOf(path_);
        std::optional<QString> value = QString("unread");
        bool saved = true;
        auto start = std::async(std::launch::async, [&] {
            LinuxSettingsFile file(path_);
            value = file.read("Settings", "Pie1Color");
            file.write("Settings", "Pie1Color", "255");
            saved = file.save();
        });
        const bool blocked = start.wait_for(std::chrono::seconds(5)) != std::future_status::ready;
        if (blocked) // let a reader of the FIFO go, so that the test can end
            ::close(::open(path, O_WRONLY | O_NONBLOCK));
        start.wait();
        QVERIFY2(!blocked, "the settings path blocked");
        QCOMPARE(stateOf(path_), before);
        QVERIFY(!saved); // and the failure told
        QCOMPARE(value, std::nullopt);
    }

    // Two copies closing at once, round after round, on a real disk: neither loses a value.
    // Threads with a store each race as processes do, and would show a lock held per process.
    void copiesSavingAtOnceKeepEachOthersChanges() {
        constexpr int kRounds = 100;
        std::barrier meet(2);
        std::atomic<int> failures{0};
        auto copy = [&](const QString& name) {
            for (int round = 0; round < kRounds; ++round) {
                meet.arrive_and_wait(); // both read what the last round left
                LinuxSettingsFile file(path_);
                file.write(name, "Round" + QString::number(round), "1");
                meet.arrive_and_wait();
                failures += file.save() ? 0 : 1;
            }
        };
        std::thread a(copy, "A"), b(copy, "B");
        a.join();
        b.join();
        QCOMPARE(failures, 0);
        LinuxSettingsFile file(path_);
        QStringList lost;
        for (const QString name : {"A", "B"})
            for (int round = 0; round < kRounds; ++round)
                if (!file.read(name, "Round" + QString::number(round)))
                    lost << name + QString::number(round);
        QVERIFY2(lost.isEmpty(), qPrintable("lost: " + lost.join(' ')));
    }

    // Its speed is vok-bench settings' figure; here only that nothing else changes, binary
    // garbage before the first section included.
    void largeFileChangesOnlyTheValueWritten() {
        QByteArray text(4096, '\0');
        for (int i = 0; i < text.size(); ++i)
            text[i] = char((i * 7919) % 256);
        text += "\n[Settings]\nPie1Color=5\n[Junk]\n";
        for (int i = 0; i < 300000; ++i)
            text += "SomeRatherLongName" + QByteArray::number(i) + "=value\n";
        text += "[Disk1]\nFontsize=9\n";
        QVERIFY(writeFile(path_, text));
        LinuxSettingsFile file(path_);
        QCOMPARE(file.read("Settings", "Pie1Color"), QString("5"));
        QCOMPARE(file.read("Disk1", "fontsize"), QString("9"));
        file.write("Settings", "Pie1Color", "6");
        QVERIFY(file.save());
        QCOMPARE(readFile(path_), text.replace("Pie1Color=5", "Pie1Color=6"));
    }
};

QTEST_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
