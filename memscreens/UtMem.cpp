// UtMem: the running windows screen (TfmMem).
#include "memscreens/UtMem.h"
#include "controls/ActivationWatcher.h"
#include "controls/Fonts.h"
#include "controls/Panel.h"
#include "controls/ScreenFonts.h"
#include "controls/WindowAccessible.h"
#include "controls/WindowsListUnit.h"
#include "platform/DialogService.h"
#include "platform/ErrorHandler.h"
#include "platform/Services.h"
#include "platform/TopLevelWindows.h"
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

namespace vok {

namespace {

constexpr quint32 kBlack = 0x000000;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kDarkBlue = 0xA00000;

} // namespace

TfmMem::TfmMem(const Services& services, ScreenContext&, QWidget* parent)
    : QWidget(parent, Qt::Window), windows_(*services.windows), dialogs_(*services.dialogs) {
    installWindowAccessibility();
    setObjectName("fmMem");
    setWindowTitle(tr("Memory Screen"));
    setFont(designFont("MS Sans Serif", -11));
    // Closing the main window ends the program even while this screen is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(349, 226);

    Panel2 = new TPanel(this);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(24, 16, 273, 41);
    Panel2->setColor(kBlack);
    Panel2->setFontColor(kYellow);
    Panel2->setFont(designFont("Arial", -13));
    connect(Panel2, &TPanel::clicked, this, guardedSlot(dialogs_, this, &TfmMem::Panel2Click));

    Panel1 = new TPanel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(24, 56, 273, 41);
    Panel1->setText(tr("Windows 95  Currently running"));
    Panel1->setBevelInner(Bevel::Lowered);
    Panel1->setBevelOuter(Bevel::Lowered);
    Panel1->setBevelWidth(2);
    Panel1->setColor(kBlack);
    Panel1->setFontColor(kYellow);
    Panel1->setFont(designFont("Arial", -12));
    connect(Panel1, &TPanel::clicked, this, guardedSlot(dialogs_, this, &TfmMem::Panel1Click));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setGeometry(24, 96, 273, 97);
    ListBox1->setFont(designFont("MS Sans Serif", -15));
    setTextColour(ListBox1, kDarkBlue);
    connect(ListBox1, &QListWidget::itemClicked, this,
            guardedSlot(dialogs_, this, &TfmMem::ListBox1Click));
    // Esc closes it as it closes the other screens; it holds nothing that could be lost.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    WindowsList1 = new TWindowsList(windows_, this);
    WindowsList1->setAcceptEmptyNames(false);
    SysInfo1 =
        new TSysInfo(TSysInfo::Sources{*services.system, *services.memory, *services.drives}, this);

    if (const QScreen* display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().center() - rect().center());
    // The list is made afresh whenever the user comes to the screen, also from another program,
    // since windows come and go meanwhile.
    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Count),
            &ActivationWatcher::activated, this,
            guardedSlot(dialogs_, this, &TfmMem::FormActivate));
    relist_.setSingleShot(true);
    relist_.setInterval(0);
    connect(&relist_, &QTimer::timeout, this, guardedSlot(dialogs_, this, &TfmMem::FormActivate));
}

TfmMem::~TfmMem() = default;

void TfmMem::bringForward() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // The desktop may not activate the screen when it was active already, or at all.
    runGuarded(dialogs_, [this] { FormActivate(); });
}

void TfmMem::FormActivate() {
    WindowsList1->RefreshList();
    // The list is made again on every restack; the user's place in it stays.
    const int scrolled = ListBox1->verticalScrollBar()->value();
    ListBox1->clear();
    ListBox1->addItems(WindowsList1->captions());
    ListBox1->verticalScrollBar()->setValue(scrolled);
    const int n = ListBox1->count();
    //: %1 is the physical memory, %2 how many windows are listed.
    Panel2->setText(tr("%1/ %2 Windows").arg(SysInfo1->TotalMemory(), QString::number(n)));
}

void TfmMem::FormResize() {
    ListBox1->resize(qMax(0, width() - 40), qMax(0, height() - 102));
    Panel2->resize(ListBox1->width(), Panel2->height());
    Panel1->resize(ListBox1->width(), Panel1->height());
}

void TfmMem::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    runGuarded(dialogs_, [this] { FormResize(); });
}

// What was read as the screen came forward may be from before the desktop raised it, and other
// windows come and go while it is shown: the desktop's word on a change lists again.
void TfmMem::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!restacks_)
        restacks_ = windows_.watch([this] { relist_.start(); });
}

void TfmMem::hideEvent(QHideEvent* e) {
    restacks_.reset();
    relist_.stop();
    QWidget::hideEvent(e);
}

void TfmMem::Panel1Click() {
    close();
}

void TfmMem::Panel2Click() {
    close();
}

void TfmMem::ListBox1Click() {
    chooseScreenFont(dialogs_, {ListBox1});
}

} // namespace vok
