#include "platform/linux/WindowCaption.h"
#include <QtTest>

using namespace vok;

class WindowCaptionTest : public QObject {
    Q_OBJECT
private slots:
    void decodesAndStopsAtNul() {
        QCOMPARE(captionFrom("Gr\xc3\xbc\xc3\x9f"
                             "e",
                             CaptionEncoding::Utf8),
                 QString("Grüße"));
        QCOMPARE(captionFrom("Gr\xfc\xdf"
                             "e",
                             CaptionEncoding::Latin1),
                 QString("Grüße"));
        QCOMPARE(captionFrom(QByteArray("one\0two", 7), CaptionEncoding::Latin1), QString("one"));
        QCOMPARE(captionFrom("", CaptionEncoding::Utf8), QString());
        // Broken UTF-8 still gives a caption, never more bytes than were there.
        QVERIFY(!captionFrom("ab\xff\xfe", CaptionEncoding::Utf8).isEmpty());
    }

    void cutToTheLimitWithoutSplittingACharacter() {
        const QByteArray ascii(300, 'x');
        QCOMPARE(captionFrom(ascii, CaptionEncoding::Latin1).size(), kCaptionLimit);
        QCOMPARE(captionFrom(ascii.left(kCaptionLimit), CaptionEncoding::Latin1).size(),
                 kCaptionLimit);
        // U+1F600 takes two UTF-16 units; 254 of them are 254 characters.
        QByteArray faces;
        for (int i = 0; i < 300; ++i)
            faces += "\xf0\x9f\x98\x80";
        const QString cut = captionFrom(faces, CaptionEncoding::Utf8);
        QCOMPARE(cut.size(), 2 * kCaptionLimit);
        QVERIFY(cut.back().isLowSurrogate());
        QCOMPARE(cut.toUcs4().size(), kCaptionLimit);
    }
};

QTEST_MAIN(WindowCaptionTest)
#include "window_caption_test.moc"
