#pragma once
#include "controls/DriveComboBox.h"
#include "controls/ScreenContext.h"

namespace vok {

// The main window's side of a screen, for a screen tested alone: the drive comes from `picker`
// when one is given, the shared colours and fonts from `settings`.
struct TestScreenContext : ScreenContext {
    QChar pickerDrive() const override { return picker ? picker->drive() : QChar(); }
    SharedDisplaySettings& display() override { return settings; }

    const TDriveComboBox* picker = nullptr;
    SharedDisplaySettings settings;
};

} // namespace vok
