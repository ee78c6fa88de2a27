#include "controls/FontColourDialog.h"
#include "controls/QtDialogService.h"
#include "controls/Translations.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTranslator>
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
    // Qt's own dialog buttons speak the user's language; English keeps its texts.
    void qtsOwnTextsFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("yes");
        QTest::addRow("German") << "de_DE"
                                << "&Ja";
        QTest::addRow("French") << "fr_FR"
                                << "&Oui";
        QTest::addRow("English") << "en_US"
                                 << "&Yes";
    }
    void qtsOwnTextsFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, yes);
        QTranslator* qt = installQtTranslations(*qApp, QLocale(locale));
        QVERIFY2(qt, "Qt's translations are installed by set-up (qt6-translations-l10n)");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
        QCoreApplication::removeTranslator(qt);
        delete qt;
    }
    // Names that look like markup are shown as written; the whole-drive question is
    // information with Yes and No.
    void messageBoxes() {
        QtDialogService dialogs;
        const QString text = "Unable to delete file <b>cat.jpg<!-- & more";
        QList<Qt::TextFormat> formats;
        QStringList shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        auto readAndClose = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                formats << box->textFormat();
                shown << box->text();
                icon = box->icon();
                buttons = box->standardButtons();
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes ? yes : box->buttons().constFirst())->click();
            });
        };
        readAndClose();
        dialogs.message(text);
        readAndClose();
        dialogs.error(text);
        readAndClose();
        dialogs.confirm(text, Buttons::YesNo);
        QCOMPARE(formats, QList<Qt::TextFormat>(3, Qt::PlainText));
        QCOMPARE(shown, QStringList(3, text));
        readAndClose();
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

    // Esc and Enter in the chooser's fields answer the whole dialog; the chooser stays for the
    // next opening.
    void escAndEnterAnswerTheWholeFontDialog() {
        const std::pair<int, QDialog::DialogCode> keys[] = {{Qt::Key_Escape, QDialog::Rejected},
                                                            {Qt::Key_Return, QDialog::Accepted},
                                                            {Qt::Key_Enter, QDialog::Accepted}};
        for (const auto& [key, answer] : keys) {
            FontColourDialog d(FontChoice{pieFont(), 0});
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QWidget* field = key == Qt::Key_Enter
                                 ? d.chooser()->findChildren<QLineEdit*>().value(0) // the size
                                 : static_cast<QWidget*>(familyList(d));
            QVERIFY(field);
            QTest::keyClick(field, Qt::Key(key));
            QCOMPARE(d.result(), int(answer));
            QVERIFY(!d.isVisible());
            QVERIFY(!d.chooser()->isHidden());
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
