#include "controls/DriveComboBox.h"
#include "controls/MenuItem.h"
#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include "platform/DialogService.h"

namespace vok {

void TfmVok::DriveComboBox1Change() {
    const QChar letter = pickedDrive();
    setCurrentDrive(letter.unicode() - 64);
    Panel1->setFontSize(12);
    if (!DiskUnits) {
        QFont f = Panel1->font();
        f.setBold(false);
        f.setItalic(false);
        f.setUnderline(false);
        Panel1->setFont(f);
    }
    if (!driveInfo_.DriveReady(letter)) {
        // The gauge keeps showing the previous drive.
        services_.dialogs->message("No Disk Available in Drive " + QString(letter));
        return;
    }
    showDriveSpace(DiskUnits.value_or(SpaceUnit::Mb));
    PieGraf1->setPercent(int(roundHalfEven(driveInfo_.DriveFreePercent(CurrentDrive))));
    PieGraf1->setCaption("Drive " + QString(letter));
    PieGraf1->setHint(Panel1->text() + " Type is " + driveInfo_.DriveTypeName(letter));
    paint3DPies();
}

void TfmVok::chooseUnit(SpaceUnit unit, QAction* chosen) {
    DiskUnits = unit;
    DriveComboBox1Change();
    checkOnly(chosen, {Megabytes1, Kilobytes1, Bytes1});
}

void TfmVok::Megabytes1Click() {
    chooseUnit(SpaceUnit::Mb, Megabytes1);
}
void TfmVok::Kilobytes1Click() {
    chooseUnit(SpaceUnit::Kb, Kilobytes1);
}
void TfmVok::Bytes1Click() {
    chooseUnit(SpaceUnit::Bytes, Bytes1);
}

} // namespace vok
