#include "controls/DriveComboBox.h"
#include "platform/Drive.h"
#include <QAbstractItemView>
#include <QDir>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace vok {

TDriveComboBox::TDriveComboBox(DriveTable& drives, QWidget* parent)
    : QComboBox(parent), drives_(drives) {
    setAccessibleName(tr("Drive"));
    refresh();
    const QChar working = drives_.driveOfPath(drives_.currentPath());
    if (!setDrive(working.isNull() ? QChar('c') : working) && count() > 0)
        setDrive(itemData(0).toChar());
    connect(this, &QComboBox::activated, this, &TDriveComboBox::picked);
    connect(this, &QComboBox::currentTextChanged, this, &QWidget::setToolTip);
}

bool TDriveComboBox::setDrive(QChar letter) {
    int index = findData(letter.toLower());
    if (index < 0) {
        refresh(); // the drive may have been mounted since the list was read
        index = findData(letter.toLower());
    }
    if (index < 0)
        return false;
    drive_ = letter.toLower();
    setCurrentIndex(index);
    return true;
}

void TDriveComboBox::refresh() {
    const QSignalBlocker quiet(this);
    clear();
    const QList<Drive> drives = drives_.drives(); // const: no copy to iterate
    for (const Drive& d : drives)
        addItem(QString(d.letter.toLower()) + ": " + d.mountPoint, QVariant(d.letter.toLower()));
    const int index = findData(drive_);
    if (index >= 0)
        setCurrentIndex(index);
    setToolTip(currentText());
}

void TDriveComboBox::showPopup() {
    refresh();
    // Long mount points widen the list beyond the box rather than being cut.
    int widest = 0;
    const QFontMetrics metrics = view()->fontMetrics();
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(itemText(i)));
    const int margins = 4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) +
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) +
                        2 * view()->frameWidth() + 16;
    view()->setMinimumWidth(widest + margins);
    QComboBox::showPopup();
}

QRect TDriveComboBox::textArea() const {
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
}

QString TDriveComboBox::shownText() const {
    return fontMetrics().elidedText(currentText(), Qt::ElideMiddle, textArea().width());
}

void TDriveComboBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    opt.currentText = shownText();
    p.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

void TDriveComboBox::picked(int index) {
    const QChar letter = itemData(index).toChar();
    if (letter.isNull())
        return;
    drive_ = letter;
    emit changed();
}

} // namespace vok
