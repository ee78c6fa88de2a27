#include "platform/QtDialogService.h"
#include "platform/Colors.h"
#include "platform/FontColourDialog.h"
#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

namespace vok {

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
}
QString title() {
    return QApplication::applicationDisplayName();
}
} // namespace

void QtDialogService::message(const QString& text) {
    QMessageBox::information(owner(), title(), text);
}

void QtDialogService::error(const QString& text) {
    QMessageBox::critical(owner(), title(), text);
}

Answer QtDialogService::confirm(const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        set |= QMessageBox::Cancel;
    switch (QMessageBox::question(owner(), title(), text, set, QMessageBox::No)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

Answer QtDialogService::confirmInformation(const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        set |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Information, title(), text, set, owner());
    box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
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
