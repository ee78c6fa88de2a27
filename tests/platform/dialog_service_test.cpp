#include "platform/QtDialogService.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace vok;

// The message boxes as the user sees them: names that look like markup are shown as written.
class DialogServiceTest : public QObject {
    Q_OBJECT
private slots:
    void namesAreShownAsPlainText() {
        QtDialogService dialogs;
        const QString text = "Unable to delete file <b>cat.jpg<!-- & more";
        QList<Qt::TextFormat> formats;
        QStringList shown;
        auto readAndClose = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                formats << box->textFormat();
                shown << box->text();
                box->buttons().constFirst()->click();
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
    }
};

QTEST_MAIN(DialogServiceTest)
#include "dialog_service_test.moc"
