#include "controls/Dice.h"
#include "controls/DriveComboBox.h"
#include "controls/Fonts.h"
#include "controls/PieGraf.h"
#include "controls/ScreenScale.h"
#include "main/Unit1.h"
#include "platform/ErrorHandler.h"
#include <QPainter>
#include <QTimer>
#include <functional>

namespace vok {

namespace {

TPieGraf* makePie(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                  quint32 mainColor, quint32 sliceColor, quint32 fontColor, int fontHeight) {
    auto* pie = new TPieGraf(parent);
    pie->setObjectName(name);
    pie->setGeometry(geometry);
    pie->setCaption(caption);
    pie->setMainColor(mainColor);
    pie->setSliceColor(sliceColor);
    pie->setBevelInner(Bevel::Lowered);
    pie->setBevelOuter(Bevel::Lowered);
    pie->setBevelWidth(2);
    pie->setFont(designFont("Ariel", fontHeight));
    pie->setFontColor(fontColor);
    return pie;
}

} // namespace

QFont scaledFont(QFont f, int num, int den) {
    return ScreenScale(num, den).font(f);
}

namespace {

// The window's client area, which paints what the window draws itself.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, std::function<void(QPainter&)> paint)
        : QWidget(parent), paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

} // namespace

void TfmVok::buildControls() {
    auto* client = new ClientArea(this, [this](QPainter& p) { paint3DPiesOn(p); });
    setCentralWidget(client);

    PieGraf2 =
        makePie(client, "PieGraf2", {8, 0, 100, 100}, tr("Memory"), 65535, 16711680, 4194304, -8);
    PieGraf1 = makePie(client, "PieGraf1", {112, 0, 100, 100}, tr("Disk"), 8454016, 255, 0, 11);
    connect(PieGraf2, &TPanel::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::PieGraf2Click));
    connect(PieGraf1, &TPanel::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::DirectorySearch1Click));

    DriveComboBox1 = new TDriveComboBox(*services_.drives, client);
    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setGeometry(216, 0, 81, 22);
    DriveComboBox1->setFont(designFont("Arial", -13));
    connect(DriveComboBox1, &TDriveComboBox::changed, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::DriveComboBox1Change));

    Panel1 = new TPanel(client);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 104, 289, 33);
    Panel1->setBevelInner(Bevel::None);
    Panel1->setBevelOuter(Bevel::Lowered);
    Panel1->setBevelWidth(2);
    Panel1->setColor(0x000000);
    Panel1->setFontColor(0x00FFFF);
    Panel1->setFont(designFont("MS Sans Serif", -16));

    Panel2 = new TPanel(client);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(216, 32, 81, 25);
    Panel2->hide(); // shown by the dice game

    Dice1 = new TDice(client);
    Dice1->setObjectName("Dice1");
    Dice1->setGeometry(224, 72, 30, 30);
    Dice1->setValue(6);
    Dice1->setToolTip(tr("Click to Roll "));
    Dice1->hide();
    Dice2 = new TDice(client);
    Dice2->setObjectName("Dice2");
    Dice2->setGeometry(256, 72, 30, 30);
    Dice2->setToolTip(tr("Click to Roll"));
    Dice2->hide();
    for (TDice* die : {Dice1, Dice2})
        connect(die, &TDice::clicked, this,
                guardedSlot(*services_.dialogs, this, &TfmVok::Dice1Click));

    Timer1 = new QTimer(this);
    Timer1->setInterval(6000);
    connect(Timer1, &QTimer::timeout, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::Timer1Timer));
    Timer1->start();
}

void TfmVok::scaleControls(int num, int den) {
    auto scale = [num, den](int v) { return (v * num + den / 2) / den; };
    for (QWidget* w : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = w->geometry();
        w->setGeometry(scale(g.x()), scale(g.y()), scale(g.width()), scale(g.height()));
        w->setFont(scaledFont(w->font(), num, den));
    }
}

} // namespace vok
