#include "controls/PieGraf.h"
#include "controls/ScreenFonts.h"
#include "main/Unit1.h"
#include "platform/DialogService.h"

namespace vok {

// The colour and font commands change the pie for this run; what is stored is decided at
// closing.
namespace {

constexpr quint32 DefaultMainColor = 255;
constexpr quint32 DefaultSliceColor = 32768;

void chooseMainColor(DialogService& dialogs, TPieGraf* pie) {
    if (const auto c = dialogs.chooseColor())
        pie->setMainColor(*c);
}

void chooseSliceColor(DialogService& dialogs, TPieGraf* pie) {
    if (const auto c = dialogs.chooseColor())
        pie->setSliceColor(*c);
}

void chooseFont(DialogService& dialogs, TPieGraf* pie) {
    if (chooseScreenFont(dialogs, {pie}))
        pie->update();
}

void setToDefault(TPieGraf* pie, const ScreenScale& scale) {
    pie->setMainColor(DefaultMainColor);
    pie->setSliceColor(DefaultSliceColor);
    pie->setFontColor(0);
    pie->setFont(scale.font(pie->font(), 8));
    pie->update();
}

} // namespace

void TfmVok::FreeSpace1Click() {
    chooseMainColor(*services_.dialogs, PieGraf1);
}
void TfmVok::PieSlice1Click() {
    chooseSliceColor(*services_.dialogs, PieGraf1);
}
void TfmVok::TextFont1Click() {
    chooseFont(*services_.dialogs, PieGraf1);
}
void TfmVok::SettoDefault1Click() {
    setToDefault(PieGraf1, scale_);
}
void TfmVok::Free1Click() {
    chooseMainColor(*services_.dialogs, PieGraf2);
}
void TfmVok::UsedSpace1Click() {
    chooseSliceColor(*services_.dialogs, PieGraf2);
}
void TfmVok::TextFont2Click() {
    chooseFont(*services_.dialogs, PieGraf2);
}
void TfmVok::SetDefault1Click() {
    setToDefault(PieGraf2, scale_);
}

} // namespace vok
