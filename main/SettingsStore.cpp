#include "main/SettingsStore.h"
#include "platform/DialogService.h"
#include "platform/SettingsFile.h"
#include <QCoreApplication>
#include <limits>

namespace vok {

namespace {

const QString kSettings = "Settings";
const QString kDisk1 = "Disk1";
const QString kDisk2 = "Disk2";
const QString kDir = "Dir";
const QString kFiles = "Files";
const QString kBet = "Bet";
constexpr int kMaxFontName = 20;

// The value names of one font section.
struct FontNames {
    QString color, size;
};
const FontNames kDiskNames{"Fontcolor", "Fontsize"};
const FontNames kDirNames{"DirColor", "DirSize"};
const FontNames kFilesNames{"FontColor", "FontSize"};

bool isHexDigits(const QString& s) {
    for (QChar c : s) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return !s.isEmpty();
}

bool sizeInRange(int size) {
    return size >= 7 && size <= 12;
}

FontSetting loadFont(SettingsFile& file, const QString& section, const FontNames& names) {
    FontSetting f;
    const qint32 color = settingInt(file.read(section, names.color), -1);
    f.color = color < 0 ? 0 : quint32(color);
    const qint32 size = settingInt(file.read(section, names.size), -1);
    f.size = sizeInRange(size) ? size : 8;
    f.name = file.read(section, "FontName").value_or("Arial").left(kMaxFontName);
    return f;
}

void writeInt(SettingsFile& file, const QString& section, const QString& name, qint64 value) {
    file.write(section, name, QString::number(value));
}

// Colours of 0 (black) or below are never stored, so a stored colour outlives them.
void writeColor(SettingsFile& file, const QString& section, const QString& name, qint64 color) {
    if (color > 0 && color <= std::numeric_limits<qint32>::max())
        writeInt(file, section, name, color);
}

void saveFont(SettingsFile& file, const QString& section, const FontNames& names,
              const FontSetting& f, int shortestName) {
    writeColor(file, section, names.color, f.color);
    if (sizeInRange(f.size))
        writeInt(file, section, names.size, f.size);
    if (f.name.size() > shortestName)
        file.write(section, "FontName", f.name.left(kMaxFontName));
}

PieLook pieLook(qint32 main, qint32 slice, const FontSetting& font) {
    PieLook look;
    if (main > 0)
        look.mainColor = quint32(main);
    if (slice > 0)
        look.sliceColor = quint32(slice);
    if (font.name.size() > 3)
        look.fontName = font.name;
    if (font.color > 0)
        look.fontColor = font.color;
    look.fontSize = font.size;
    return look;
}

void showSaveFailure(const SettingsFile& file, DialogService& dialogs) {
    //: %1 is the settings file's path.
    dialogs.error(QCoreApplication::translate(
                      "vok::SettingsStore",
                      "Vok could not save its settings to %1. The disk may be full or the folder "
                      "read-only; the settings saved before are kept.")
                      .arg(file.location()));
}

} // namespace

qint32 settingInt(const std::optional<QString>& text, qint32 fallback) {
    if (!text)
        return fallback;
    const QString s = text->trimmed();
    bool ok = false;
    qint64 value = 0;
    if (s.size() > 2 && (s.startsWith("0x") || s.startsWith("0X"))) {
        const QString digits = s.mid(2);
        if (!isHexDigits(digits))
            return fallback;
        value = digits.toLongLong(&ok, 16);
    } else {
        value = s.toLongLong(&ok, 10);
    }
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return fallback;
    return qint32(value);
}

StoredSettings loadSettings(SettingsFile& file) {
    StoredSettings s;
    s.pie1Color = settingInt(file.read(kSettings, "Pie1Color"), -1);
    s.pie2Color = settingInt(file.read(kSettings, "Pie2Color"), -1);
    s.pie1Slice = settingInt(file.read(kSettings, "Pie1Slice"), -1);
    s.pie2Slice = settingInt(file.read(kSettings, "Pie2Slice"), -1);
    s.allColor = settingInt(file.read(kSettings, "AllColor"), -1);
    s.allSlice = settingInt(file.read(kSettings, "AllSlice"), -1);
    s.disk1 = loadFont(file, kDisk1, kDiskNames);
    s.disk2 = loadFont(file, kDisk2, kDiskNames);
    s.dir = loadFont(file, kDir, kDirNames);
    s.files = loadFont(file, kFiles, kFilesNames);
    s.bet = settingInt(file.read(kBet, "Bet"), -1);
    s.total = settingInt(file.read(kBet, "Total"), -1);
    if (s.allColor < 0)
        s.allColor = 32768;
    if (s.allSlice < 0)
        s.allSlice = 255;
    return s;
}

PieLook diskPieLook(const StoredSettings& s) {
    return pieLook(s.pie1Color, s.pie1Slice, s.disk1);
}

PieLook memoryPieLook(const StoredSettings& s) {
    return pieLook(s.pie2Color, s.pie2Slice, s.disk2);
}

void applyPieLook(const PieLook& look, const PieSetters& pie) {
    if (look.mainColor)
        pie.setMainColor(*look.mainColor);
    if (look.sliceColor)
        pie.setSliceColor(*look.sliceColor);
    if (look.fontName)
        pie.setFontName(*look.fontName);
    if (look.fontColor)
        pie.setFontColor(*look.fontColor);
    pie.setFontSize(look.fontSize);
}

bool saveSettings(SettingsFile& file, DialogService& dialogs, const SaveInput& in) {
    if (in.settingsCleared)
        return true;
    if (in.bank > 50)
        writeInt(file, kBet, "Total", in.bank);
    if (in.bet > 0)
        writeInt(file, kBet, "Bet", in.bet);
    writeColor(file, kSettings, "Pie1Color", in.pie1Main);
    writeColor(file, kSettings, "Pie2Color", in.pie2Main);
    writeColor(file, kSettings, "Pie1Slice", in.pie1Slice);
    writeColor(file, kSettings, "Pie2Slice", in.pie2Slice);
    writeColor(file, kSettings, "AllColor", in.allColor);
    writeColor(file, kSettings, "AllSlice", in.allSlice);
    saveFont(file, kDisk1, kDiskNames, in.disk1, 3);
    saveFont(file, kDisk2, kDiskNames, in.disk2, 3);
    if (in.dirCreated)
        saveFont(file, kDir, kDirNames, in.dir, 4);
    if (in.filesCreated)
        saveFont(file, kFiles, kFilesNames, in.files, 4);
    if (file.save())
        return true;
    showSaveFailure(file, dialogs);
    return false;
}

bool resetSettings(SettingsFile& file, DialogService& dialogs) {
    if (dialogs.confirm(
            QCoreApplication::translate("vok::SettingsStore",
                                        "Are you sure you wish to clear all saved settings?"),
            Buttons::YesNoCancel) != Answer::Yes)
        return false;
    for (const QString& section : {kBet, kSettings, kDisk1, kDisk2, kDir, kFiles})
        file.deleteSection(section);
    // Saying they were cleared when the file still holds them would mislead.
    if (!file.save()) {
        showSaveFailure(file, dialogs);
        return false;
    }
    dialogs.message(QCoreApplication::translate(
        "vok::SettingsStore",
        "Saved settings have been cleared. Close and restart Vok to return to defaults"));
    return true;
}

} // namespace vok
