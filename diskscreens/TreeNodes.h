#pragma once
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace vok {

// A directory's node text before its path: the megabytes of its own files, rounded (halves to
// even), padded on the left to 6 characters, then " Mb ".
QString TreeFigureText(qint64 bytes);

// The directory a node names: its text from the first "/" on (the figure part holds none),
// without the trailing "/" but keeping "/" itself; empty when the text has no "/".
QString NodeDirectory(const QString& text);

// Adds a node below the last node of the tree's item list, walked up while its level (0 for
// top-level nodes) is greater than level - 2; a top-level node when none is left or the tree
// is empty. Level 1 thus adds a top-level node, level 2 a child of the last top-level one.
QTreeWidgetItem* AddTreeNode(QTreeWidget* tree, int level, const QString& text);

// Orders the nodes of every level by their texts, locale-aware; expanded nodes stay expanded.
void SortTreeNodes(QTreeWidget* tree);

} // namespace vok
