#include "main/Unit1.h"

// Commands whose screens and features have not arrived yet do nothing for now.
namespace vok {

void TfmVok::Craps1Click() {}

} // namespace vok
