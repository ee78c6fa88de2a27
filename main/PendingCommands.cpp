#include "main/Unit1.h"

// Commands whose screens and features have not arrived yet do nothing for now.
namespace vok {

void TfmVok::GDI1Click() {}
void TfmVok::System1Click() {}
void TfmVok::User1Click() {}
void TfmVok::N3D1Click() {}
void TfmVok::Help1Click() {}
void TfmVok::ResetSettings1Click() {}
void TfmVok::Craps1Click() {}
void TfmVok::AllDisks1Click() {}
void TfmVok::DirectorySearch1Click() {}
void TfmVok::FileSearch1Click() {}
void TfmVok::DirectoryTree1Click() {}
void TfmVok::MemoryMap1Click() {}
void TfmVok::PieGraf2Click() {}
void TfmVok::paint3DPies() {}

} // namespace vok
