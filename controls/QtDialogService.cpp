#include "controls/QtDialogService.h"
#include "controls/FontColourDialog.h"
#include "platform/Colors.h"
#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

namespace vok {

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
}

// Texts carry file names, which may look like markup: they are always shown as plain text.
// The box has no caption of its own: the desktop names it by the application title, which Qt
// adds to every caption, and renews when the title changes. A copy of the title as caption
// would stay behind and be shown with the new one.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QString(), text, buttons, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    box.exec();
    return box.standardButton(box.clickedButton());
}

// Only Yes goes on: No is the default, and closing the box answers Cancel.
Answer yesNo(QMessageBox::Icon icon, const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        set |= QMessageBox::Cancel;
    switch (ask(icon, text, set, QMessageBox::No)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
} // namespace

void QtDialogService::message(const QString& text) {
    ask(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogService::error(const QString& text) {
    ask(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtDialogService::confirm(const QString& text, Buttons buttons) {
    return yesNo(QMessageBox::Question, text, buttons);
}

Answer QtDialogService::confirmInformation(const QString& text, Buttons buttons) {
    return yesNo(QMessageBox::Information, text, buttons);
}

std::optional<quint32> QtDialogService::chooseColor() {
    const QColor c = QColorDialog::getColor(toQColor(lastColor_), owner());
    if (!c.isValid())
        return std::nullopt;
    lastColor_ = fromQColor(c);
    return lastColor_;
}

std::optional<FontChoice> QtDialogService::chooseFont(const FontChoice& initial) {
    FontColourDialog dialog(initial, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace vok
