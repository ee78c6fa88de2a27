#include "platform/FontColourDialog.h"
#include "platform/QtDialogService.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QtTest>

using namespace vok;

namespace {

// The pie's design font: a name that only a substitution makes real, sized in pixels.
QFont pieFont() {
    QFont::insertSubstitutions("Ariel", {"Liberation Sans", "DejaVu Sans"});
    QFont f("Ariel");
    f.setPixelSize(11);
    return f;
}

QListView* familyList(FontColourDialog& d) {
    return d.chooser()->findChildren<QListView*>().value(0);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void wholeDriveQuestionIsInformationWithYesAndNo() {
        QtDialogService dialogs;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(dialogs.confirmInformation("Search the whole drive?", Buttons::YesNo),
                 Answer::Yes);
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    }

    void fontDialogOpensOnTheCurrentFont() {
        const QFont font = pieFont();
        const QString face = QFontInfo(font).family();
        if (!QFontDatabase::families().contains(face))
            QSKIP("no installed face stands in for the design font");
        FontColourDialog d(FontChoice{font, 0x123456});
        QCOMPARE(d.chooser()->currentFont().family(), face);
        QCOMPARE(qRound(d.chooser()->currentFont().pointSizeF()),
                 qRound(QFontInfo(font).pointSizeF()));
        // OK without touching anything gives back the font as it was.
        const FontChoice same = d.choice();
        QCOMPARE(same.font.family(), QString("Ariel"));
        QCOMPARE(same.font.pixelSize(), 11);
        QCOMPARE(same.color, quint32(0x123456));
    }

    void escAndEnterAnswerTheWholeFontDialog() {
        {
            FontColourDialog d(FontChoice{pieFont(), 0});
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QTest::keyClick(familyList(d), Qt::Key_Escape);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QVERIFY(!d.isVisible());
            QVERIFY(!d.chooser()->isHidden()); // the chooser stays for the next opening
        }
        {
            FontColourDialog d(FontChoice{pieFont(), 0});
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QTest::keyClick(familyList(d), Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QVERIFY(!d.isVisible());
            QVERIFY(!d.chooser()->isHidden());
        }
        {
            FontColourDialog d(FontChoice{pieFont(), 0});
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            auto* size = d.chooser()->findChildren<QLineEdit*>().value(0);
            QVERIFY(size);
            QTest::keyClick(size, Qt::Key_Enter);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QVERIFY(!d.isVisible());
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
