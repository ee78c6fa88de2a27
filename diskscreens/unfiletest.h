#pragma once
// unfiletest: the directory tree screen (TfmTree).
#include "controls/Job.h"
#include "controls/WorkPacer.h"
#include "diskscreens/ScanState.h"
#include "platform/DirEntry.h"
#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vok {

struct Services;
class ScreenContext;
class TDirectoryListBox;
class TDriveComboBox;
class TPanel;
class StringGrid;

// The directory tree screen: one node per directory below a chosen one that holds files,
// labelled with the megabytes of its own files, with the grand total and the number of files;
// a node lists its directory's files, largest first, and a clicked file goes to the trash.
class TfmTree : public QDialog {
    Q_OBJECT
public:
    TfmTree(const Services& services, ScreenContext& context, QWidget* parent = nullptr);

    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    QPushButton* Button1; // Execute
    QPushButton* Button2; // Sort
    QPushButton* Button3; // Font
    TPanel* Panel1;
    QTreeWidget* TreeView1;
    StringGrid* StringGrid1;

    int SelectedRow = 0;

    // Adds a node showing text that lists dir when chosen.
    void AddTreeNode(int level, const QString& text, const QString& dir);

    void DriveComboBox1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FormResize();
    void TreeView1Change(QTreeWidgetItem* node);
    void Panel1Click();
    void StringGrid1SelectCell(int col, int row);
    void StringGrid1Click();

    // The directory the grid lists; a clicked name is resolved against it.
    QString gridDirectory() const { return gridDir_; }
    // The last walk's or listing's files, bytes and directory (see scan_).
    const ScanState& scan() const { return scan_; }
    // The directories with files the last walk met, and all their bytes.
    int treeDirCount() const { return TreeDirCount; }
    qint64 treeGrandTotal() const { return TreeGrandTotal; }
    // How often a walk lets input through; tests make it every step.
    void setPacing(const WorkPacer::Timing& timing) { pacing_ = timing; }

    // Refused while a walk runs, so closing cannot pull the screen from under it.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool AddDirectoryNode(const QString& dir, const DirEntry& rec);
    void setWorking(bool on);
    void showWalkProgress();
    void addLastDirectoryNode();

    const Services& services_;
    QString gridDir_;
    WorkPacer::Timing pacing_;
    // ScanFileCount, ScanByteTotal and LastListedDir count the walk's files, the current
    // directory's bytes and the current directory while Execute walks, and the listing after.
    ScanState scan_;
    int TreeDirCount = 0;
    qint64 TreeGrandTotal = 0;
    Job job_{[this](bool on) { setWorking(on); }};
};

} // namespace vok
