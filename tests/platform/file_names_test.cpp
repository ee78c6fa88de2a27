#include "platform/FileNames.h"
#include "platform/WildcardMask.h"
#include <QFile>
#include <QtTest>

using namespace vok;

class FileNamesTest : public QObject {
    Q_OBJECT
private slots:
    void bytesRoundTrip_data() {
        QTest::addColumn<QByteArray>("raw");
        QTest::newRow("ascii") << QByteArray("readme.txt");
        QTest::newRow("utf-8") << QByteArray("\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80.txt");
        QTest::newRow("lone bytes") << QByteArray("bad\xff\xfe name");
        QTest::newRow("cut sequence") << QByteArray("ab\xc3");
        QTest::newRow("overlong slash") << QByteArray("x\xc0\xafy");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80z");
        // A name that really holds the characters used for lone bytes.
        QTest::newRow("escape range") << QByteArray("\xee\xbe\x80\xee\xbf\xbf");
        QTest::newRow("newline and blanks") << QByteArray(" a\nb ");
    }
    void bytesRoundTrip() {
        QFETCH(QByteArray, raw);
        const QString text = decodeFileName(raw);
        QCOMPARE(encodeFileName(text), raw);
        // The text survives being stored as UTF-8, as the grid stores its cells.
        QCOMPARE(encodeFileName(QString::fromUtf8(text.toUtf8())), raw);
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

    void masks_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("match");
        QTest::newRow("*.* dotless") << "*.*"
                                     << "Makefile" << true;
        QTest::newRow("*.* hidden") << "*.*"
                                    << ".bashrc" << true;
        QTest::newRow("empty is all") << ""
                                      << "x" << true;
        QTest::newRow("case") << "*.TXT"
                              << "readme.txt" << true;
        QTest::newRow("ext") << "*.sys"
                             << "config.sys.bak" << false;
        QTest::newRow("prefix") << "con*.sys"
                                << "config2.sys" << true;
        QTest::newRow("prefix miss") << "con*.sys"
                                     << "autoexec.sys" << false;
        QTest::newRow("question") << "a?c"
                                  << "abc" << true;
        QTest::newRow("question needs one") << "a?c"
                                            << "ac" << false;
        QTest::newRow("trailing dot") << "*."
                                      << "README" << true;
        QTest::newRow("trailing dot has dot") << "*."
                                              << "a.txt" << false;
        QTest::newRow("name dot") << "abc."
                                  << "ABC" << true;
        QTest::newRow("dot star dotless") << "con*.*"
                                          << "config" << true;
        QTest::newRow("dot star other") << "con*.*"
                                        << "autoexec" << false;
        QTest::newRow("backtracking") << "*a*b"
                                      << "xaxxaxb" << true;
        QTest::newRow("accented case") << "É*"
                                       << "été" << true;
    }
    void masks() {
        QFETCH(QString, mask);
        QFETCH(QString, name);
        QFETCH(bool, match);
        QCOMPARE(WildcardMask(mask).matches(name), match);
    }
};

QTEST_MAIN(FileNamesTest)
#include "file_names_test.moc"
