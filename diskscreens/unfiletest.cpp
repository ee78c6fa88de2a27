// unfiletest: the directory tree screen (TfmTree).
#include "diskscreens/unfiletest.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/DriveInfo.h"
#include "controls/MenuItem.h"
#include "controls/Panel.h"
#include "controls/Rounding.h"
#include "controls/ScreenFonts.h"
#include "controls/ScreenFrame.h"
#include "controls/StringGrid.h"
#include "diskscreens/FindFiles.h"
#include "diskscreens/ListDirectory.h"
#include "diskscreens/RecycleBin.h"
#include "diskscreens/TreeNodes.h"
#include "platform/Colors.h"
#include "platform/DialogService.h"
#include "platform/ErrorHandler.h"
#include "platform/Services.h"
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

namespace vok {

namespace {

QString megabytes(qint64 bytes) {
    return QString::number(roundedMegabytes(bytes));
}

// A node's directory, kept beside its text: the figure before the path is translated and may
// hold anything.
constexpr int kDirectoryRole = Qt::UserRole;

} // namespace

TfmTree::TfmTree(const Services& services, ScreenContext&, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("fmTree");
    setWindowTitle(tr("Vok Directory Tree "));
    setFont(QFont("MS Sans Serif", 8));
    resize(499, 346);

    QWidget* client = screenClientArea(this);

    DriveComboBox1 = new TDriveComboBox(*services_.drives, client);
    DriveComboBox1->setGeometry(16, 8, 161, DriveComboBox1->sizeHint().height());
    connect(DriveComboBox1, &TDriveComboBox::changed, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::DriveComboBox1Change));

    DirectoryListBox1 = new TDirectoryListBox(*services_.drives, *services_.directories,
                                              *services_.dialogs, client);
    DirectoryListBox1->setGeometry(184, 8, 265, 97);

    Button1 = new QPushButton(tr("Execute"), client);
    Button1->setGeometry(24, 40, 153, 25);
    connect(Button1, &QPushButton::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::Button1Click));
    Button2 = new QPushButton(tr("Sort"), client);
    Button2->setGeometry(24, 72, 73, 25);
    connect(Button2, &QPushButton::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::Button2Click));
    Button3 = new QPushButton(tr("Font"), client);
    Button3->setGeometry(104, 72, 73, 25);
    connect(Button3, &QPushButton::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::Button3Click));

    Panel1 = new TPanel(client);
    Panel1->setGeometry(16, 112, 441, 41);
    connect(Panel1, &TPanel::clicked, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::Panel1Click));

    TreeView1 = new QTreeWidget(client);
    TreeView1->setAccessibleName(tr("Directory tree"));
    TreeView1->setGeometry(16, 160, 441, 145);
    TreeView1->setColumnCount(1);
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setIndentation(19);
    TreeView1->setUniformRowHeights(true); // thousands of nodes scroll smoothly
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::TreeView1Change));

    StringGrid1 = new StringGrid(2, client);
    StringGrid1->setAccessibleName(tr("Files"));
    StringGrid1->setGeometry(16, 160, 441, 145);
    StringGrid1->setRightAligned(1); // the sizes
    StringGrid1->hide();
    connect(StringGrid1, &StringGrid::selectCell, this,
            guardedSlot(*services_.dialogs, this, &TfmTree::StringGrid1SelectCell));
    // Delete on the selected file goes the way of a click.
    for (auto signal : {&StringGrid::clicked, &StringGrid::deletePressed})
        connect(StringGrid1, signal, this,
                guardedSlot(*services_.dialogs, this, &TfmTree::StringGrid1Click));
}

void TfmTree::DriveComboBox1Change() {
    DirectoryListBox1->setDrive(DriveComboBox1->drive());
}

void TfmTree::AddTreeNode(int level, const QString& text, const QString& dir) {
    vok::AddTreeNode(TreeView1, level, text)->setData(0, kDirectoryRole, NodeDirectory(dir));
}

bool TfmTree::AddDirectoryNode(const QString& dir, const DirEntry& rec) {
    if (dir != scan_.LastListedDir) {
        if (TreeDirCount == 0) {
            AddTreeNode(1, dir, dir);
            // Open from the start, so the directories appear as the walk meets them.
            TreeView1->topLevelItem(TreeView1->topLevelItemCount() - 1)->setExpanded(true);
        } else {
            addLastDirectoryNode();
        }
        ++TreeDirCount;
        scan_.ScanByteTotal = 0;
    }
    scan_.LastListedDir = dir;
    ++scan_.ScanFileCount;
    TreeGrandTotal += rec.size;
    scan_.ScanByteTotal += rec.size;
    return true;
}

void TfmTree::addLastDirectoryNode() {
    AddTreeNode(2, TreeFigureText(scan_.ScanByteTotal) + scan_.LastListedDir, scan_.LastListedDir);
}

void TfmTree::Button1Click() {
    if (job_.busy())
        return;
    // The busy cursor and the disabled commands last for the walk, on every way out.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto cursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    Job::Run run(job_);
    scan_.ScanFileCount = 0;
    TreeGrandTotal = 0;
    TreeDirCount = 0;
    scan_.LastListedDir.clear();
    scan_.ScanByteTotal = 0;
    TreeView1->clear();
    TreeView1->show();
    StringGrid1->hide();
    TreeView1->setFocus(); // where Esc is pressed
    WorkPacer pacer([this] { showWalkProgress(); }, pacing_);
    const JobOutcome outcome = FindFiles(
        *services_.directories, *services_.drives, job_, DirectoryListBox1->directory(),
        QStringLiteral("*.*"),
        [this](const QString& dir, const DirEntry& rec) { return AddDirectoryNode(dir, rec); },
        pacer);
    if (TreeDirCount > 0)
        addLastDirectoryNode();
    const QString files = QString::number(scan_.ScanFileCount);
    if (outcome == JobOutcome::Cancelled) {
        //: Mb = megabytes; %1 is the size of all files met, %2 their number
        Panel1->setText(tr(" Total space %1 Mb, Number of Files = %2, stopped by Esc")
                            .arg(megabytes(TreeGrandTotal), files));
    } else {
        //: Mb = megabytes; %1 is the size of all files met, %2 their number
        Panel1->setText(
            tr(" Total space %1 Mb, Number of Files = %2").arg(megabytes(TreeGrandTotal), files));
    }
    {
        // A node clicked while the walk ran was not listed; the next click on it must list it.
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(nullptr);
    }
    TreeView1->expandAll();
}

void TfmTree::showWalkProgress() {
    //: %1 is the number of files met so far, %2 the number of directories holding them
    Panel1->setText(tr(" Reading: %1 files in %2 directories (Esc stops)")
                        .arg(scan_.ScanFileCount)
                        .arg(TreeDirCount));
    letInputThrough();
}

void TfmTree::Button2Click() {
    if (job_.busy())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        const QSignalBlocker quiet(TreeView1);
        SortTreeNodes(TreeView1);
    }
    QApplication::restoreOverrideCursor();
}

void TfmTree::Button3Click() {
    chooseScreenFont(*services_.dialogs, {TreeView1, DirectoryListBox1, StringGrid1});
}

void TfmTree::TreeView1Change(QTreeWidgetItem* node) {
    // The walk's counters are the listing's too: nothing is listed while it runs.
    if (!node || job_.busy())
        return;
    const QString dir = node->data(0, kDirectoryRole).toString();
    if (dir.isEmpty())
        return;
    DirectoryListBox1->setDirectory(dir);
    StringGrid1->show();
    TreeView1->hide();
    // The node's own directory, also when the directory list could not go there (it is gone):
    // the listing then says so with 0 files, rather than listing another directory.
    gridDir_ = dir;
    WorkPacer pacer(repaintOnly);
    ListDirectory(*services_.directories, scan_, StringGrid1->cells(), dir,
                  ListingVariant::DirectoryTree, pacer, {},
                  [this](const QString& caption) { setWindowTitle(caption); });
    StringGrid1->setColWidth(0, 160);
    StringGrid1->setColWidth(1, 100);
    StringGrid1->viewport()->update();
    //: Mb = megabytes; %1 is the size of the directory's files, %2 their number
    Panel1->setText(tr("%1 Mb %2 Files")
                        .arg(megabytes(scan_.ScanByteTotal), QString::number(scan_.ScanFileCount)));
    scan_.ScanByteTotal = 0;
}

void TfmTree::Panel1Click() {
    if (job_.busy())
        return;
    const bool treeShown = !TreeView1->isHidden();
    TreeView1->setVisible(!treeShown);
    StringGrid1->setVisible(treeShown);
}

void TfmTree::StringGrid1SelectCell(int, int row) {
    SelectedRow = row;
}

void TfmTree::StringGrid1Click() {
    if (job_.busy())
        return;
    DeleteClickedFile(
        trashAccessOf(services_), StringGrid1->cells(), StringGrid1,
        [this](const QString& text) {
            Panel1->setFontSize(10);
            Panel1->setText(text);
        },
        SelectedRow, gridDir_);
}

void TfmTree::FormResize() {
    const int treeWidth = width() - 29;
    const int treeHeight = qMax(0, height() - 200);
    TreeView1->resize(treeWidth, treeHeight);
    Panel1->resize(treeWidth, Panel1->height());
    DirectoryListBox1->resize(width() - 205, DirectoryListBox1->height());
    // The grid takes the tree's place, also in height.
    StringGrid1->resize(treeWidth - 6, treeHeight);
}

void TfmTree::setWorking(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, Button3, DriveComboBox1,
                                                      DirectoryListBox1})
        w->setEnabled(!on);
}

void TfmTree::done(int result) {
    if (job_.busy())
        return;
    QDialog::done(result);
}

void TfmTree::keyPressEvent(QKeyEvent* e) {
    // Esc stops a walk; it never closes the screen, so a late press cannot close it either.
    if (e->key() == Qt::Key_Escape) {
        job_.requestCancel();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfmTree::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    runGuarded(*services_.dialogs, [this] { FormResize(); });
}

} // namespace vok
