#pragma once
#include <QChar>
#include <QString>

namespace vok {

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

// What a screen may read and change of the main window. The main window owns it and hands it to
// each screen it creates; a screen asks at the moment it needs a value, so it sees what the user
// picked since.
class ScreenContext {
public:
    // The drive the main window's picker shows, lower case; null when it shows none.
    virtual QChar pickerDrive() const = 0;
    // The colours and fonts the screens share.
    virtual SharedDisplaySettings& display() = 0;
    // Shows the file information screen for a path, modally; returns when it has closed.
    virtual void openFileInfo(const QString& path) = 0;

protected:
    ~ScreenContext() = default;
};

} // namespace vok
