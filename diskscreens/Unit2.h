#pragma once
// Unit2: the directory space screen (TFmDir).
#include "diskscreens/DirSpaceCaptions.h"
#include "diskscreens/ScanState.h"
#include "diskscreens/SortKeyPart.h"
#include <QDialog>

class QAction;
class QLabel;
class QMenuBar;

namespace vok {

struct Services;
class ScreenContext;
class TDirectoryListBox;
class TDriveComboBox;
class TPanel;
class StringGrid;

// The directory space screen: the files of one directory with their sizes and total, sortable,
// and sent to the trash by a click.
class TFmDir : public QDialog {
    Q_OBJECT
public:
    TFmDir(const Services& services, ScreenContext& context, QWidget* parent = nullptr);

    TDriveComboBox* DriveComboBox1;
    TPanel* Panel1;
    TDirectoryListBox* DirectoryListBox1;
    StringGrid* StringGrid1;
    QLabel* Label1;

    QAction *Mb1, *Kilobytes1, *Bytes1;
    QAction *Directories1, *Files1; // the Display menu: the directory list or the file grid
    QAction *Name1, *FileSize1, *FileExtension1;
    QAction *Ascending1, *ZA1;
    QAction *Files3, *Directories3; // the Font menu: the file grid's font, the list's font

    ScanState scan;
    int SelectedRow = 0;

    void FormCreate();
    void FormActivate();
    void FormResize();
    void DirectoryListBox1Change();
    void DriveComboBox1Change();
    void Mb1Click();
    void Kilobytes1Click();
    void Bytes1Click();
    void Directories1Click();
    void Files1Click();
    void Panel1Click();
    void Name1Click();
    void FileSize1Click();
    void FileExtension1Click();
    void ZA1Click();
    void Ascending1Click();
    void Files3Click();
    void Directories3Click();
    void StringGrid1SelectCell(int col, int row);
    void StringGrid1Click();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildMenu();
    SpaceUnit checkedUnit() const;
    void showUnit(QAction* item, SpaceUnit unit);
    void listDirectory();
    // The key the Sort menu's check mark stands for.
    SortKey checkedSortKey() const;
    void sortBy(SortKey key, bool descending);
    void sortListedBy(QAction* item, bool descending);

    const Services& services_;
    ScreenContext& context_;
    QMenuBar* menuBar_ = nullptr;
};

} // namespace vok
