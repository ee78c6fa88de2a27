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
        //: %1 is the drive's letter.
        services_.dialogs->message(tr("No Disk Available in Drive %1").arg(letter));
        return;
    }
    showDriveSpace(DiskUnits.value_or(SpaceUnit::Mb));
    PieGraf1->setPercent(int(roundHalfEven(driveInfo_.DriveFreePercent(CurrentDrive))));
    //: %1 is the drive's letter.
    PieGraf1->setCaption(tr("Drive %1").arg(letter));
    //: %1 is the drive's read-out, %2 its type.
    PieGraf1->setHint(tr("%1 Type is %2").arg(Panel1->text(), driveInfo_.DriveTypeName(letter)));
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
