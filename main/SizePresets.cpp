#include "controls/DriveComboBox.h"
#include "controls/PieGraf.h"
#include "main/SizePreset.h"
#include "main/Unit1.h"
#include <QGuiApplication>
#include <QScreen>

namespace vok {

// The picker's design height; set again so that rescaling after each preset does not compound.
constexpr int kPickerHeight = 22;

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
                                width() - PieGraf1->x() - PieGraf1->width() - 12, kPickerHeight);
    PlaceDice(p.dieSize);
    scaleForm(screen_);
    keepOnScreen();
    Redraw3DPies();
}

// A larger preset must not push the window past the screen's edge.
void TfmVok::keepOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !isVisible())
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int x =
        qBound(area.left(), frame.left(), qMax(area.left(), area.right() - frame.width() + 1));
    const int y =
        qBound(area.top(), frame.top(), qMax(area.top(), area.bottom() - frame.height() + 1));
    if (x != frame.left() || y != frame.top())
        move(pos() + QPoint(x - frame.left(), y - frame.top()));
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
