#include "controls/DriveComboBox.h"
#include "platform/Drive.h"
#include "platform/Services.h"

namespace vok {

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
    setAccessibleName("Drive");
    refresh();
    const QChar working = services().drives->driveOfPath(services().drives->currentPath());
    if (!setDrive(working.isNull() ? QChar('c') : working) && count() > 0)
        setDrive(itemData(0).toChar());
    connect(this, &QComboBox::activated, this, &TDriveComboBox::picked);
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
    for (const Drive& d : services().drives->drives())
        addItem(QString(d.letter.toLower()) + ": " + d.mountPoint, QVariant(d.letter.toLower()));
    const int index = findData(drive_);
    if (index >= 0)
        setCurrentIndex(index);
}

void TDriveComboBox::showPopup() {
    refresh();
    QComboBox::showPopup();
}

void TDriveComboBox::picked(int index) {
    const QChar letter = itemData(index).toChar();
    if (letter.isNull())
        return;
    drive_ = letter;
    emit changed();
}

} // namespace vok
