#pragma once
#include "controls/DriveComboBox.h"
#include "controls/ScreenContext.h"
#include <QStringList>

namespace vok {

// The main window's side of a screen, for a screen tested alone: the drive comes from `picker`
// when one is given, the shared colours and fonts from `settings`; the paths the screen asked
// file information for are kept in `fileInfoOpened`.
struct TestScreenContext : ScreenContext {
    QChar pickerDrive() const override { return picker ? picker->drive() : QChar(); }
    SharedDisplaySettings& display() override { return settings; }
    void openFileInfo(const QString& path) override { fileInfoOpened << path; }

    const TDriveComboBox* picker = nullptr;
    SharedDisplaySettings settings;
    QStringList fileInfoOpened;
};

} // namespace vok
