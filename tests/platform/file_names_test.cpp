#include "platform/FileNames.h"
#include "platform/WildcardMask.h"
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QtTest>

using namespace vok;

class FileNamesTest : public QObject {
    Q_OBJECT
private slots:
    void bytesRoundTrip_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::newRow("utf-8") << QByteArray("\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80.txt");
        QTest::newRow("lone bytes") << QByteArray("bad\xff\xfe name");
        QTest::newRow("cut sequence") << QByteArray("ab\xc3");
        QTest::newRow("overlong slash") << QByteArray("x\xc0\xafy");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80z");
        // A name that really holds the characters used for lone bytes.
        QTest::newRow("escape range") << QByteArray("\xee\xbe\x80\xee\xbf\xbf");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbfx\xef\xbb\xbf");
        QTest::newRow("newline and blanks") << QByteArray(" a\nb ");
    }
    void bytesRoundTrip() {
        QFETCH(QByteArray, raw);
        const QString text = decodeFileName(raw);
        QCOMPARE(encodeFileName(text), raw);
        // The text survives being stored as UTF-8, as the grid stores its cells.
        QCOMPARE(encodeFileName(QString::fromUtf8(text.toUtf8())), raw);
    }
    void randomNamesRoundTripAndStayApart() {
        // Bytes drawn mostly from the ones that make and break UTF-8 sequences and escapes.
        static const uchar pool[] = {'a',  0xbb, 0x00, 0x7f, 0x80, 0xbd, 0xbe, 0xbf, 0xc0, 0xc3,
                                     0xa9, 0xe0, 0xed, 0xee, 0xef, 0xf0, 0xf4, 0xf5, 0xff, 0x9f};
        QRandomGenerator rng(9);
        QHash<QString, QByteArray> seen;
        for (int i = 0; i < 200000; ++i) {
            QByteArray raw(rng.bounded(1, 9), Qt::Uninitialized);
            for (char& c : raw)
                c = char(rng.bounded(4) == 0 ? rng.bounded(256) : pool[rng.bounded(20)]);
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
        QCOMPARE(joinPath("/", "a"), QString("/a"));
        QCOMPARE(joinPath("/home", "a"), QString("/home/a"));
        QCOMPARE(joinPath("/home/", "a"), QString("/home/a"));
        QCOMPARE(withTrailingSlash("/"), QString("/"));
        QCOMPARE(withTrailingSlash("/data"), QString("/data/"));
    }

    void masks() {
        const struct {
            const char *mask, *name;
            bool match;
        } cases[] = {
            {"*.*", "Makefile", true},
            {"*.*", ".bashrc", true},
            {"", "x", true},
            {"*.TXT", "readme.txt", true},
            {"*.sys", "a.sys.bak", false},
            {"con*.sys", "config2.sys", true},
            {"a?c", "abc", true},
            {"a?c", "ac", false},
            {"*.", "README", true},
            {"*.", "a.txt", false},
            {"abc.", "ABC", true},
            {"con*.*", "config", true},
            {"con*.*", "autoexec", false},
            {"*a*b", "xaxxaxb", true},
            {"\xc3\x89*", "\xc3\xa9t\xc3\xa9", true}, // É* finds été
        };
        for (const auto& c : cases) {
            const bool got =
                WildcardMask(QString::fromUtf8(c.mask)).matches(QString::fromUtf8(c.name));
            QVERIFY2(got == c.match, qPrintable(QString("%1 on %2").arg(c.mask, c.name)));
        }
    }

    // Matching a name as stored agrees with matching its text, on the quick ASCII way and off it.
    void masksOnStoredNames() {
        const char* masks[] = {"*.*",    "*.txt", "*.TXT",     "a?c",  "*.",
                               "con*.*", "k*",    "\xc3\x89*", "*\xff"};
        const char* names[] = {"a.TXT",
                               "readme",
                               "abc",
                               "config",
                               "K.txt",
                               "\xe2\x84\xaa.txt", // KELVIN SIGN folds to k
                               "\xc3\xa9t\xc3\xa9",
                               "bad\xff",
                               ".hidden",
                               "x.tar.gz"};
        for (const char* m : masks) {
            const WildcardMask mask(QString::fromUtf8(m));
            for (const char* n : names) {
                const QByteArray raw(n);
                QVERIFY2(
                    mask.matchesFileName(raw) == mask.matches(decodeFileName(raw)),
                    qPrintable(QString("%1 on %2").arg(QString::fromUtf8(m), decodeFileName(raw))));
            }
        }
        QVERIFY(WildcardMask("k*").matchesFileName("\xe2\x84\xaa.txt"));
        QVERIFY(!WildcardMask("*.txt").matchesFileName("a.txt.bak"));
    }
};

QTEST_MAIN(FileNamesTest)
#include "file_names_test.moc"
