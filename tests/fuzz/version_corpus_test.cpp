#include "fuzz/VersionFuzzEntry.h"
#include <QDirIterator>
#include <QtTest>

// Replays the fuzz corpus through the fuzz target's entry point; a crash found by fuzzing is
// kept in the corpus and so stays a test.
class VersionCorpusTest : public QObject {
    Q_OBJECT
private slots:
    void everyCorpusFileReadsSafely() {
        const QString dir = QStringLiteral(VOK_FUZZ_CORPUS);
        int files = 0;
        for (QDirIterator it(dir, QDir::Files); it.hasNext();) {
            QFile f(it.next());
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            const QByteArray bytes = f.readAll();
            vok::test::readVersionInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        size_t(bytes.size()));
            ++files;
        }
        QVERIFY(files >= 20);
    }
};

QTEST_GUILESS_MAIN(VersionCorpusTest)
#include "version_corpus_test.moc"
