// Unit4: the file search screen (TfmFiles).
#include "diskscreens/Unit4.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/MenuItem.h"
#include "controls/Panel.h"
#include "controls/Rounding.h"
#include "controls/ScreenContext.h"
#include "controls/ScreenFonts.h"
#include "controls/ScreenFrame.h"
#include "controls/StringGrid.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/FoundFiles.h"
#include "diskscreens/GridSort.h"
#include "diskscreens/RecycleBin.h"
#include "platform/DialogService.h"
#include "platform/Drive.h"
#include "platform/ErrorHandler.h"
#include "platform/Services.h"
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace vok {

namespace {

const char* const kWholeDrive = QT_TRANSLATE_NOOP(
    "vok::TfmFiles", "Doing an entire Drive may take a few minutes do you still wish to Continue?");

} // namespace

TfmFiles::TfmFiles(const Services& services, ScreenContext& context, QWidget* parent)
    : QDialog(parent), services_(services), context_(context) {
    setObjectName("fmFiles");
    setWindowTitle(tr("Vok Search by Filename or Extension"));
    setFont(QFont("MS Sans Serif", 8));
    resize(592, 362);

    QWidget* client = screenClientArea(this);

    DriveComboBox1 = new TDriveComboBox(*services_.drives, client);
    DriveComboBox1->setGeometry(8, 48, 145, DriveComboBox1->sizeHint().height());
    connect(DriveComboBox1, &TDriveComboBox::changed, this,
            guardedSlot(*services_.dialogs, this, &TfmFiles::DriveComboBox1Change));

    DirectoryListBox1 = new TDirectoryListBox(*services_.drives, *services_.directories,
                                              *services_.dialogs, client);
    DirectoryListBox1->setGeometry(8, 72, 145, 65);

    Panel1 = new TPanel(client);
    Panel1->setGeometry(176, 8, 273, 33);
    Panel1->setBevelInner(Bevel::Lowered);
    Panel1->setBevelOuter(Bevel::Lowered);
    Panel1->setBevelWidth(2);
    Panel1->setFont(QFont("MS Sans Serif", 10));

    Label1 =
        new QLabel(tr("Enter a Dos type file mask for example *.* for all files;  con*.sys for "
                      "config.sys and config2.sys; default is *.*"),
                   client);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The designed 26 pixels hold two lines; a wider substitute font needs a third.
    Label1->setGeometry(176, 48, 295, qMax(26, Label1->heightForWidth(295)));

    Edit1 = new QLineEdit(client);
    Edit1->setAccessibleName(tr("File mask"));
    Edit1->setGeometry(192, 112, 121, Edit1->sizeHint().height());

    Button1 = new QPushButton(tr("Begin Search"), client);
    Button1->setGeometry(344, 96, 137, 33);
    connect(Button1, &QPushButton::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmFiles::Button1Click));

    StringGrid1 = new StringGrid(4, client);
    StringGrid1->setGeometry(8, 144, 569, 185);
    for (int c = 0; c < 4; ++c)
        StringGrid1->setColWidth(c, 100);
    StringGrid1->setRightAligned(1); // the sizes
    StringGrid1->setDefaultRowHeight(24);
    connect(StringGrid1, &StringGrid::selectCell, this,
            guardedSlot(*services_.dialogs, this, &TfmFiles::StringGrid1SelectCell));
    // Delete on the selected file goes the way of a click.
    for (auto signal : {&StringGrid::clicked, &StringGrid::deletePressed})
        connect(StringGrid1, signal, this,
                guardedSlot(*services_.dialogs, this, &TfmFiles::StringGrid1Click));
    connect(StringGrid1, &StringGrid::keyPressed, this,
            guardedSlot(*services_.dialogs, this, &TfmFiles::StringGrid1KeyDown));

    buildMenu();
    QDialog::layout()->setMenuBar(menuBar_);
    runGuarded(*services_.dialogs, [this] { FormCreate(); });
}

void TfmFiles::buildMenu() {
    menuBar_ = new QMenuBar(this);
    Sort1 = menuBar_->addMenu(tr("Sort"));
    Sort1->setObjectName("Sort1");
    FileName1 = addMenuItem(*services_.dialogs, Sort1, tr("File Path+Name"), "FileName1", this,
                            &TfmFiles::FileName1Click, true);
    FileSize1 = addMenuItem(*services_.dialogs, Sort1, tr("File Size"), "FileSize1", this,
                            &TfmFiles::FileSize1Click, true);
    FileName2 = addMenuItem(*services_.dialogs, Sort1, tr("File Name"), "FileName2", this,
                            &TfmFiles::FileName2Click, true);
    FileExtension1 = addMenuItem(*services_.dialogs, Sort1, tr("File Extension"), "FileExtension1",
                                 this, &TfmFiles::FileExtension1Click, true);
    FilePath1 = addMenuItem(*services_.dialogs, Sort1, tr("File Path"), "FilePath1", this,
                            &TfmFiles::FilePath1Click, true);
    SortOrder1 = menuBar_->addMenu(tr("Sort Order"));
    SortOrder1->setObjectName("SortOrder1");
    AZAscending1 = addMenuItem(*services_.dialogs, SortOrder1, tr("A..Z Ascending"), "AZAscending1",
                               this, &TfmFiles::AZAscending1Click, true);
    ZADescending1 = addMenuItem(*services_.dialogs, SortOrder1, tr("Z..A Descending"),
                                "ZADescending1", this, &TfmFiles::ZADescending1Click, true, true);
    // A command of its own on the menu bar, not a menu.
    Font1 = menuBar_->addAction(tr("Font"));
    Font1->setObjectName("Font1");
    connect(Font1, &QAction::triggered, this,
            guardedSlot(*services_.dialogs, this, &TfmFiles::Font1Click));
}

void TfmFiles::FormCreate() {
    const QChar drive = context_.pickerDrive();
    if (!drive.isNull()) {
        DriveComboBox1->setDrive(drive);
        DirectoryListBox1->setDrive(drive);
    }
    StringGrid1->setColWidth(0, 350);
    StringGrid1->setColWidth(1, 100);
    applyFontSetting(StringGrid1, context_.display().FilesFont);
}

void TfmFiles::FormResize() {
    const int gridWidth = width() - 40;
    // The grid also takes the height the window gives it below the search controls.
    const int gridHeight = qMax(48, height() - menuBar_->height() - StringGrid1->y() - 8);
    StringGrid1->resize(gridWidth, gridHeight);
    StringGrid1->setColWidth(0, int(roundHalfEven(gridWidth * 10.0 / 17.0)));
    StringGrid1->setColWidth(1, int(roundHalfEven(gridWidth / 4.0)));
    StringGrid1->setColWidth(2, int(roundHalfEven(gridWidth / 6.0)));
}

void TfmFiles::DriveComboBox1Change() {
    DirectoryListBox1->setDrive(DriveComboBox1->drive());
}

bool TfmFiles::isDriveRoot(const QString& dir) const {
    const QString clean = QDir::cleanPath(dir);
    const QList<Drive> drives = services_.drives->drives(); // const: no copy to iterate
    for (const Drive& d : drives)
        if (QDir::cleanPath(d.mountPoint) == clean)
            return true;
    return false;
}

void TfmFiles::Button1Click() {
    if (job_.busy())
        return;
    const QString dir = DirectoryListBox1->directory();
    const QString mask = Edit1->text();
    if (isDriveRoot(dir) && mask.size() <= 3 &&
        services_.dialogs->confirmInformation(tr(kWholeDrive), Buttons::YesNo) != Answer::Yes)
        return;
    Job::Run run(job_);
    SearchTotalBytes = 0;
    GridRows& rows = StringGrid1->cells();
    for (int c = 0; c < 3; ++c)
        rows.fillColumn(c, QStringLiteral(" "));
    rows.setRows(0);
    Panel1->setText(tr("Scanning for files. "));
    StringGrid1->setFocus();
    rows.setCell(2, 0, QStringLiteral("0"));
    try {
        // One clock from the walk through the sort: no phase starts its own interval.
        WorkPacer pacer([this] { showWalkProgress(); }, pacing_);
        JobOutcome walked;
        {
            FoundFileRows found(rows, SearchTotalBytes);
            walked = FindFiles(
                *services_.directories, *services_.drives, job_, dir, mask,
                [&found](const QString& in, const DirEntry& rec) { return found.add(in, rec); },
                pacer);
        }
        if (walked == JobOutcome::Cancelled) {
            // The rows found so far are still sorted and counted.
            services_.dialogs->message(tr("Vok File Seach Cancelled"));
            job_.clearCancel();
            pacer.resume();
        }
        rows.flush();
        Panel1->setText(tr("File list built sorting by size descending"));
        pacer.setHook(letInputThrough);
        sortGrid(SortByColumn1, true, pacer);
    } catch (const std::bad_alloc&) {
        // As when the search is cancelled, what was found stays listed and is counted; the
        // guard then says why the search stopped (also should the views find no room for them).
        showTotal();
        rows.flush();
        throw;
    }
    showTotal();
}

void TfmFiles::showTotal() {
    //: Mb = megabytes; %1 is the size of all files found
    Panel1->setText(
        tr(" Total space %1 Mb").arg(QString::number(roundedMegabytes(SearchTotalBytes))));
}

void TfmFiles::showWalkProgress() {
    GridRows& rows = StringGrid1->cells();
    rows.flush();
    //: %1 is the number of files found so far
    Panel1->setText(tr("Scanning for files. %1 found").arg(QString::number(rows.rows() - 1)));
    letInputThrough();
}

void TfmFiles::sortGrid(SortKey key, bool descending, WorkPacer& pacer) {
    // Esc reaches the grid while the sort lets input through.
    StringGrid1->setFocus();
    if (SortGrid(StringGrid1->cells(), key, descending, false, pacer, &job_) ==
        JobOutcome::Cancelled) {
        services_.dialogs->message(tr("Vok File Sort has been Cancelled"));
        job_.clearCancel();
    }
    StringGrid1->viewport()->update();
}

SortKey TfmFiles::checkedSortKey() const {
    return FilePath1->isChecked()        ? SortByPath
           : FileExtension1->isChecked() ? SortByExtension
           : FileName2->isChecked()      ? SortByFileName
           : FileSize1->isChecked()      ? SortByColumn1
                                         : SortByColumn0;
}

void TfmFiles::sortRows(bool descending) {
    Job::Run run(job_);
    WorkPacer pacer(letInputThrough, pacing_);
    sortGrid(checkedSortKey(), descending, pacer);
}

void TfmFiles::sortByKey(QAction* item) {
    if (job_.busy())
        return;
    checkOnly(item, {FileName1, FileSize1, FileName2, FileExtension1, FilePath1});
    sortRows(ZADescending1->isChecked());
}

void TfmFiles::FileName1Click() {
    sortByKey(FileName1);
}
void TfmFiles::FileSize1Click() {
    sortByKey(FileSize1);
}
void TfmFiles::FileName2Click() {
    sortByKey(FileName2);
}
void TfmFiles::FileExtension1Click() {
    sortByKey(FileExtension1);
}
void TfmFiles::FilePath1Click() {
    sortByKey(FilePath1);
}

void TfmFiles::sortInOrder(QAction* item, bool descending) {
    if (job_.busy())
        return;
    checkOnly(item, {AZAscending1, ZADescending1});
    sortRows(descending);
}

void TfmFiles::AZAscending1Click() {
    sortInOrder(AZAscending1, false);
}
void TfmFiles::ZADescending1Click() {
    sortInOrder(ZADescending1, true);
}

void TfmFiles::Font1Click() {
    if (job_.busy())
        return;
    if (chooseScreenFont(*services_.dialogs, StringGrid1, &context_.display().FilesFont))
        StringGrid1->viewport()->update();
}

void TfmFiles::StringGrid1KeyDown(int key) {
    if (key == Qt::Key_Escape)
        job_.requestCancel();
}

void TfmFiles::StringGrid1SelectCell(int, int row) {
    SelectedRow = row;
}

void TfmFiles::StringGrid1Click() {
    // Rows move while a search or sort runs; a click then would name a file by chance.
    if (job_.busy())
        return;
    DeleteClickedFile(
        trashAccessOf(services_), StringGrid1->cells(), StringGrid1,
        [this](const QString& text) {
            Panel1->setFontSize(10);
            Panel1->setText(text);
        },
        SelectedRow, QString());
}

// The busy cursor and the disabled commands last as long as the job runs.
void TfmFiles::setWorking(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, DriveComboBox1, DirectoryListBox1})
        w->setEnabled(!on);
    for (QMenu* menu : {Sort1, SortOrder1}) {
        menu->menuAction()->setEnabled(!on);
        for (QAction* a : menu->actions())
            a->setEnabled(!on);
    }
    Font1->setEnabled(!on);
}

void TfmFiles::done(int result) {
    if (job_.busy())
        return;
    QDialog::done(result);
}

void TfmFiles::keyPressEvent(QKeyEvent* e) {
    // Esc is the search's cancel key; it never closes the screen, busy or not.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfmFiles::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    runGuarded(*services_.dialogs, [this] { FormResize(); });
}

} // namespace vok
