#pragma once
#include "controls/ScreenContext.h"
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vok {

class DirectoryReader;
class ProcessSnapshots;
class TPanel;
struct TreeLine;

// Shows the file information screen for a path, modally; returns when it has closed.
using FileInfoOpener = std::function<void(const QString& path)>;

// The process and module tree: every running process with the files it has mapped, their
// sizes and usage counts, and totals. Clicking a line that names an existing file, or pressing
// Enter or Space on it, opens the file information screen for it.
class TFmMemTree : public QDialog {
    Q_OBJECT
public:
    // dirFont: the directory font at the moment of opening; files answers whether a path
    // names an existing file.
    TFmMemTree(ProcessSnapshots& processes, DirectoryReader& files, const FontSetting& dirFont,
               FileInfoOpener openFileInfo, QWidget* parent = nullptr);

    QPushButton* Button1;
    QPushButton* Button2;
    TPanel* Panel1;
    QLabel* Label1;
    QTreeWidget* TreeView1;

    bool treeExpanded() const { return treeExpanded_; }

    void FormActivate();
    void FormResize();
    void Button1Click();
    void Button2Click();
    void TreeView1Change(QTreeWidgetItem* selected);

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void FormCreate(const FontSetting& dirFont);
    void fill(const std::vector<TreeLine>& lines, const std::function<void()>& pace);

    ProcessSnapshots& processes_;
    DirectoryReader& files_;
    FileInfoOpener openFileInfo_;
    bool treeExpanded_ = false;
};

} // namespace vok
