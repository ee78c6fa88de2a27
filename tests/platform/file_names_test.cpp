#include "platform/FileNames.h"
#include "platform/WildcardMask.h"
#include <QtTest>

using namespace vok;

class FileNamesTest : public QObject {
    Q_OBJECT
private slots:
    // Chosen names (UTF-8; lone bytes; a cut sequence; an overlong slash; an encoded surrogate;
    // the very characters used for lone bytes; byte order marks; a newline and blanks), then
    // random ones of bytes drawn mostly from those that make and break UTF-8 sequences and
    // escapes. Each comes back from its text, also once that is stored as UTF-8 as the grid
    // stores its cells, and no two share a text.
    void namesRoundTripAndStayApart() {
        QList<QByteArray> names = {"\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80.txt",
                                   "bad\xff\xfe name",
                                   "ab\xc3",
                                   "x\xc0\xafy",
                                   "\xed\xa0\x80z",
                                   "\xee\xbe\x80\xee\xbf\xbf",
                                   "\xef\xbb\xbfx\xef\xbb\xbf",
                                   " a\nb "};
        static const uchar pool[] = {'a',  0xbb, 0x00, 0x7f, 0x80, 0xbd, 0xbe, 0xbf, 0xc0, 0xc3,
                                     0xa9, 0xe0, 0xed, 0xee, 0xef, 0xf0, 0xf4, 0xf5, 0xff, 0x9f};
        QRandomGenerator rng(9);
        for (int i = 0; i < 200000; ++i) {
            QByteArray raw(rng.bounded(1, 9), Qt::Uninitialized);
            for (char& c : raw)
                c = char(rng.bounded(4) == 0 ? rng.bounded(256) : pool[rng.bounded(20)]);
            names << raw;
        }
        QHash<QString, QByteArray> seen;
        for (const QByteArray& raw : names) {
            const QString text = decodeFileName(raw);
            QCOMPARE(encodeFileName(text), raw);
            QCOMPARE(encodeFileName(QString::fromUtf8(text.toUtf8())), raw);
            const QByteArray earlier = seen.value(text, raw);
            QVERIFY2(earlier == raw, raw.toHex().constData());
            seen.insert(text, raw);
        }
    }
    void qtDecodingLosesBytesThatOursKeeps() {
        // Two files that differ only in a non-UTF-8 byte must stay two names.
        const QByteArray a("a\xff"), b("a\xfe");
        QCOMPARE(QFile::decodeName(a), QFile::decodeName(b)); // why Qt's own is not used
        QVERIFY(QFile::encodeName(QFile::decodeName(a)) != a);
        QVERIFY(decodeFileName(a) != decodeFileName(b));
        QCOMPARE(decodeFileName(QByteArray("caf\xc3\xa9")), QFile::decodeName("caf\xc3\xa9"));
    }
    void joiningNeverDoublesTheSeparator() {
        QCOMPARE((QStringList{joinPath("/", "a"), joinPath("/home", "a"), joinPath("/home/", "a"),
                              withTrailingSlash("/"), withTrailingSlash("/data")}),
                 (QStringList{"/a", "/home/a", "/home/a", "/", "/data/"}));
    }

    // "mask:name" pairs; the last pair of the first: É* finds été.
    void masks() {
        for (const auto& [pairs, match] :
             {std::pair{"*.*:Makefile *.*:.bashrc :x *.TXT:readme.txt con*.sys:config2.sys a?c:abc "
                        "*.:README abc.:ABC con*.*:config *a*b:xaxxaxb \xc3\x89*:\xc3\xa9t\xc3\xa9",
                        true},
              {"*.sys:a.sys.bak a?c:ac *.:a.txt con*.*:autoexec", false}})
            for (const QString& pair : QString::fromUtf8(pairs).split(' ')) {
                const QString mask = pair.section(':', 0, 0), name = pair.section(':', 1);
                QVERIFY2(WildcardMask(mask).matches(name) == match, qPrintable(pair));
            }
    }

    // Matching a name as stored agrees with matching its text, on the quick ASCII way and off it.
    void masksOnStoredNames() {
        // The sixth name starts with KELVIN SIGN, which folds to k.
        for (const QByteArray& m :
             QByteArray("*.* *.txt *.TXT a?c *. con*.* k* \xc3\x89* *\xff").split(' ')) {
            const WildcardMask mask(QString::fromUtf8(m));
            for (const QByteArray& raw :
                 QByteArray("a.TXT readme abc config K.txt \xe2\x84\xaa.txt "
                            "\xc3\xa9t\xc3\xa9 bad\xff .hidden x.tar.gz")
                     .split(' '))
                QVERIFY2(
                    mask.matchesFileName(raw) == mask.matches(decodeFileName(raw)),
                    qPrintable(QString("%1 on %2").arg(QString::fromUtf8(m), decodeFileName(raw))));
        }
        QVERIFY(WildcardMask("k*").matchesFileName("\xe2\x84\xaa.txt"));
        QVERIFY(!WildcardMask("*.txt").matchesFileName("a.txt.bak"));
    }
};

QTEST_MAIN(FileNamesTest)
#include "file_names_test.moc"
