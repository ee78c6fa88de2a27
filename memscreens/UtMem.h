#pragma once
// UtMem: the running windows screen (TfmMem).
#include "controls/sysinfo.h"
#include <QTimer>
#include <QWidget>
#include <memory>

class QListWidget;

namespace vok {

class DialogService;
class ScreenContext;
struct Services;
class TopLevelWindows;
class TopLevelWindowsWatch;
class TPanel;
class TWindowsList;

// The running windows screen: the captions of the desktop's top-level windows, with the
// machine's physical memory and how many windows there are. It opens beside the main window,
// not over it, and lists afresh whenever it is activated and, while it is shown, whenever the
// desktop restacks its windows.
class TfmMem : public QWidget {
    Q_OBJECT
public:
    TfmMem(const Services& services, ScreenContext& context, QWidget* parent = nullptr);
    ~TfmMem() override;

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
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TopLevelWindows& windows_;
    DialogService& dialogs_;
    std::unique_ptr<TopLevelWindowsWatch> restacks_;
    QTimer relist_; // one list for a burst of restacks
};

} // namespace vok
