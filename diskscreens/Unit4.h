#pragma once
// Unit4: the file search screen (TfmFiles).
#include "controls/Job.h"
#include "controls/WorkPacer.h"
#include "diskscreens/SortKeyPart.h"
#include <QDialog>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace vok {

struct Services;
class ScreenContext;
class TDirectoryListBox;
class TDriveComboBox;
class TPanel;
class StringGrid;

// The file search screen: every file below a directory that matches a mask, with its full path
// and size, largest first, the total, re-sorting, and sending a clicked file to the trash.
class TfmFiles : public QDialog {
    Q_OBJECT
public:
    TfmFiles(const Services& services, ScreenContext& context, QWidget* parent = nullptr);

    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    TPanel* Panel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    StringGrid* StringGrid1;

    QMenu *Sort1, *SortOrder1;
    QAction *FileName1, *FileSize1, *FileName2, *FileExtension1, *FilePath1;
    QAction *AZAscending1, *ZADescending1;
    QAction* Font1;

    int SelectedRow = 0;

    void FormCreate();
    void FormResize();
    void DriveComboBox1Change();
    void Button1Click();
    void FileName1Click();
    void FileSize1Click();
    void FileName2Click();
    void FileExtension1Click();
    void FilePath1Click();
    void AZAscending1Click();
    void ZADescending1Click();
    void Font1Click();
    void StringGrid1KeyDown(int key);
    void StringGrid1SelectCell(int col, int row);
    void StringGrid1Click();

    // A search or a sort is running: the commands that would start another are disabled.
    bool working() const { return job_.busy(); }
    // The running search or sort; Esc asks it to stop.
    const Job& job() const { return job_; }
    // The bytes of the files the last search found.
    qint64 searchTotalBytes() const { return SearchTotalBytes; }
    // How often searches and sorts let input through; tests make it every step.
    void setPacing(const WorkPacer::Timing& timing) { pacing_ = timing; }

    // Refused while a search or sort runs, so closing cannot pull the screen from under it.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildMenu();
    void setWorking(bool on);
    bool isDriveRoot(const QString& dir) const;
    // The key the Sort menu's check mark stands for.
    SortKey checkedSortKey() const;
    // Sorts the grid within the running job and shows a cancellation.
    void sortGrid(SortKey key, bool descending, WorkPacer& pacer);
    void sortRows(bool descending);
    void sortByKey(QAction* item);
    void sortInOrder(QAction* item, bool descending);
    void showWalkProgress();
    void showTotal();

    const Services& services_;
    ScreenContext& context_;
    WorkPacer::Timing pacing_;
    qint64 SearchTotalBytes = 0;
    Job job_{[this](bool on) { setWorking(on); }};
    QMenuBar* menuBar_ = nullptr;
};

} // namespace vok
