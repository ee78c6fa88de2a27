#include "platform/IniText.h"
#include "platform/linux/LinuxSettingsFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vok;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    QString path_;

private slots:
    void init() {
        QVERIFY(home_.isValid());
        // A fresh config folder per test keeps QSettings' cache of parsed files out of the way.
        const QString config = home_.path() + "/" + QTest::currentTestFunction();
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
        const QSettings::SettingsMap map = parseIniText(text);
        QCOMPARE(map.value("top").toString(), "1");
        QCOMPARE(map.value("Settings/Pie1Color").toString(), "7"); // the later of two wins
        QCOMPARE(map.value("Settings/Font").toString(), "a, b=c");
        QCOMPARE(map.value("Disk2/Path").toString(), "C:\\dir\nnext");
        QCOMPARE(map.size(), 4); // nothing under the broken sections, nothing nameless
    }

    void formattedTextParsesBackToTheSameMap() {
        QSettings::SettingsMap map;
        map.insert("top", "t");
        map.insert("A/x", "line\nbreak\\back\rcr");
        map.insert("A/y", "");
        map.insert("A.b/z", "=");
        map.insert("B/n/m", "nested");
        map.insert("Settings/Name", QString::fromUtf8("Dévé 字"));
        QCOMPARE(parseIniText(formatIniText(map)), map);
    }

    void defaultPathFollowsXdgConfigHome() {
        QCOMPARE(LinuxSettingsFile::defaultPath(), path_);
        LinuxSettingsFile file;
        file.write("Settings", "Pie1Color", "255");
        QVERIFY(file.save());
        QVERIFY(contents(path_).contains("[Settings]\nPie1Color=255\n"));
    }

    void namesMatchInAnyCaseAndKeepTheirSpelling() {
        put(path_, "[dir]\ndirsize=9\n[Files]\nFontsize=7\nFONTSIZE=11\n");
        {
            LinuxSettingsFile file(path_);
            QCOMPARE(file.read("Dir", "DirSize"), QString("9"));
            QCOMPARE(file.read("DIR", "Dirsize"), QString("9"));
            QCOMPARE(file.read("Dir", "FontName"), std::nullopt);
            QCOMPARE(file.read("Nowhere", "DirSize"), std::nullopt);
            file.write("Dir", "DirSize", "10");
            file.write("Files", "FontSize", "12");
            QVERIFY(file.save());
        }
        const QByteArray text = contents(path_);
        QVERIFY(text.contains("[dir]\ndirsize=10\n"));
        QVERIFY(!text.contains("DirSize") && !text.contains("[Dir]"));
        QCOMPARE(text.toLower().count("fontsize="), 1); // the two spellings became one value
        QCOMPARE(LinuxSettingsFile(path_).read("files", "fontsize"), QString("12"));
    }

    void savingKeepsWhatItDoesNotWrite() {
        put(path_, "[Other]\nx=1\n[Settings]\nUnknown=abc\nPie1Color=5\n[disk1]\nFontsize=9\n");
        LinuxSettingsFile file(path_);
        file.write("Settings", "Pie1Color", "6");
        file.write("Bet", "Total", "600");
        file.deleteSection("Disk1");
        QCOMPARE(file.read("Disk1", "Fontsize"), std::nullopt);
        QVERIFY(file.save());
        LinuxSettingsFile again(path_);
        QCOMPARE(again.read("Other", "x"), QString("1"));
        QCOMPARE(again.read("Settings", "Unknown"), QString("abc"));
        QCOMPARE(again.read("Settings", "Pie1Color"), QString("6"));
        QCOMPARE(again.read("Bet", "Total"), QString("600"));
        QVERIFY(!contents(path_).toLower().contains("disk1"));
    }

    void garbageFileStillSavesAndSaysSo() {
        QByteArray junk(4096, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 7919) % 256);
        put(path_, junk + "\n[Settings]\nPie1Color=255\n");
        LinuxSettingsFile file(path_);
        QCOMPARE(file.read("Settings", "Pie1Color"), QString("255"));
        file.write("Settings", "Pie2Color", "65535");
        QVERIFY(file.save());
        QCOMPARE(LinuxSettingsFile(path_).read("Settings", "Pie2Color"), QString("65535"));
    }

    void pathThatIsAFolderReadsNothingAndFailsToSave() {
        QVERIFY(QDir().mkpath(path_));
        LinuxSettingsFile file(path_);
        QCOMPARE(file.read("Settings", "Pie1Color"), std::nullopt);
        file.write("Settings", "Pie1Color", "255");
        QVERIFY(!file.save());
        QVERIFY(QFileInfo(path_).isDir());
    }

    void readOnlyFolderFailsAndLeavesTheOldFile() {
        const QByteArray old = "[Settings]\nPie1Color=5\n";
        put(path_, old);
        const QString dir = QFileInfo(path_).path();
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(dir + "/probe");
        const bool writable = probe.open(QIODevice::WriteOnly);
        if (writable)
            probe.remove();
        if (writable) {
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions do not bind root; settings_store_test fills the disk instead");
        }
        LinuxSettingsFile file(path_);
        file.write("Settings", "Pie1Color", "6");
        const bool saved = file.save();
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(contents(path_), old);
    }
};

QTEST_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
