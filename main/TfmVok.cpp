// Unit1: the main window (TfmVok): construction, activation, the timer, the screen context.
#include "controls/ActivationWatcher.h"
#include "controls/Application.h"
#include "controls/DriveComboBox.h"
#include "controls/Fonts.h"
#include "controls/PieGraf.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/MemoryText.h"
#include "main/StandardKeys.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
#include "memscreens/UtMem.h"
#include "platform/ErrorHandler.h"
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace vok {

namespace {
constexpr int kMajorVersion = VOK_VERSION_MAJOR;
constexpr int kMinorVersion = VOK_VERSION_MINOR;
} // namespace

TfmVok::TfmVok(const Services& services, QSize screen, QWidget* parent)
    : QMainWindow(parent), services_(services),
      driveInfo_(*services.drives, DriveInfo::Caller::MainWindow), screen_(screen) {
    setObjectName("fmVok");
    setWindowTitle(tr("Vok 97"));
    setFont(designFont("System", -13));
    resize(320, 188);
    buildControls();
    buildMenu();
    new StandardKeys(*this, *services_.dialogs, [this] { Help1Click(); });
    // Activation: at start, when shown again after a screen closes, and when the user comes
    // from another window of Vok; not when returning from another program.
    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Ignore),
            &ActivationWatcher::activated, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::FormActivate));
    runGuarded(*services_.dialogs, [this] { FormCreate(); });
}

// The screens go first: they hold a reference to this window as their context.
TfmVok::~TfmVok() {
    dirScreen_.reset();
    filesScreen_.reset();
    allDisksScreen_.reset();
    treeScreen_.reset();
    memScreen_.reset();
}

void TfmVok::FormCreate() {
    if (screen_.isEmpty() && QGuiApplication::primaryScreen())
        screen_ = QGuiApplication::primaryScreen()->size();
    scale_ = ScreenScale::forScreen(screen_);
    Panel1->setFontScale(scale_);
    scaleForm(screen_);
    if (QGuiApplication::primaryScreen()) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        move(area.center() - rect().center());
    }
    loadSettings();
    // The stored pie font sizes are for a 640-wide screen; they follow the screen like the rest.
    for (TPieGraf* pie : {PieGraf1, PieGraf2})
        pie->setFont(scale_.font(pie->font()));
}

void TfmVok::scaleForm(QSize screen) {
    const ScreenScale s = ScreenScale::forScreen(screen);
    if (s.isIdentity())
        return;
    resize(s.truncated(width()), s.truncated(height()));
    scaleControls(s.num(), s.den());
}

void TfmVok::FormActivate() {
    ++activations_;
    //: %1.%2 is the version, major and minor.
    setWindowTitle(tr("Vok 97 v%1.%2").arg(kMajorVersion).arg(kMinorVersion));
    Panel1->setFontSize(12);
    const QChar letter = pickedDrive();
    setCurrentDrive(letter.unicode() - 64);
    showDriveSpace(SpaceUnit::Mb);
    //: %1 is the drive's read-out, %2 its type.
    PieGraf1->setHint(tr("%1 Type is %2").arg(Panel1->text(), driveInfo_.DriveTypeName(letter)));
    PieGraf1->setPercent(int(roundHalfEven(driveInfo_.DriveFreePercent(CurrentDrive))));
    // The memory pie is left to "Total" below, which measures again: setting it here to the
    // virtual share first would paint it twice.
    memoryStatus = services_.memory->status();
    Megabytes1Click();
    Total1Click();
    resetDiceGame();
    Redraw3DPies();
}

QChar TfmVok::pickedDrive() const {
    // An empty drive table leaves the picker without a drive; C then reads "Not found".
    const QChar letter = DriveComboBox1->drive().toUpper();
    return letter.isNull() ? QChar('C') : letter;
}

QChar TfmVok::pickerDrive() const {
    return DriveComboBox1->drive();
}

void TfmVok::openFileInfo(const QString& path) {
    if (fileInfoOpener_)
        fileInfoOpener_(path);
}

void TfmVok::setCurrentDrive(int drive) {
    CurrentDrive = quint8(drive);
}

void TfmVok::showDriveSpace(SpaceUnit unit) {
    const DriveInfo::SpaceText space = driveInfo_.DriveSpaceText(CurrentDrive, unit);
    setCurrentDrive(space.drive);
    Panel1->setFontSize(space.pointSize);
    Panel1->setText(space.text);
}

void TfmVok::Timer1Timer() {
    memoryStatus = services_.memory->status();
    //: %1 is the share of memory in use, in per cent.
    setApplicationTitle(tr("Free Memory %1 %").arg(memoryStatus.memoryLoad));
}

void TfmVok::closeEvent(QCloseEvent* e) {
    runGuarded(*services_.dialogs, [this] { FormClose(); });
    e->accept();
}

int runVok(QApplication& app, const Services& services,
           const std::function<void(TfmVok&)>& afterMainWindow) {
    installFontSubstitutions();
    setApplicationTitle(QCoreApplication::translate("vok::TfmVok", kApplicationTitle));
    TfmVok fm(services);
    if (afterMainWindow)
        afterMainWindow(fm);
    fm.show();
    fm.activateWindow();
    return app.exec();
}

} // namespace vok
