#include "controls/HelpViewer.h"
#include "controls/MenuItem.h"
#include "main/Unit1.h"
#include "platform/ErrorHandler.h"
#include <QMenuBar>

namespace vok {

void TfmVok::buildMenu() {
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const QString& caption, const char* name,
                       void (TfmVok::*handler)(), bool checkable = false, bool checked = false) {
        return addMenuItem(*services_.dialogs, menu, caption, name, this, handler, checkable,
                           checked);
    };

    // Alt and the first letter open the four titles; no other caption gets a mnemonic.
    QMenu* memory = bar->addMenu("&Memory");
    WhatsRunning1 =
        item(memory, "Whats running . Window Names. ", "WhatsRunning1", &TfmVok::PieGraf2Click);
    MemoryMap1 =
        item(memory, "Memory Tree. Processes and Modules.", "MemoryMap1", &TfmVok::MemoryMap1Click);
    memory->addSeparator();
    Total1 = item(memory, "Total", "Total1", &TfmVok::Total1Click, true, true);
    Virtual1 = item(memory, "Virtual", "Virtual1", &TfmVok::Virtual1Click, true);
    Real1 = item(memory, "Real", "Real1", &TfmVok::Real1Click, true);
    PageFile1 = item(memory, "Page File", "PageFile1", &TfmVok::PageFile1Click, true);
    memory->addSeparator();
    GDI2 = item(memory, "GDI", "GDI2", &TfmVok::GDI1Click);
    System1 = item(memory, "System", "System1", &TfmVok::System1Click);
    User1 = item(memory, "User", "User1", &TfmVok::User1Click);
    memory->addSeparator();
    QMenu* memColors = memory->addMenu("Pie Graph Colors");
    Free1 = item(memColors, "Free Space", "Free1", &TfmVok::Free1Click);
    UsedSpace1 = item(memColors, "Used Space", "UsedSpace1", &TfmVok::UsedSpace1Click);
    TextFont2 = item(memColors, "Text Font", "TextFont2", &TfmVok::TextFont2Click);
    SetDefault1 = item(memColors, "Set to Default", "SetDefault1", &TfmVok::SetDefault1Click);

    QMenu* disk = bar->addMenu("&Disk");
    AllDisks1 = item(disk, "All Disks", "AllDisks1", &TfmVok::AllDisks1Click);
    disk->addSeparator();
    Megabytes1 = item(disk, "Megabytes", "Megabytes1", &TfmVok::Megabytes1Click, true, true);
    Kilobytes1 = item(disk, "Kilobytes", "Kilobytes1", &TfmVok::Kilobytes1Click, true);
    Bytes1 = item(disk, "Bytes", "Bytes1", &TfmVok::Bytes1Click, true);
    disk->addSeparator();
    DirectorySearch1 =
        item(disk, "Directory Search", "DirectorySearch1", &TfmVok::DirectorySearch1Click);
    DirectoryTree1 = item(disk, "Directory Tree", "DirectoryTree1", &TfmVok::DirectoryTree1Click);
    FileSearch1 = item(disk, "File Search", "FileSearch1", &TfmVok::FileSearch1Click);
    disk->addSeparator();
    QMenu* diskColors = disk->addMenu("Pie Graph Colors");
    FreeSpace1 = item(diskColors, "Free Space", "FreeSpace1", &TfmVok::FreeSpace1Click);
    PieSlice1 = item(diskColors, "Used Space", "PieSlice1", &TfmVok::PieSlice1Click);
    TextFont1 = item(diskColors, "Text Font", "TextFont1", &TfmVok::TextFont1Click);
    SettoDefault1 =
        item(diskColors, "Set to Default", "SettoDefault1", &TfmVok::SettoDefault1Click);

    QMenu* options = bar->addMenu("&Options");
    Small1 = item(options, "Small Vok", "Small1", &TfmVok::Small1Click);
    Medium1 = item(options, "Medium Vok", "Medium1", &TfmVok::Medium1Click);
    Large1 = item(options, "Large Vok", "Large1", &TfmVok::Large1Click);
    options->addSeparator();
    Craps1 = item(options, "Craps Game", "Craps1", &TfmVok::Craps1Click, true);
    ResetSettings1 =
        item(options, "Reset Settings", "ResetSettings1", &TfmVok::ResetSettings1Click);
    N3D1 = item(options, "3D Pie Not Fully Functional", "N3D1", &TfmVok::N3D1Click, true);

    Help1 = bar->addAction("&Help");
    Help1->setObjectName("Help1");
    connect(Help1, &QAction::triggered, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::Help1Click));
}

void TfmVok::Help1Click() {
    showHelp(*services_.dialogs, this, QUrl("qrc:/help/main.html"));
    Redraw3DPies();
}

} // namespace vok
