#include "support/Screens.h"
#include "controls/DirectoryListBox.h"
#include "controls/HelpViewer.h"
#include "diskscreens/UnFilever.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
#include "memscreens/UtMem.h"
#include <QLineEdit>
#include <QTreeWidget>

namespace vok {

Screens::Screens() {
    t.directories.addFile("/d/big_file.dat", 1000000);
    t.drives.changeDirectory("/d");
    context.picker = &picker;
}

std::unique_ptr<QWidget> Screens::make(const QString& name, std::optional<FontChoice> chosen) {
    if (chosen) {
        const FontSetting stored{chosen->color, chosen->font.pointSize(), chosen->font.family()};
        context.settings.DirFont = context.settings.FilesFont = stored;
        t.dialogs.fonts << *chosen;
    }
    if (name == "main window")
        return std::make_unique<TfmVok>(t.services, QSize(640, 480));
    if (name == "directory space") {
        auto s = std::make_unique<TFmDir>(t.services, context);
        s->FormActivate();
        return s;
    }
    if (name == "file search") {
        auto s = std::make_unique<TfmFiles>(t.services, context);
        s->DirectoryListBox1->setDirectory("/d");
        s->Edit1->setText("*.dat");
        s->Button1Click();
        return s;
    }
    if (name == "directory tree") {
        auto s = std::make_unique<TfmTree>(t.services, context);
        if (chosen)
            s->Button3Click();
        s->DirectoryListBox1->setDirectory("/d");
        s->Button1Click();
        s->TreeView1Change(s->TreeView1->topLevelItem(0)); // lists the grid
        return s;
    }
    if (name == "running windows") {
        auto s = std::make_unique<TfmMem>(t.services, context);
        if (chosen)
            s->ListBox1Click();
        return s;
    }
    if (name == "process tree")
        return std::make_unique<TFmMemTree>(t.services, context);
    if (name == "file information")
        return std::make_unique<TFileInfo>(t.services, context);
    return std::make_unique<HelpViewer>(t.dialogs);
}

} // namespace vok
