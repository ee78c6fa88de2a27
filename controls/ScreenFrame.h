#pragma once

class QDialog;
class QWidget;

namespace vok {

// The area of a screen below its menu bar, where its controls sit at their design positions.
// The screen's menu bar goes on top through the dialog's layout (layout()->setMenuBar).
QWidget* screenClientArea(QDialog* screen);

} // namespace vok
