#pragma once

class QWidget;

namespace vok {

// Lets assistive technology read a pie as a named value with a description (its hint).
void installPieGrafAccessibility();
void notifyAccessibleValue(QWidget* pie);

} // namespace vok
