#include "main/Unit1.h"
#include "controls/ActivationWatcher.h"
#include "controls/Application.h"
#include "controls/DriveComboBox.h"
#include "controls/Fonts.h"
#include "controls/PieGraf.h"
#include "controls/SharedState.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit4.h"
#include "main/MemoryText.h"
#include "memscreens/UtMem.h"
#include "platform/ErrorHandler.h"
#include "platform/MemoryStatus.h"
#include "platform/Services.h"
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace vok {

namespace {
constexpr int kMajorVersion = 2;
constexpr int kMinorVersion = 4;
} // namespace

TfmVok::TfmVok(QSize screen, QWidget* parent) : QMainWindow(parent), screen_(screen) {
    setObjectName("fmVok");
    setWindowTitle("Vok 97");
    setFont(designFont("System", -13));
    resize(320, 188);
    buildControls();
    buildMenu();
    // Activation: at start, when shown again after a screen closes, and when the user comes
    // from another window of Vok; not when returning from another program.
    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Ignore),
            &ActivationWatcher::activated, this, [this] { guarded(&TfmVok::FormActivate); });
    runGuarded([this] { FormCreate(); });
}

TfmVok::~TfmVok() {
    dirScreen_.reset();
    filesScreen_.reset();
    memScreen_.reset();
    if (shared().readout == Panel1)
        shared().readout = nullptr;
    if (shared().drivePicker == DriveComboBox1)
        shared().drivePicker = nullptr;
}

void TfmVok::FormCreate() {
    SharedState& s = shared();
    s.SettingsCleared = false;
    s.ScreenCreated.fill(false);
    s.DefaultMainColor = 255;
    s.DefaultSliceColor = 32768;
    s.readout = Panel1;
    s.drivePicker = DriveComboBox1;
    if (screen_.isEmpty() && QGuiApplication::primaryScreen())
        screen_ = QGuiApplication::primaryScreen()->size();
    scaleForm(screen_);
    if (QGuiApplication::primaryScreen()) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        move(area.center() - rect().center());
    }
    loadSettings();
    // The stored pie font sizes are for a 640-wide screen; they follow the screen like the rest.
    if (!screen_.isEmpty() && screen_.width() != 640) {
        for (TPieGraf* pie : {PieGraf1, PieGraf2})
            pie->setFont(scaledFont(pie->font(), screen_.width(), 640));
    }
}

void TfmVok::scaleForm(QSize screen) {
    if (screen.isEmpty() || screen.width() == 640)
        return;
    const int h = screen.height() * height() / 480;
    const int w = screen.width() * width() / 640;
    resize(w, h);
    scaleControls(screen.width(), 640);
}

void TfmVok::FormActivate() {
    ++activations_;
    setWindowTitle(QString("Vok 97 v%1.%2").arg(kMajorVersion).arg(kMinorVersion));
    Panel1->setFontSize(12);
    const QChar letter = pickedDrive();
    shared().CurrentDrive = quint8(letter.unicode() - 64);
    Panel1->setText(driveInfo_.DriveSpaceText(shared().CurrentDrive, 2));
    PieGraf1->setHint(Panel1->text() + " Type is " + driveInfo_.DriveTypeName(letter));
    PieGraf1->setPercent(int(roundHalfEven(driveInfo_.DriveFreePercent(shared().CurrentDrive))));
    MemoryStatus& m = shared().memoryStatus;
    m = services().memory->status();
    PieGraf2->setPercent(freePercent(m.totalVirtual, m.availVirtual));
    Megabytes1Click();
    Total1Click();
    Redraw3DPies();
}

QChar TfmVok::pickedDrive() const {
    // An empty drive table leaves the picker without a drive; C then reads "Not found".
    const QChar letter = DriveComboBox1->drive().toUpper();
    return letter.isNull() ? QChar('C') : letter;
}

void TfmVok::Timer1Timer() {
    shared().memoryStatus = services().memory->status();
    setApplicationTitle(QString("Free Memory %1 %").arg(shared().memoryStatus.memoryLoad));
}

void TfmVok::closeEvent(QCloseEvent* e) {
    runGuarded([this] { FormClose(); });
    e->accept();
}

int runVok(QApplication& app) {
    installFontSubstitutions();
    setApplicationTitle("Vok 97 for Windows 95");
    setApplicationHelpFile("qrc:/help/main.html");
    TfmVok fm;
    fm.show();
    fm.activateWindow();
    return app.exec();
}

} // namespace vok
