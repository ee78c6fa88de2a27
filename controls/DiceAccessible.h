#pragma once

namespace vok {

// Lets assistive technology read a die as a pressable "Die" whose value is its pips.
void installDiceAccessibility();

} // namespace vok
