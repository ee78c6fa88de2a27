#include "controls/Application.h"
#include "controls/MenuItem.h"
#include "controls/PieGraf.h"
#include "controls/SharedState.h"
#include "main/MemoryText.h"
#include "main/Unit1.h"
#include "platform/MemoryStatus.h"
#include "platform/Services.h"

namespace vok {

void TfmVok::showMemory(int fontSize, int percent, const QString& text, QAction* checked) {
    Panel1->setFontSize(fontSize);
    PieGraf2->setPercent(percent);
    Panel1->setText(text);
    PieGraf2->setHint(Panel1->text());
    if (checked)
        checkOnly(checked, {Total1, Virtual1, Real1, PageFile1});
    paint3DPies();
}

const MemoryStatus& TfmVok::measureMemory() {
    shared().memoryStatus = services().memory->status();
    return shared().memoryStatus;
}

void TfmVok::Total1Click() {
    const MemoryStatus& m = measureMemory();
    const QString load = QString::number(m.memoryLoad);
    setApplicationTitle("Free Memory " + load + " %");
    showMemory(12, int(m.memoryLoad), "Free Total Memory is " + load + " %", Total1);
}

void TfmVok::Real1Click() {
    const MemoryStatus& m = measureMemory();
    showMemory(11, freePercent(m.totalPhys, m.availPhys), realMemoryText(m.totalPhys, m.availPhys),
               Real1);
}

void TfmVok::Virtual1Click() {
    const MemoryStatus& m = measureMemory();
    showMemory(11, freePercent(m.totalVirtual, m.availVirtual),
               virtualMemoryText(m.totalVirtual, m.availVirtual), Virtual1);
}

void TfmVok::PageFile1Click() {
    const MemoryStatus& m = measureMemory();
    showMemory(12, freePercent(m.totalPageFile, m.availPageFile),
               pageFileText(m.totalPageFile, m.availPageFile), PageFile1);
}

} // namespace vok
