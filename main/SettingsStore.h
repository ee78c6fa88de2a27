#pragma once
#include "controls/ScreenContext.h"
#include <QString>
#include <functional>
#include <optional>

namespace vok {

class DialogService;
class SettingsFile;

// The stored settings after loading. The four pie colours keep -1 when nothing usable was
// stored; everything else is in range.
struct StoredSettings {
    qint32 pie1Color = -1, pie2Color = -1, pie1Slice = -1, pie2Slice = -1;
    qint32 allColor = 32768, allSlice = 255;
    FontSetting disk1, disk2, dir, files;
    qint32 bet = -1, total = -1;
};

// A stored integer: decimal, or hexadecimal after "0x" or "0X" when longer than two characters.
// Anything else, and any number outside the signed 32-bit range, gives the default.
qint32 settingInt(const std::optional<QString>& text, qint32 fallback);

// Reads every stored value and puts defaults in place of those out of range.
StoredSettings loadSettings(SettingsFile& file);

// What loading gives one pie graph; unset fields leave the pie's design value.
struct PieLook {
    std::optional<quint32> mainColor, sliceColor, fontColor;
    std::optional<QString> fontName;
    int fontSize = 8;
};
PieLook diskPieLook(const StoredSettings& s);
PieLook memoryPieLook(const StoredSettings& s);

// The setters of one pie graph, for applyPieLook.
struct PieSetters {
    std::function<void(quint32)> setMainColor, setSliceColor, setFontColor;
    std::function<void(const QString&)> setFontName;
    std::function<void(int)> setFontSize;
};
void applyPieLook(const PieLook& look, const PieSetters& pie);

// What the main window holds when it closes.
struct SaveInput {
    bool settingsCleared = false;
    qint32 bank = 0, bet = 0;
    quint32 pie1Main = 0, pie1Slice = 0, pie2Main = 0, pie2Slice = 0;
    qint32 allColor = 0, allSlice = 0;
    FontSetting disk1, disk2; // as loaded: a font chosen during the run is not kept
    bool dirCreated = false, filesCreated = false;
    FontSetting dir, files;
};

// Writes what is worth storing and saves the file; values not worth storing leave the stored
// ones alone. A failed save is shown once through dialogs. Returns whether the file holds the
// settings now (true also when nothing was to be saved).
bool saveSettings(SettingsFile& file, DialogService& dialogs, const SaveInput& in);

// Asks whether to clear every saved setting and on Yes deletes them; returns whether they were
// cleared, which is when closing must save nothing.
bool resetSettings(SettingsFile& file, DialogService& dialogs);

} // namespace vok
