#pragma once

namespace vok {

// Makes every top-level window that is a plain widget known to assistive technology as a
// window named by its title, not as a filler that a screen reader passes over.
void installWindowAccessibility();

} // namespace vok
