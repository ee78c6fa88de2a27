// Unit1: the craps game on the main window: showing it, rolling, placing the dice.
#include "controls/Dice.h"
#include "controls/DriveComboBox.h"
#include "controls/Panel.h"
#include "controls/Rounding.h"
#include "main/Unit1.h"
#include "platform/DialogService.h"
#include <QAction>
#include <QDateTime>

namespace vok {

quint32 clockSeedNow() {
    return clockSeed(QDateTime::currentDateTimeUtc().time());
}

void TfmVok::Craps1Click() {
    if (Craps1->isChecked()) {
        Craps1->setChecked(false);
        gameShown_ = false;
        Dice1->hide();
        Dice2->hide();
        Panel2->hide();
    } else {
        Craps1->setChecked(true);
        gameShown_ = true;
        Dice1->show();
        Dice2->show();
        Panel2->show();
        //: %1 is the money in the bank, in dollars.
        Panel2->setText(tr(" Total %1").arg(QString::number(game_.bank)));
    }
    update();
    Redraw3DPies();
}

void TfmVok::Dice1Click() {
    Panel2->setText("  ");
    Panel1->setText(" ");
    const CrapsRoll r = game_.roll();
    //: %1 is the sum of the dice, %2 the stake in dollars.
    Panel2->setText(tr("%1 Bet $%2").arg(QString::number(r.d1 + r.d2), QString::number(game_.bet)));
    Dice1->setValue(r.d1);
    Dice2->setValue(r.d2);
    Panel1->setText(r.message);
    Panel2->setText(r.status);
    if (r.broke)
        services_.dialogs->message(CrapsGame::tr(kBrokeMessage));
}

void TfmVok::resetDiceGame() {
    game_.activate(diceSeed_());
    Craps1->setChecked(false);
    gameShown_ = false;
    Dice1->hide();
    Dice2->hide();
    Panel2->hide();
}

void TfmVok::PlaceDice(int dieSize) {
    if (dieSize == 2) {
        Panel2->move(DriveComboBox1->x(), Panel2->y());
        Panel2->resize(DriveComboBox1->width(), Panel2->height());
    }
    Dice1->setDiceSize(dieSize);
    Dice2->setDiceSize(dieSize);
    const int top = int(roundHalfEven(double((Panel1->y() - DriveComboBox1->y()) * 7) / 10));
    Dice1->move(DriveComboBox1->x(), top);
    Dice2->move(Dice1->x() + dieSize * 15, top);
    Panel2->setGeometry(DriveComboBox1->x(), top - dieSize * 15, DriveComboBox1->width(),
                        Panel2->height());
}

} // namespace vok
