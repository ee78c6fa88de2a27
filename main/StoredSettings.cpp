#include "controls/PieGraf.h"
#include "controls/SharedState.h"
#include "main/SettingsStore.h"
#include "main/Unit1.h"
#include "platform/Services.h"
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
    const StoredSettings s = vok::loadSettings(*services().settings);
    applyPieLook(diskPieLook(s), settersOf(PieGraf1));
    applyPieLook(memoryPieLook(s), settersOf(PieGraf2));
    SharedState& shared = vok::shared();
    shared.Disk1Font = s.disk1;
    shared.Disk2Font = s.disk2;
    shared.display.AllColor = s.allColor;
    shared.display.AllSlice = s.allSlice;
    shared.display.DirFont = s.dir;
    shared.display.FilesFont = s.files;
    bank_ = s.total;
    bet_ = s.bet;
}

void TfmVok::FormClose() {
    SharedState& s = shared();
    if (s.SettingsCleared)
        return;
    SaveInput in;
    in.bank = bank_;
    in.bet = bet_;
    in.pie1Main = PieGraf1->mainColor();
    in.pie1Slice = PieGraf1->sliceColor();
    in.pie2Main = PieGraf2->mainColor();
    in.pie2Slice = PieGraf2->sliceColor();
    in.allColor = s.display.AllColor;
    in.allSlice = s.display.AllSlice;
    in.disk1 = s.Disk1Font;
    in.disk2 = s.Disk2Font;
    in.dirCreated = s.created(Screen::DirectorySpace);
    in.filesCreated = s.created(Screen::FileSearch);
    in.dir = s.display.DirFont;
    in.files = s.display.FilesFont;
    saveSettings(*services().settings, in);
}

void TfmVok::ResetSettings1Click() {
    if (resetSettings(*services().settings))
        shared().SettingsCleared = true;
}

} // namespace vok
