#pragma once

namespace vok {

// Lets assistive technology read a pie as a named percentage with a description (its hint).
void installPieGrafAccessibility();

} // namespace vok
