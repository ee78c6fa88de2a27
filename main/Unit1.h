#pragma once
#include "controls/DriveInfo.h"
#include "platform/ResourceInfo.h"
#include <QMainWindow>
#include <memory>

class QAction;
class QApplication;
class QDialog;
class QPainter;
class QMenu;
class QTimer;
class QWindow;

namespace vok {

struct MemoryStatus;
struct SizePreset;
class TFmDir;
class TfmFiles;
class TfmMem;
class TPanel;
class TPieGraf;
class TDriveComboBox;

// The main monitor window: two pie gauges, the drive picker and the read-out, and the menus
// that open everything else.
class TfmVok : public QMainWindow {
    Q_OBJECT
public:
    // screen: the screen size the window scales to; empty means the primary screen's.
    explicit TfmVok(QSize screen = {}, QWidget* parent = nullptr);
    ~TfmVok() override;

    // Controls, named as the window's design names them.
    TPieGraf* PieGraf1; // disk gauge
    TPieGraf* PieGraf2; // memory gauge
    TDriveComboBox* DriveComboBox1;
    TPanel* Panel1; // one-line read-out
    TPanel* Panel2; // dice game status
    QWidget* Dice1;
    QWidget* Dice2;
    QTimer* Timer1;

    // Menu items.
    QAction *WhatsRunning1, *MemoryMap1, *Total1, *Virtual1, *Real1, *PageFile1, *GDI2, *System1,
        *User1, *Free1, *UsedSpace1, *TextFont2, *SetDefault1;
    QAction *AllDisks1, *Megabytes1, *Kilobytes1, *Bytes1, *DirectorySearch1, *DirectoryTree1,
        *FileSearch1, *FreeSpace1, *PieSlice1, *TextFont1, *SettoDefault1;
    QAction *Small1, *Medium1, *Large1, *Craps1, *ResetSettings1, *N3D1;
    QAction* Help1;

    // Event handlers.
    void FormCreate();
    void FormActivate();
    void Timer1Timer();
    void FormClose();
    void Redraw3DPies();

    // Disk gauge.
    void DriveComboBox1Change();
    void Megabytes1Click();
    void Kilobytes1Click();
    void Bytes1Click();

    // Memory gauge.
    void Total1Click();
    void Virtual1Click();
    void Real1Click();
    void PageFile1Click();
    void GDI1Click();
    void System1Click();
    void User1Click();

    // Appearance.
    void Small1Click();
    void Medium1Click();
    void Large1Click();
    void FreeSpace1Click();
    void PieSlice1Click();
    void TextFont1Click();
    void SettoDefault1Click();
    void Free1Click();
    void UsedSpace1Click();
    void TextFont2Click();
    void SetDefault1Click();
    void N3D1Click();
    void Help1Click();
    void ResetSettings1Click();
    void Craps1Click();

    // Opening the secondary screens.
    void AllDisks1Click();
    void DirectorySearch1Click();
    void FileSearch1Click();
    void DirectoryTree1Click();
    void MemoryMap1Click();
    void PieGraf2Click();

    // Runs a handler as the toolkit runs event handlers: an error ends it and is shown.
    void guarded(void (TfmVok::*handler)());

    int activations() const { return activations_; }
    TFmDir* dirScreen() const { return dirScreen_.get(); }
    TfmFiles* filesScreen() const { return filesScreen_.get(); }
    TfmMem* memScreen() const { return memScreen_.get(); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void buildMenu();
    QAction* item(QMenu* menu, const QString& caption, const char* name, void (TfmVok::*handler)(),
                  bool checkable = false, bool checked = false);
    void scaleForm(QSize screen);
    void scaleControls(int num, int den);
    // The picker's drive, upper case.
    QChar pickedDrive() const;
    void chooseUnit(int unit, QAction* chosen);
    void applyPreset(const SizePreset& preset);
    void keepOnScreen();
    const MemoryStatus& measureMemory();
    // Shows a memory measure in the pie, the read-out and the hint; checks `checked` alone
    // among the four memory measures when given.
    void showMemory(int fontSize, int percent, const QString& text, QAction* checked);
    void showResource(ResourceKind kind, const QString& name);
    void loadSettings();
    void paint3DPiesOn(QPainter& p);
    void showModal(QDialog* screen);
    // In 3D mode, brings the 3D pies up to date.
    void paint3DPies();

    DriveInfo driveInfo_{DriveInfo::Caller::MainWindow};
    QSize screen_;
    int activations_ = 0;
    std::unique_ptr<TFmDir> dirScreen_;
    std::unique_ptr<TfmFiles> filesScreen_;
    std::unique_ptr<TfmMem> memScreen_;
    // The dice game's money, as loaded; the game itself arrives later.
    qint32 bank_ = -1;
    qint32 bet_ = -1;
};

// A font scaled by num : den, kept legible.
QFont scaledFont(QFont f, int num, int den);

// The program entry after the toolkit is up: title, help file, main window, message loop.
int runVok(QApplication& app);

} // namespace vok
