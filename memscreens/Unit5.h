#pragma once
// Unit5: the process tree screen (TFmMemTree).
#include "controls/ScreenContext.h"
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vok {

class DialogService;
class DirectoryReader;
class ProcessSnapshots;
class TPanel;
struct Services;
struct TreeLine;

// The process and module tree: every running process with the files it has mapped, their
// sizes and usage counts, and totals. Clicking a line that names an existing file, or pressing
// Enter or Space on it, opens the file information screen for it.
class TFmMemTree : public QDialog {
    Q_OBJECT
public:
    // Takes the context's directory font of the moment of opening.
    TFmMemTree(const Services& services, ScreenContext& context, QWidget* parent = nullptr);

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
    DirectoryReader& files_; // answers whether a line names an existing file
    DialogService& dialogs_;
    ScreenContext& context_;
    bool treeExpanded_ = false;
};

} // namespace vok
