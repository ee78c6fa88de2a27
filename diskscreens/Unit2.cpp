// Unit2: the directory space screen (TFmDir).
#include "diskscreens/Unit2.h"
#include "controls/ActivationWatcher.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/MenuItem.h"
#include "controls/Panel.h"
#include "controls/Rounding.h"
#include "controls/ScreenContext.h"
#include "controls/ScreenFonts.h"
#include "controls/ScreenFrame.h"
#include "controls/StringGrid.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/RecycleBin.h"
#include "platform/ErrorHandler.h"
#include "platform/Services.h"
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

namespace vok {

TFmDir::TFmDir(const Services& services, ScreenContext& context, QWidget* parent)
    : QDialog(parent), services_(services), context_(context) {
    setObjectName("FmDir");
    setWindowTitle(tr("Vok Directory Space and File Delete"));
    setFont(QFont("MS Sans Serif", 8));
    resize(470, 278);

    QWidget* client = screenClientArea(this);

    DriveComboBox1 = new TDriveComboBox(*services_.drives, client);
    DriveComboBox1->setGeometry(8, 0, 145, DriveComboBox1->sizeHint().height());
    connect(DriveComboBox1, &TDriveComboBox::changed, this,
            guardedSlot(*services_.dialogs, this, &TFmDir::DriveComboBox1Change));

    Panel1 = new TPanel(client);
    Panel1->setGeometry(8, 24, 289, 41);
    Panel1->setText("Panel1");
    Panel1->setColor(0x000000);
    Panel1->setFontColor(0x00FFFF);
    Panel1->setFont(QFont("MS Sans Serif", 12));
    connect(Panel1, &TPanel::clicked, this,
            guardedSlot(*services_.dialogs, this, &TFmDir::Panel1Click));

    DirectoryListBox1 = new TDirectoryListBox(*services_.drives, *services_.directories,
                                              *services_.dialogs, client);
    DirectoryListBox1->setGeometry(8, 64, 289, 105);
    DirectoryListBox1->setFont(QFont("MS Sans Serif", 10));
    connect(DirectoryListBox1, &TDirectoryListBox::changed, this,
            guardedSlot(*services_.dialogs, this, &TFmDir::DirectoryListBox1Change));

    StringGrid1 = new StringGrid(3, client);
    StringGrid1->setGeometry(8, 64, 273, 129);
    for (int c = 0; c < 3; ++c)
        StringGrid1->setColWidth(c, 80);
    StringGrid1->setRightAligned(1); // the sizes
    StringGrid1->setCursor(Qt::CrossCursor);
    StringGrid1->hide();
    connect(StringGrid1, &StringGrid::selectCell, this,
            guardedSlot(*services_.dialogs, this, &TFmDir::StringGrid1SelectCell));
    // Delete on the selected file goes the way of a click.
    for (auto signal : {&StringGrid::clicked, &StringGrid::deletePressed})
        connect(StringGrid1, signal, this,
                guardedSlot(*services_.dialogs, this, &TFmDir::StringGrid1Click));

    Label1 =
        new QLabel(tr("Note: Clicking files will permit you to send to the recycle bin"), client);
    Label1->setGeometry(8, 216, 440, 16);
    Label1->setWordWrap(false);
    Label1->setTextFormat(Qt::PlainText);

    buildMenu();
    QDialog::layout()->setMenuBar(menuBar_);
    // Each time the screen is shown or the user comes back to it, it lists its directory anew.
    connect(new ActivationWatcher(this, ActivationWatcher::OtherPrograms::Count),
            &ActivationWatcher::activated, this,
            guardedSlot(*services_.dialogs, this, &TFmDir::FormActivate));
    runGuarded(*services_.dialogs, [this] { FormCreate(); });
}

void TFmDir::buildMenu() {
    menuBar_ = new QMenuBar(this);
    QMenu* units = menuBar_->addMenu(tr("Space Units"));
    //: Mb = megabytes
    Mb1 = addMenuItem(*services_.dialogs, units, tr("Mb"), "Mb1", this, &TFmDir::Mb1Click, true,
                      true);
    //: Kb = kilobytes
    Kilobytes1 = addMenuItem(*services_.dialogs, units, tr("Kb"), "Kilobytes1", this,
                             &TFmDir::Kilobytes1Click, true);
    Bytes1 = addMenuItem(*services_.dialogs, units, tr("Bytes"), "Bytes1", this,
                         &TFmDir::Bytes1Click, true);
    QMenu* display = menuBar_->addMenu(tr("Display"));
    Directories1 = addMenuItem(*services_.dialogs, display, tr("Directories"), "Directories1", this,
                               &TFmDir::Directories1Click, true, true);
    Files1 = addMenuItem(*services_.dialogs, display, tr("Files"), "Files1", this,
                         &TFmDir::Files1Click, true);
    QMenu* sort = menuBar_->addMenu(tr("Sort"));
    Name1 = addMenuItem(*services_.dialogs, sort, tr("File Name"), "Name1", this,
                        &TFmDir::Name1Click, true);
    FileSize1 = addMenuItem(*services_.dialogs, sort, tr("File Size"), "FileSize1", this,
                            &TFmDir::FileSize1Click, true, true);
    FileExtension1 = addMenuItem(*services_.dialogs, sort, tr("File Extension"), "FileExtension1",
                                 this, &TFmDir::FileExtension1Click, true);
    QMenu* order = menuBar_->addMenu(tr("Sort Order"));
    Ascending1 = addMenuItem(*services_.dialogs, order, tr("A..Z or Ascending"), "Ascending1", this,
                             &TFmDir::Ascending1Click, true);
    ZA1 = addMenuItem(*services_.dialogs, order, tr("Z..A  or Descending"), "ZA1", this,
                      &TFmDir::ZA1Click, true, true);
    QMenu* fonts = menuBar_->addMenu(tr("Font"));
    Files3 =
        addMenuItem(*services_.dialogs, fonts, tr("Files"), "Files3", this, &TFmDir::Files3Click);
    Directories3 = addMenuItem(*services_.dialogs, fonts, tr("Directories"), "Directories3", this,
                               &TFmDir::Directories3Click);
}

void TFmDir::FormCreate() {
    const QChar drive = context_.pickerDrive();
    if (!drive.isNull())
        DirectoryListBox1->setDrive(drive);
    applyFontSetting(StringGrid1, context_.display().DirFont);
}

void TFmDir::FormActivate() {
    const QChar drive = context_.pickerDrive();
    if (!drive.isNull()) {
        DriveComboBox1->setDrive(drive);
        DirectoryListBox1->setDrive(drive);
    }
    listDirectory();
    Panel1->setText(dirSpaceCaption(scan, SpaceUnit::Mb, true));
}

void TFmDir::listDirectory() {
    // The directory's first sort follows the Sort and Sort Order menus; by size it is always
    // largest first.
    const ListingSort first{checkedSortKey(), FileSize1->isChecked() || ZA1->isChecked()};
    WorkPacer pacer(repaintOnly);
    ListDirectory(*services_.directories, scan, StringGrid1->cells(),
                  DirectoryListBox1->directory(), ListingVariant::DirectorySpace, pacer, first,
                  [this](const QString& caption) { setWindowTitle(caption); });
    StringGrid1->setColWidth(0, 160);
    StringGrid1->setColWidth(1, 100);
    StringGrid1->resize(width() - 10, StringGrid1->height());
}

SpaceUnit TFmDir::checkedUnit() const {
    if (Kilobytes1->isChecked())
        return SpaceUnit::Kb;
    return Bytes1->isChecked() ? SpaceUnit::Bytes : SpaceUnit::Mb;
}

void TFmDir::DirectoryListBox1Change() {
    Panel1->setFontSize(12);
    if (DirectoryListBox1->directory() != scan.LastListedDir)
        listDirectory();
    Panel1->setText(dirSpaceCaption(scan, checkedUnit(), true));
}

void TFmDir::DriveComboBox1Change() {
    DirectoryListBox1->setDrive(DriveComboBox1->drive());
}

void TFmDir::showUnit(QAction* item, SpaceUnit unit) {
    checkOnly(item, {Mb1, Kilobytes1, Bytes1});
    if (scan.ScanByteTotal > 0)
        Panel1->setText(dirSpaceCaption(scan, unit, false));
}

void TFmDir::Mb1Click() {
    showUnit(Mb1, SpaceUnit::Mb);
}
void TFmDir::Kilobytes1Click() {
    showUnit(Kilobytes1, SpaceUnit::Kb);
}
void TFmDir::Bytes1Click() {
    showUnit(Bytes1, SpaceUnit::Bytes);
}

void TFmDir::Directories1Click() {
    DirectoryListBox1->show();
    StringGrid1->hide();
    checkOnly(Directories1, {Directories1, Files1});
}

void TFmDir::Files1Click() {
    DirectoryListBox1->hide();
    StringGrid1->show();
    checkOnly(Files1, {Directories1, Files1});
}

void TFmDir::Panel1Click() {
    if (Directories1->isChecked())
        Files1Click();
    else
        Directories1Click();
}

SortKey TFmDir::checkedSortKey() const {
    if (FileSize1->isChecked())
        return SortByColumn1;
    return FileExtension1->isChecked() ? SortByExtension : SortByColumn0;
}

void TFmDir::sortListedBy(QAction* item, bool descending) {
    checkOnly(item, {Name1, FileSize1, FileExtension1});
    listDirectory();
    sortBy(checkedSortKey(), descending);
}

void TFmDir::sortBy(SortKey key, bool descending) {
    WorkPacer pacer(repaintOnly);
    SortGrid(StringGrid1->cells(), key, descending, true, pacer);
    StringGrid1->viewport()->update();
}

void TFmDir::Name1Click() {
    sortListedBy(Name1, ZA1->isChecked());
}
void TFmDir::FileSize1Click() {
    sortListedBy(FileSize1, !Ascending1->isChecked());
}
void TFmDir::FileExtension1Click() {
    sortListedBy(FileExtension1, !Ascending1->isChecked());
}

void TFmDir::ZA1Click() {
    checkOnly(ZA1, {Ascending1, ZA1});
    sortBy(checkedSortKey(), true);
}

void TFmDir::Ascending1Click() {
    checkOnly(Ascending1, {Ascending1, ZA1});
    sortBy(checkedSortKey(), false);
}

void TFmDir::Files3Click() {
    if (chooseScreenFont(*services_.dialogs, StringGrid1, &context_.display().DirFont))
        StringGrid1->viewport()->update();
}

void TFmDir::Directories3Click() {
    chooseScreenFont(*services_.dialogs, DirectoryListBox1, nullptr);
}

void TFmDir::StringGrid1SelectCell(int, int row) {
    SelectedRow = row;
}

void TFmDir::StringGrid1Click() {
    DeleteClickedFile(
        trashAccessOf(services_), StringGrid1->cells(), StringGrid1,
        [this](const QString& text) {
            Panel1->setFontSize(10);
            Panel1->setText(text);
        },
        SelectedRow, scan.LastListedDir);
}

namespace {
constexpr int kNoteHeight = 16;
}

void TFmDir::FormResize() {
    const int gridWidth = width() - 40;
    StringGrid1->resize(gridWidth, StringGrid1->height());
    Panel1->resize(gridWidth, Panel1->height());
    DirectoryListBox1->resize(gridWidth, DirectoryListBox1->height());
    StringGrid1->setColWidth(0, int(roundHalfEven(gridWidth * 0.5)));
    StringGrid1->setColWidth(1, int(roundHalfEven(gridWidth * 0.4)));
    // Heights count from the client area under the menu; the title bar is the desktop's. The
    // note sits at the bottom with the list ending just above it.
    const int clientHeight = Label1->parentWidget()->height();
    Label1->move(Label1->x(), clientHeight - kNoteHeight - 4);
    const int listHeight = qMax(20, clientHeight - StringGrid1->y() - kNoteHeight - 8);
    StringGrid1->resize(StringGrid1->width(), listHeight);
    DirectoryListBox1->resize(DirectoryListBox1->width(), listHeight);
}

void TFmDir::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    runGuarded(*services_.dialogs, [this] { FormResize(); });
}

} // namespace vok
