#pragma once
#include "controls/sysinfo.h"
#include <QWidget>

class QListWidget;

namespace vok {

class DialogService;
class TopLevelWindows;
class TPanel;
class TWindowsList;

// The running windows screen: the captions of the desktop's top-level windows, with the
// machine's physical memory and how many windows there are. It opens beside the main window,
// not over it, and lists afresh whenever it is activated.
class TfmMem : public QWidget {
    Q_OBJECT
public:
    TfmMem(TopLevelWindows& windows, const TSysInfo::Sources& machine, DialogService& dialogs,
           QWidget* parent = nullptr);

    TPanel* Panel2; // summary
    TPanel* Panel1; // fixed caption
    QListWidget* ListBox1;
    TWindowsList* WindowsList1;
    TSysInfo* SysInfo1;

    // Shows the screen in front of the others with a fresh list, whether it was open or not.
    void bringForward();

    void FormActivate();
    void FormResize();
    void Panel1Click();
    void Panel2Click();
    void ListBox1Click();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    DialogService& dialogs_;
};

} // namespace vok
