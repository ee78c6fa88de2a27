#pragma once
#include "platform/MemoryStatus.h"
#include <QString>
#include <array>

namespace vok {

class TPanel;
class TDriveComboBox;

// Colour, size and name of a stored font (name at most 20 characters).
struct FontSetting {
    quint32 color = 0;
    int size = 8;
    QString name = "Arial";
};

// Colours and fonts the secondary screens read and change; saved when the program ends.
struct SharedDisplaySettings {
    qint32 AllColor = 32768;
    qint32 AllSlice = 255;
    FontSetting DirFont;
    FontSetting FilesFont;
};

enum class Screen {
    DirectorySpace,
    FileSearch,
    AllDisks,
    RunningWindows,
    DirectoryTree,
    ProcessTree
};

// The main window's program-wide state that every screen reads through shared().
struct SharedState {
    quint8 CurrentDrive = 0; // 1 = A ... 26 = Z
    quint8 DiskUnits = 0;    // 1 = Kb, 2 = Mb, 3 = Bytes; 0 until first chosen
    MemoryStatus memoryStatus;
    bool SettingsCleared = false;
    std::array<bool, 6> ScreenCreated{};
    quint32 DefaultMainColor = 255;
    quint32 DefaultSliceColor = 32768;
    FontSetting Disk1Font;
    FontSetting Disk2Font;
    SharedDisplaySettings display;

    // The main window's read-out panel and drive picker, once it exists.
    TPanel* readout = nullptr;
    TDriveComboBox* drivePicker = nullptr;

    bool& created(Screen s) { return ScreenCreated[size_t(s)]; }
};

SharedState& shared();

} // namespace vok
