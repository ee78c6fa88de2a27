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
    //: & marks the letter that opens it with Alt.
    QMenu* memory = bar->addMenu(tr("&Memory"));
    WhatsRunning1 =
        item(memory, tr("Whats running . Window Names. "), "WhatsRunning1", &TfmVok::PieGraf2Click);
    MemoryMap1 = item(memory, tr("Memory Tree. Processes and Modules."), "MemoryMap1",
                      &TfmVok::MemoryMap1Click);
    memory->addSeparator();
    Total1 = item(memory, tr("Total"), "Total1", &TfmVok::Total1Click, true, true);
    Virtual1 = item(memory, tr("Virtual"), "Virtual1", &TfmVok::Virtual1Click, true);
    Real1 = item(memory, tr("Real"), "Real1", &TfmVok::Real1Click, true);
    PageFile1 = item(memory, tr("Page File"), "PageFile1", &TfmVok::PageFile1Click, true);
    memory->addSeparator();
    //: GDI = graphics device interface.
    GDI2 = item(memory, tr("GDI"), "GDI2", &TfmVok::GDI1Click);
    System1 = item(memory, tr("System"), "System1", &TfmVok::System1Click);
    User1 = item(memory, tr("User"), "User1", &TfmVok::User1Click);
    memory->addSeparator();
    QMenu* memColors = memory->addMenu(tr("Pie Graph Colors"));
    Free1 = item(memColors, tr("Free Space"), "Free1", &TfmVok::Free1Click);
    UsedSpace1 = item(memColors, tr("Used Space"), "UsedSpace1", &TfmVok::UsedSpace1Click);
    TextFont2 = item(memColors, tr("Text Font"), "TextFont2", &TfmVok::TextFont2Click);
    SetDefault1 = item(memColors, tr("Set to Default"), "SetDefault1", &TfmVok::SetDefault1Click);

    //: & marks the letter that opens it with Alt.
    QMenu* disk = bar->addMenu(tr("&Disk"));
    AllDisks1 = item(disk, tr("All Disks"), "AllDisks1", &TfmVok::AllDisks1Click);
    disk->addSeparator();
    Megabytes1 = item(disk, tr("Megabytes"), "Megabytes1", &TfmVok::Megabytes1Click, true, true);
    Kilobytes1 = item(disk, tr("Kilobytes"), "Kilobytes1", &TfmVok::Kilobytes1Click, true);
    Bytes1 = item(disk, tr("Bytes"), "Bytes1", &TfmVok::Bytes1Click, true);
    disk->addSeparator();
    DirectorySearch1 =
        item(disk, tr("Directory Search"), "DirectorySearch1", &TfmVok::DirectorySearch1Click);
    DirectoryTree1 =
        item(disk, tr("Directory Tree"), "DirectoryTree1", &TfmVok::DirectoryTree1Click);
    FileSearch1 = item(disk, tr("File Search"), "FileSearch1", &TfmVok::FileSearch1Click);
    disk->addSeparator();
    QMenu* diskColors = disk->addMenu(tr("Pie Graph Colors"));
    FreeSpace1 = item(diskColors, tr("Free Space"), "FreeSpace1", &TfmVok::FreeSpace1Click);
    PieSlice1 = item(diskColors, tr("Used Space"), "PieSlice1", &TfmVok::PieSlice1Click);
    TextFont1 = item(diskColors, tr("Text Font"), "TextFont1", &TfmVok::TextFont1Click);
    SettoDefault1 =
        item(diskColors, tr("Set to Default"), "SettoDefault1", &TfmVok::SettoDefault1Click);

    //: & marks the letter that opens it with Alt.
    QMenu* options = bar->addMenu(tr("&Options"));
    Small1 = item(options, tr("Small Vok"), "Small1", &TfmVok::Small1Click);
    Medium1 = item(options, tr("Medium Vok"), "Medium1", &TfmVok::Medium1Click);
    Large1 = item(options, tr("Large Vok"), "Large1", &TfmVok::Large1Click);
    options->addSeparator();
    Craps1 = item(options, tr("Craps Game"), "Craps1", &TfmVok::Craps1Click, true);
    ResetSettings1 =
        item(options, tr("Reset Settings"), "ResetSettings1", &TfmVok::ResetSettings1Click);
    N3D1 = item(options, tr("3D Pie Not Fully Functional"), "N3D1", &TfmVok::N3D1Click, true);

    //: & marks the letter that opens it with Alt.
    Help1 = bar->addAction(tr("&Help"));
    Help1->setObjectName("Help1");
    connect(Help1, &QAction::triggered, this,
            guardedSlot(*services_.dialogs, this, &TfmVok::Help1Click));
}

void TfmVok::Help1Click() {
    showHelp(*services_.dialogs, this, QUrl("qrc:/help/main.html"));
    Redraw3DPies();
}

} // namespace vok
