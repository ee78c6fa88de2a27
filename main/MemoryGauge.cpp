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

void TfmVok::showResource(ResourceKind kind, const QString& name) {
    // Measured first: a failed query ends the command before anything changes.
    const int percent = qBound(0, services_.resources->freeResourcePercent(kind), 100);
    showMemory(12, percent, QString("Free %1 Resources %2%").arg(name).arg(percent), nullptr);
}

void TfmVok::GDI1Click() {
    showResource(ResourceKind::GDI, "GDI");
}
void TfmVok::System1Click() {
    showResource(ResourceKind::System, "System");
}
void TfmVok::User1Click() {
    showResource(ResourceKind::User, "User");
}

} // namespace vok
