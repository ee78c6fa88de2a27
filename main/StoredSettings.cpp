#include "controls/PieGraf.h"
#include "main/SettingsStore.h"
#include "main/Unit1.h"
#include "platform/SettingsFile.h"

namespace vok {

namespace {

PieSetters settersOf(TPieGraf* pie) {
    return PieSetters{
        [pie](quint32 c) { pie->setMainColor(c); },
        [pie](quint32 c) { pie->setSliceColor(c); },
        [pie](quint32 c) { pie->setFontColor(c); },
        [pie](const QString& name) {
            QFont f = pie->font();
            f.setFamily(name);
            pie->setFont(f);
        },
        [pie](int size) {
            QFont f = pie->font();
            f.setPointSize(size);
            pie->setFont(f);
        },
    };
}

} // namespace

void TfmVok::loadSettings() {
    const StoredSettings s = vok::loadSettings(*services_.settings);
    applyPieLook(diskPieLook(s), settersOf(PieGraf1));
    applyPieLook(memoryPieLook(s), settersOf(PieGraf2));
    Disk1Font = s.disk1;
    Disk2Font = s.disk2;
    display_.AllColor = s.allColor;
    display_.AllSlice = s.allSlice;
    display_.DirFont = s.dir;
    display_.FilesFont = s.files;
    game_.bank = s.total;
    game_.bet = s.bet;
}

void TfmVok::FormClose() {
    if (SettingsCleared)
        return;
    SaveInput in;
    in.bank = game_.bank;
    in.bet = game_.bet;
    in.pie1Main = PieGraf1->mainColor();
    in.pie1Slice = PieGraf1->sliceColor();
    in.pie2Main = PieGraf2->mainColor();
    in.pie2Slice = PieGraf2->sliceColor();
    in.allColor = display_.AllColor;
    in.allSlice = display_.AllSlice;
    in.disk1 = Disk1Font;
    in.disk2 = Disk2Font;
    in.dirCreated = dirScreen_ != nullptr;
    in.filesCreated = filesScreen_ != nullptr;
    in.dir = display_.DirFont;
    in.files = display_.FilesFont;
    saveSettings(*services_.settings, *services_.dialogs, in);
}

void TfmVok::ResetSettings1Click() {
    if (resetSettings(*services_.settings, *services_.dialogs))
        SettingsCleared = true;
}

} // namespace vok
