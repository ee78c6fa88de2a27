#pragma once
#include <QList>
#include <QString>
#include <utility>

class QWidget;

namespace vok {

// Every text a window shows or gives a screen reader: the captions, titles, tips and accessible
// names of its widgets and actions (menus included), and the names and descriptions its
// accessibility tree reads out (grid cells included). Each comes under a key naming where it is,
// the same for two windows built alike, so that the texts of two builds pair up.
using ShownTexts = QList<std::pair<QString, QString>>;
ShownTexts shownTexts(QWidget* window);

} // namespace vok
