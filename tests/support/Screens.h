#pragma once
#include "controls/DriveComboBox.h"
#include "platform/DialogService.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QWidget>
#include <memory>
#include <optional>

namespace vok {

// Every screen over the fake services, with a directory holding a file of a million bytes. A
// chosen colour and font reach each screen as its user gives them: through the shared fonts
// where the screen reads them, else through the screen's font command.
struct Screens {
    Screens();
    // "main window", "directory space", "file search" (of "*.dat", done), "directory tree"
    // (listed), "running windows", "process tree", "file information"; else the help.
    std::unique_ptr<QWidget> make(const QString& name,
                                  std::optional<FontChoice> chosen = std::nullopt);
    TestServices t;
    TDriveComboBox picker{t.drives};
    TestScreenContext context;
};

} // namespace vok
