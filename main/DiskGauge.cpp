#include "controls/DriveComboBox.h"
#include "controls/MenuItem.h"
#include "controls/PieGraf.h"
#include "controls/SharedState.h"
#include "main/Unit1.h"
#include "platform/DialogService.h"
#include "platform/Services.h"

namespace vok {

void TfmVok::DriveComboBox1Change() {
    const QChar letter = pickedDrive();
    shared().CurrentDrive = quint8(letter.unicode() - 64);
    Panel1->setFontSize(12);
    if (shared().DiskUnits == 0) {
        QFont f = Panel1->font();
        f.setBold(false);
        f.setItalic(false);
        f.setUnderline(false);
        Panel1->setFont(f);
    }
    if (!driveInfo_.DriveReady(letter)) {
        // The gauge keeps showing the previous drive.
        services().dialogs->message("No Disk Available in Drive " + QString(letter));
        return;
    }
    Panel1->setText(driveInfo_.DriveSpaceText(shared().CurrentDrive, shared().DiskUnits));
    PieGraf1->setPercent(int(roundHalfEven(driveInfo_.DriveFreePercent(shared().CurrentDrive))));
    PieGraf1->setCaption("Drive " + QString(letter));
    PieGraf1->setHint(Panel1->text() + " Type is " + driveInfo_.DriveTypeName(letter));
    paint3DPies();
}

void TfmVok::chooseUnit(int unit, QAction* chosen) {
    shared().DiskUnits = quint8(unit);
    DriveComboBox1Change();
    checkOnly(chosen, {Megabytes1, Kilobytes1, Bytes1});
}

void TfmVok::Megabytes1Click() {
    chooseUnit(2, Megabytes1);
}
void TfmVok::Kilobytes1Click() {
    chooseUnit(1, Kilobytes1);
}
void TfmVok::Bytes1Click() {
    chooseUnit(3, Bytes1);
}

} // namespace vok
