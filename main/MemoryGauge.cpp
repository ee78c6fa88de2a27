#include "controls/Application.h"
#include "controls/MenuItem.h"
#include "controls/PieGraf.h"
#include "main/MemoryText.h"
#include "main/Unit1.h"
#include "platform/MemoryStatus.h"
#include "platform/ResourceInfo.h"

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
    memoryStatus = services_.memory->status();
    return memoryStatus;
}

void TfmVok::Total1Click() {
    const MemoryStatus& m = measureMemory();
    const QString load = QString::number(m.memoryLoad);
    //: %1 is the share of memory in use, in per cent.
    setApplicationTitle(tr("Free Memory %1 %").arg(load));
    //: %1 is the share of memory in use, in per cent.
    showMemory(12, int(m.memoryLoad), tr("Free Total Memory is %1 %").arg(load), Total1);
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

void TfmVok::showResource(ResourceKind kind, const QString& readOut) {
    // Measured first: a failed query ends the command before anything changes.
    const int percent = qBound(0, services_.resources->freeResourcePercent(kind), 100);
    showMemory(12, percent, readOut.arg(percent), nullptr);
}

// One whole text per kind, so that a language can inflect the kind's name.
void TfmVok::GDI1Click() {
    //: GDI = graphics device interface. %1 is the free share in per cent.
    showResource(ResourceKind::GDI, tr("Free GDI Resources %1%"));
}
void TfmVok::System1Click() {
    //: %1 is the free share in per cent.
    showResource(ResourceKind::System, tr("Free System Resources %1%"));
}
void TfmVok::User1Click() {
    //: %1 is the free share in per cent.
    showResource(ResourceKind::User, tr("Free User Resources %1%"));
}

} // namespace vok
