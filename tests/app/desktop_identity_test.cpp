// The window icon comes from the program's resources in every shipped size.
#include "app/DesktopIdentity.h"
#include <QApplication>
#include <QTest>
#include <QWidget>

class DesktopIdentityTest : public QObject {
    Q_OBJECT
private slots:
    void everySizeIsInTheResources() {
        const QIcon icon = vok::vokIcon();
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            // A missing resource gives an icon that scales another size: ask for the file.
            const QImage image(QStringLiteral(":/icons/vok-%1.png").arg(size));
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.hasAlphaChannel());
            QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        }
        // Transparent corners, an opaque centre: a pie, not a square.
        const QImage big(QStringLiteral(":/icons/vok-256.png"));
        QCOMPARE(qAlpha(big.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(big.pixel(100, 160)), 255);
    }

    void windowsCreatedLaterShowTheIcon() {
        vok::installDesktopIdentity();
        QWidget later;
        QVERIFY(!later.windowIcon().isNull());
        QCOMPARE(later.windowIcon().pixmap(48).toImage(),
                 QImage(QStringLiteral(":/icons/vok-48.png"))
                     .convertToFormat(later.windowIcon().pixmap(48).toImage().format()));
        QVERIFY(!QGuiApplication::desktopFileName().isEmpty());
    }
};

QTEST_MAIN(DesktopIdentityTest)
#include "desktop_identity_test.moc"
