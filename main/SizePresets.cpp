#include "controls/DriveComboBox.h"
#include "controls/PieGraf.h"
#include "main/SizePreset.h"
#include "main/Unit1.h"

namespace vok {

void TfmVok::applyPreset(const SizePreset& p) {
    for (QWidget* w : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QFont f = w->font();
        f.setPointSize(p.fontSize);
        w->setFont(f);
    }
    for (TPieGraf* pie : {PieGraf1, PieGraf2})
        pie->setGeometry(pie->x(), 0, p.pieSize, p.pieSize);
    resize(p.formWidth, p.formHeight);
    PieGraf2->move(8, 0);
    PieGraf1->move(p.pie1Left, 0);
    Panel1->setGeometry(8, PieGraf1->height() + 4, p.panelWidth, p.panelHeight);
    DriveComboBox1->setGeometry(PieGraf1->x() + PieGraf1->width() + 4, 0,
                                width() - PieGraf1->x() - PieGraf1->width() - 12,
                                DriveComboBox1->height());
    // The dice are placed here once the game exists.
    scaleForm(screen_);
    Redraw3DPies();
}

void TfmVok::Small1Click() {
    applyPreset(kSmallVok);
}
void TfmVok::Medium1Click() {
    applyPreset(kMediumVok);
}
void TfmVok::Large1Click() {
    applyPreset(kLargeVok);
}

} // namespace vok
