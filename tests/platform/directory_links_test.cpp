#include "platform/linux/LinuxDirectoryReader.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vok;

namespace {
// Notes the entries of a walk and the directories it enters.
struct Entered : WalkVisitor {
    QStringList names, entered;
    bool entry(const DirEntry& e) override {
        names << e.name();
        return true;
    }
    bool entersDirectory(const DirEntry&) override { return true; }
    void enter(const QByteArray& name) override { entered << QString::fromUtf8(name); }
    void leave() override {}
};
} // namespace

class DirectoryLinksTest : public QObject {
    Q_OBJECT
private slots:
    void onlyLinksThatLeadToDirectoriesWithTheirRealTarget() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString root = QFileInfo(tmp.path()).canonicalFilePath();
        QVERIFY(QDir(root).mkpath("real/inner"));
        QVERIFY(QDir(root).mkpath("other"));
        QFile file(root + "/file");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::link("real", root + "/dirlink"));
        QVERIFY(QFile::link("dirlink/inner", root + "/chain")); // through another link
        QVERIFY(QFile::link("file", root + "/filelink"));
        QVERIFY(QFile::link("missing", root + "/dangling"));
        QVERIFY(QFile::link("loop", root + "/loop"));
        QVERIFY(QFile::link("../other", root + "/real/up")); // inside the target

        LinuxDirectoryReader reader;
        QMap<QString, QString> found;
        for (const DirectoryLink& l : reader.directoryLinks(root))
            found[l.name] = l.target;
        QCOMPARE(found.keys(), (QStringList{"chain", "dirlink"}));
        QCOMPARE(found["dirlink"], root + "/real");
        QCOMPARE(found["chain"], root + "/real/inner");

        // A walk started at the target still passes over the link inside it.
        Entered walk;
        QVERIFY(reader.walk(found["dirlink"], walk));
        QVERIFY(walk.names.contains("up"));
        QCOMPARE(walk.entered, QStringList{"inner"});
    }
};

QTEST_MAIN(DirectoryLinksTest)
#include "directory_links_test.moc"
