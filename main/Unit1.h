#pragma once
// Unit1: the main window (TfmVok), the two gauges and the menus that open every other screen.
#include "controls/DriveInfo.h"
#include "controls/ScreenContext.h"
#include "controls/ScreenScale.h"
#include "main/CrapsGame.h"
#include "platform/MemoryStatus.h"
#include "platform/ResourceInfo.h"
#include "platform/Services.h"
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QApplication;
class QDialog;
class QPainter;
class QMenu;
class QTimer;
class QWindow;

namespace vok {

struct SizePreset;
class TFmDir;
class TfmAlldisk;
class TfmFiles;
class TfmTree;
class TFmMemTree;
class TfmMem;
class TPanel;
class TPieGraf;
class TDriveComboBox;
class TDice;

// The application title. Untranslated it names the running copy for the single-instance guard,
// so that copies started in different languages still find each other.
inline constexpr char kApplicationTitle[] =
    QT_TRANSLATE_NOOP("vok::TfmVok", "Vok 97 for Windows 95");

// The seed of the game's dice from the clock, at the moment of the call.
quint32 clockSeedNow();

// The main monitor window: two pie gauges, the drive picker and the read-out, and the menus
// that open everything else. It owns the program-wide state and hands each screen it creates
// the services it was given and the ScreenContext part of that state. Where each member is
// defined: docs/units.md.
class TfmVok : public QMainWindow, public ScreenContext {
    Q_OBJECT
public:
    // screen: the screen size the window scales to; empty means the primary screen's. The
    // services outlive the window.
    explicit TfmVok(const Services& services, QSize screen = {}, QWidget* parent = nullptr);
    ~TfmVok() override;

    // Controls, named as the window's design names them (MainLayout.cpp).
    TPieGraf* PieGraf1;             // disk gauge; a click opens the directory space screen
    TPieGraf* PieGraf2;             // memory gauge; a click is to open running windows
    TDriveComboBox* DriveComboBox1; // the picked drive every disk screen starts from
    TPanel* Panel1;                 // one-line read-out of the last measure shown
    TPanel* Panel2;                 // dice game status
    TDice* Dice1;                   // the craps game's dice; a click on either rolls both
    TDice* Dice2;
    QTimer* Timer1; // every 6 s: free memory in the application title

    // Menu items (MainMenu.cpp). Memory menu: WhatsRunning1 and MemoryMap1 open the running
    // windows and process tree screens; Total1, Virtual1, Real1,
    // PageFile1 are the four memory measures; GDI2, System1, User1 the resource measures (GDI2 runs
    // GDI1Click); Free1, UsedSpace1, TextFont2, SetDefault1 the memory pie's colours and font.
    QAction *WhatsRunning1, *MemoryMap1, *Total1, *Virtual1, *Real1, *PageFile1, *GDI2, *System1,
        *User1, *Free1, *UsedSpace1, *TextFont2, *SetDefault1;
    // Disk menu: DirectorySearch1 opens the directory space screen, FileSearch1 the file search;
    // AllDisks1 and DirectoryTree1 are to open theirs; Megabytes1, Kilobytes1, Bytes1 are the
    // read-out's unit; FreeSpace1, PieSlice1, TextFont1, SettoDefault1 the disk pie's colours and
    // font.
    QAction *AllDisks1, *Megabytes1, *Kilobytes1, *Bytes1, *DirectorySearch1, *DirectoryTree1,
        *FileSearch1, *FreeSpace1, *PieSlice1, *TextFont1, *SettoDefault1;
    // Options menu: the size presets, the dice game, clearing the stored settings, 3D pies.
    QAction *Small1, *Medium1, *Large1, *Craps1, *ResetSettings1, *N3D1;
    QAction* Help1; // a command of its own on the menu bar

    // Event handlers.
    void FormCreate();   // TfmVok.cpp: state, scaling, stored settings
    void FormActivate(); // TfmVok.cpp: measures anew whenever the window is activated
    void Timer1Timer();  // TfmVok.cpp
    void FormClose();    // StoredSettings.cpp: saves the settings
    void Redraw3DPies(); // Pie3DMode.cpp

    // Disk gauge (DiskGauge.cpp).
    void DriveComboBox1Change();
    void Megabytes1Click();
    void Kilobytes1Click();
    void Bytes1Click();

    // Memory gauge (MemoryGauge.cpp).
    void Total1Click();
    void Virtual1Click();
    void Real1Click();
    void PageFile1Click();
    void GDI1Click();
    void System1Click();
    void User1Click();

    // Size presets (SizePresets.cpp).
    void Small1Click();
    void Medium1Click();
    void Large1Click();
    // Pie colours and fonts (PieAppearance.cpp).
    void FreeSpace1Click();
    void PieSlice1Click();
    void TextFont1Click();
    void SettoDefault1Click();
    void Free1Click();
    void UsedSpace1Click();
    void TextFont2Click();
    void SetDefault1Click();
    void N3D1Click();           // Pie3DMode.cpp
    void Help1Click();          // MainMenu.cpp
    void ResetSettings1Click(); // StoredSettings.cpp

    // The craps game (DiceGame.cpp).
    void Craps1Click();
    void Dice1Click();
    void PlaceDice(int dieSize);

    // Opening the secondary screens (ScreenOpening.cpp, RunningWindowsOpening.cpp).
    void AllDisks1Click();
    void DirectorySearch1Click();
    void FileSearch1Click();
    void DirectoryTree1Click();
    void MemoryMap1Click();
    void PieGraf2Click();

    // ScreenContext: what the screens read and change.
    QChar pickerDrive() const override;
    SharedDisplaySettings& display() override { return display_; }
    void openFileInfo(const QString& path) override;

    int activations() const { return activations_; }
    // A screen exists once it has been opened; it stays for the rest of the run.
    TFmDir* dirScreen() const { return dirScreen_.get(); }
    TfmFiles* filesScreen() const { return filesScreen_.get(); }
    // The drive the gauge measured last, 1 = A ... 26 = Z.
    int currentDrive() const { return CurrentDrive; }
    // The read-out's disk unit; none until one is chosen.
    std::optional<SpaceUnit> diskUnit() const { return DiskUnits; }
    bool settingsCleared() const { return SettingsCleared; }
    TfmAlldisk* allDisksScreen() const { return allDisksScreen_.get(); }
    TfmTree* treeScreen() const { return treeScreen_.get(); }
    TFmMemTree* memTreeScreen() const { return memTreeScreen_.get(); }
    // How the process tree shows the file information screen for a path, modally.
    void setFileInfoOpener(std::function<void(const QString& path)> open) {
        fileInfoOpener_ = std::move(open);
    }
    TfmMem* memScreen() const { return memScreen_.get(); }
    const CrapsGame& game() const { return game_; }
    bool gameShown() const { return gameShown_; }
    // Where each activation takes the dice's seed from; the clock unless a test says otherwise.
    void setDiceSeedSource(std::function<quint32()> seed) { diceSeed_ = std::move(seed); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void buildMenu();
    void scaleForm(QSize screen);
    void scaleControls(int num, int den);
    // The picker's drive, upper case.
    QChar pickedDrive() const;
    // The one place the current drive is written.
    void setCurrentDrive(int drive);
    // Measures the current drive and shows its space in the read-out.
    void showDriveSpace(SpaceUnit unit);
    void chooseUnit(SpaceUnit unit, QAction* chosen);
    void applyPreset(const SizePreset& preset);
    void keepOnScreen();
    const MemoryStatus& measureMemory();
    // Shows a memory measure in the pie, the read-out and the hint; checks `checked` alone
    // among the four memory measures when given.
    void showMemory(int fontSize, int percent, const QString& text, QAction* checked);
    // readOut: the read-out's text, with %1 for the free share in per cent.
    void showResource(ResourceKind kind, const QString& readOut);
    void loadSettings();
    void paint3DPiesOn(QPainter& p);
    void showModal(QDialog* screen);
    // In 3D mode, brings the 3D pies up to date.
    void paint3DPies();

    const Services& services_;
    DriveInfo driveInfo_;
    quint8 CurrentDrive = 0;
    std::optional<SpaceUnit> DiskUnits;
    MemoryStatus memoryStatus;
    // Reset Settings was answered Yes: closing saves nothing.
    bool SettingsCleared = false;
    // The pie fonts as loaded; what the user picks during the run is not stored.
    FontSetting Disk1Font;
    FontSetting Disk2Font;
    SharedDisplaySettings display_;
    QSize screen_;
    ScreenScale scale_; // of screen_, for every font size the window sets
    int activations_ = 0;
    std::unique_ptr<TFmDir> dirScreen_;
    std::unique_ptr<TfmFiles> filesScreen_;
    std::unique_ptr<TfmAlldisk> allDisksScreen_;
    std::unique_ptr<TfmTree> treeScreen_;
    std::unique_ptr<TFmMemTree> memTreeScreen_;
    std::function<void(const QString& path)> fileInfoOpener_;
    std::unique_ptr<TfmMem> memScreen_;
    void resetDiceGame();
    CrapsGame game_;
    bool gameShown_ = false;
    std::function<quint32()> diceSeed_ = clockSeedNow;
};

// A font scaled by num : den, kept legible.
QFont scaledFont(QFont f, int num, int den);

// The program entry after the toolkit is up: title, main window over the services, the windows
// the entry creates after it (afterMainWindow), message loop.
int runVok(QApplication& app, const Services& services,
           const std::function<void(TfmVok&)>& afterMainWindow = {});

} // namespace vok
