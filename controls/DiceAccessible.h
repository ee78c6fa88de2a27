#pragma once

class QWidget;

namespace vok {

// Lets assistive technology read a die as a pressable "Die" whose value is its pips.
void installDiceAccessibility();
void notifyDiceValue(QWidget* die);

} // namespace vok
