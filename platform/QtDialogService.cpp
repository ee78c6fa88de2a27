#include "platform/QtDialogService.h"
#include "platform/Colors.h"
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vok {

namespace {
QWidget* owner() {
    return QApplication::activeWindow();
}
QString title() {
    return QApplication::applicationDisplayName();
}

// Texts carry file names, which may look like markup: they are always shown as plain text.
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title(), text, buttons, owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    box.exec();
    return box.standardButton(box.clickedButton());
}
} // namespace

void QtDialogService::message(const QString& text) {
    ask(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogService::error(const QString& text) {
    ask(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

Answer QtDialogService::confirm(const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        set |= QMessageBox::Cancel;
    switch (ask(QMessageBox::Question, text, set, QMessageBox::No)) {
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
    // The toolkit's font dialog has no colour; Vok's fonts carry one, so it sits beside it.
    QDialog dialog(owner());
    dialog.setWindowTitle("Font");
    auto* fonts = new QFontDialog(initial.font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOption(QFontDialog::NoButtons);
    quint32 colour = initial.color;
    auto* colourButton = new QPushButton("Colour...", &dialog);
    auto showColour = [&] {
        QPixmap swatch(16, 16);
        swatch.fill(toQColor(colour));
        colourButton->setIcon(QIcon(swatch));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor c = QColorDialog::getColor(toQColor(colour), &dialog);
        if (c.isValid()) {
            colour = fromQColor(c);
            showColour();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(colourButton);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(row);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{fonts->currentFont(), colour};
}

} // namespace vok
