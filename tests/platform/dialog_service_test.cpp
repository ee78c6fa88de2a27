#include "platform/QtDialogService.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace vok;

// The message boxes as the user sees them: names that look like markup are shown as written.
class DialogServiceTest : public QObject {
    Q_OBJECT

    // Runs show while a timer reads the open box and presses button (or closes it with Esc).
    static bool seen(const std::function<void()>& show, QMessageBox::StandardButton button,
                     Qt::TextFormat* format, QString* text) {
        QMessageBox* box = nullptr;
        QTimer::singleShot(0, [&] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            *format = box->textFormat();
            *text = box->text();
            if (button == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(button)->click();
        });
        show();
        return box != nullptr;
    }

private slots:
    void namesAreShownAsPlainText() {
        QtDialogService dialogs;
        const QString name = "Unable to delete file <b>cat.jpg<!-- & more";
        Qt::TextFormat format = Qt::RichText;
        QString text;
        QVERIFY(seen([&] { dialogs.message(name); }, QMessageBox::Ok, &format, &text));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(text, name);
        format = Qt::RichText;
        QVERIFY(seen([&] { dialogs.error(name); }, QMessageBox::Ok, &format, &text));
        QCOMPARE(format, Qt::PlainText);
        Answer answer = Answer::Cancel;
        format = Qt::RichText;
        QVERIFY(seen([&] { answer = dialogs.confirm(name, Buttons::YesNo); }, QMessageBox::Yes,
                     &format, &text));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(text, name);
        QCOMPARE(answer, Answer::Yes);
        QVERIFY(seen([&] { answer = dialogs.confirm(name, Buttons::YesNoCancel); },
                     QMessageBox::NoButton, &format, &text));
        QCOMPARE(answer, Answer::Cancel);
        QVERIFY(seen([&] { answer = dialogs.confirm(name, Buttons::YesNo); }, QMessageBox::NoButton,
                     &format, &text));
        QCOMPARE(answer, Answer::No);
    }
};

QTEST_MAIN(DialogServiceTest)
#include "dialog_service_test.moc"
