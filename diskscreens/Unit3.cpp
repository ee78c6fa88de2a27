// Unit3: the all-disks screen (TfmAlldisk).
#include "diskscreens/Unit3.h"
#include "controls/ActivationWatcher.h"
#include "controls/DriveInfo.h"
#include "controls/Fonts.h"
#include "controls/MenuItem.h"
#include "controls/PieGraf.h"
#include "controls/ScreenContext.h"
#include "controls/ScreenFonts.h"
#include "controls/ScreenFrame.h"
#include "diskscreens/AllDiskDrives.h"
#include "platform/DialogService.h"
#include "platform/ErrorHandler.h"
#include "platform/Services.h"
#include <QApplication>
#include <QLayout>
#include <QMenuBar>

namespace vok {

namespace {

constexpr int kLefts[6] = {24, 88, 152, 216, 280, 344};
constexpr int kTops[4] = {8, 80, 152, 224};
constexpr double kMb = 1048576.0;

// Where pie slot i (0-based) sits: rows of six, the third row filled from right to left.
QPoint slotPosition(int i) {
    const int row = i / 6;
    const int column = row == 2 ? 5 - i % 6 : i % 6;
    return {kLefts[column], kTops[row]};
}

} // namespace

TfmAlldisk::TfmAlldisk(const Services& services, ScreenContext& context, QWidget* parent)
    : QDialog(parent), services_(services), context_(context) {
    setObjectName("fmAlldisk");
    setWindowTitle(tr("Vok All Disk"));
    resize(438, 371);

    QWidget* client = screenClientArea(this);
    for (int i = 0; i < kPies; ++i) {
        auto* pie = new TPieGraf(client);
        pie->setObjectName(QStringLiteral("PieGraf%1").arg(i + 1));
        pie->setGeometry(QRect(slotPosition(i), QSize(60, 60)));
        pie->setFont(designFont("Ariel", -11));
        pie->setFontColor(0xFFFFFF);
        PieGraf[size_t(i)] = pie;
    }

    buildMenu();
    QDialog::layout()->setMenuBar(menuBar_);
    // Shown, or come back to from another window of Vok: the drives are read afresh. Coming back
    // from another program does not count, so a hung mount is not asked on every switch.
    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Ignore),
            &ActivationWatcher::activated, this,
            guardedSlot(*services_.dialogs, this, &TfmAlldisk::FormActivate));
}

void TfmAlldisk::buildMenu() {
    menuBar_ = new QMenuBar(this);
    auto run = [this](void (TfmAlldisk::*h)()) { return [this, h] { (this->*h)(); }; };
    QMenu* color = menuBar_->addMenu(tr("Color"));
    color->setObjectName("Color1");
    FreeSpace1 = addMenuItem(*services_.dialogs, color, tr("Free Space"), "FreeSpace1",
                             run(&TfmAlldisk::FreeSpace1Click));
    UsedSpace1 = addMenuItem(*services_.dialogs, color, tr("Used Space"), "UsedSpace1",
                             run(&TfmAlldisk::UsedSpace1Click));
    TextFont1 = addMenuItem(*services_.dialogs, color, tr("Text Font"), "TextFont1",
                            run(&TfmAlldisk::TextFont1Click));
}

void TfmAlldisk::FormActivate() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<ShownDrive> drives = AllDiskDrives(*services_.drives);
    QApplication::restoreOverrideCursor();
    double totalBytes = 0;
    double freeBytes = 0;
    qsizetype next = 0;
    for (TPieGraf* pie : PieGraf) {
        pie->setMainColor(quint32(context_.display().AllColor));
        pie->setSliceColor(quint32(context_.display().AllSlice));
        pie->hide();
        if (next >= drives.size())
            continue;
        const ShownDrive& d = drives[next++];
        totalBytes += double(d.space.totalBytes);
        freeBytes += double(d.space.freeBytes);
        pie->setPercent(AllDiskFreePercent(d));
        //: %1 is the drive's free and total space, %2 its type
        pie->setHint(tr("%1 Type is %2").arg(AllDiskSpaceText(d), driveTypeText(d.type)));
        //: %1 is the drive's letter
        pie->setCaption(tr("Drive %1").arg(d.letter));
        pie->show();
    }
    shown_ = int(next);
    // The last rule that applies wins; with 19 drives or more the height stays as it was.
    if (PieGraf[18]->isHidden())
        resize(width(), 355);
    if (PieGraf[17]->isHidden())
        resize(width(), 268);
    if (PieGraf[6]->isHidden())
        resize(width(), 130);
    //: Mb = megabytes; %1 is the used space of all drives, %2 their total
    setWindowTitle(tr("%1Mb /%2 Mb used/total")
                       .arg(roundHalfEven((totalBytes - freeBytes) / kMb))
                       .arg(roundHalfEven(totalBytes / kMb)));
}

void TfmAlldisk::FreeSpace1Click() {
    const auto chosen = services_.dialogs->chooseColor();
    if (!chosen)
        return;
    for (TPieGraf* pie : PieGraf)
        pie->setMainColor(*chosen);
    context_.display().AllColor = qint32(*chosen);
}

void TfmAlldisk::UsedSpace1Click() {
    const auto chosen = services_.dialogs->chooseColor();
    if (!chosen)
        return;
    for (TPieGraf* pie : PieGraf)
        pie->setSliceColor(*chosen);
    context_.display().AllSlice = qint32(*chosen);
}

void TfmAlldisk::TextFont1Click() {
    if (!chooseScreenFont(*services_.dialogs, PieGraf))
        return;
    for (TPieGraf* pie : PieGraf)
        pie->DrawPie();
}

} // namespace vok
