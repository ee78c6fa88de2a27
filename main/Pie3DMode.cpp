#include "controls/Pie3D.h"
#include "controls/PieGraf.h"
#include "main/Unit1.h"
#include <QAction>
#include <QPainter>

namespace vok {

namespace {
constexpr quint32 kFace3D = 255;
constexpr quint32 kWedge3D = 65535;
} // namespace

// The window paints its 3D pies itself, so they stay through every repaint until the mode ends.
void TfmVok::paint3DPiesOn(QPainter& p) {
    if (!N3D1->isChecked())
        return;
    p.setFont(scale_.font(font()));
    for (TPieGraf* pie : {PieGraf1, PieGraf2})
        Draw3DPie(p, pie->percent(), pie->x(), pie->y(), pie->width(), kFace3D, kWedge3D,
                  pie->caption());
}

void TfmVok::paint3DPies() {
    if (N3D1->isChecked())
        centralWidget()->update();
}

void TfmVok::Redraw3DPies() {
    paint3DPies();
}

void TfmVok::N3D1Click() {
    if (!N3D1->isChecked()) {
        PieGraf2->hide();
        PieGraf1->hide();
        N3D1->setChecked(true);
        paint3DPies();
    } else {
        N3D1->setChecked(false);
        centralWidget()->update();
        PieGraf2->show();
        PieGraf1->show();
        PieGraf1->DrawPie();
        PieGraf2->DrawPie();
    }
}

} // namespace vok
