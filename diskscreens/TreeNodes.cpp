#include "diskscreens/TreeNodes.h"
#include "controls/DriveInfo.h"
#include "controls/Rounding.h"
#include <QCollator>
#include <QCoreApplication>
#include <QSet>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

namespace vok {

namespace {

int levelOf(const QTreeWidgetItem* node) {
    int level = 0;
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        ++level;
    return level;
}

QTreeWidgetItem* lastNode(QTreeWidget* tree) {
    if (tree->topLevelItemCount() == 0)
        return nullptr;
    QTreeWidgetItem* node = tree->topLevelItem(tree->topLevelItemCount() - 1);
    while (node->childCount() > 0)
        node = node->child(node->childCount() - 1);
    return node;
}

void sortByText(QList<QTreeWidgetItem*>& nodes, const QCollator& collator) {
    if (nodes.size() < 2)
        return;
    std::vector<std::pair<QCollatorSortKey, QTreeWidgetItem*>> keyed;
    keyed.reserve(size_t(nodes.size()));
    for (QTreeWidgetItem* n : nodes)
        keyed.emplace_back(collator.sortKey(n->text(0)), n);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    for (size_t i = 0; i < keyed.size(); ++i)
        nodes[qsizetype(i)] = keyed[i].second;
}

// Sorts the children of a node that is not in a view (cheap: nothing is told of each move).
void sortBelow(QTreeWidgetItem* node, const QCollator& collator) {
    if (node->childCount() == 0)
        return;
    QList<QTreeWidgetItem*> children = node->takeChildren();
    sortByText(children, collator);
    for (QTreeWidgetItem* child : children)
        sortBelow(child, collator);
    node->addChildren(children);
}

void collectExpanded(QTreeWidgetItem* node, QSet<QTreeWidgetItem*>& expanded) {
    // Only a node with children shows whether it is open; asking a leaf costs a search of its
    // siblings in the view's model.
    if (node->childCount() == 0)
        return;
    if (node->isExpanded())
        expanded.insert(node);
    for (int i = 0; i < node->childCount(); ++i)
        collectExpanded(node->child(i), expanded);
}

void restoreExpanded(QTreeWidgetItem* node, const QSet<QTreeWidgetItem*>& expanded) {
    if (expanded.contains(node))
        node->setExpanded(true);
    for (int i = 0; i < node->childCount(); ++i)
        restoreExpanded(node->child(i), expanded);
}

} // namespace

QString TreeFigureText(qint64 bytes) {
    //: Mb = megabytes; %1 is the figure, padded on the left; the directory follows the last blank
    return QCoreApplication::translate("vok::TreeNodes", "%1 Mb ")
        .arg(QString::number(roundedMegabytes(bytes)).rightJustified(6, u' '));
}

QString NodeDirectory(const QString& text) {
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return {};
    QString dir = text.mid(slash);
    if (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

QTreeWidgetItem* AddTreeNode(QTreeWidget* tree, int level, const QString& text) {
    QTreeWidgetItem* parent = lastNode(tree);
    while (parent && levelOf(parent) > level - 2)
        parent = parent->parent();
    auto* node = new QTreeWidgetItem(QStringList{text});
    if (parent)
        parent->addChild(node);
    else
        tree->addTopLevelItem(node);
    return node;
}

void SortTreeNodes(QTreeWidget* tree) {
    QSet<QTreeWidgetItem*> expanded;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        collectExpanded(tree->topLevelItem(i), expanded);
    QList<QTreeWidgetItem*> top;
    while (tree->topLevelItemCount() > 0)
        top.append(tree->takeTopLevelItem(tree->topLevelItemCount() - 1));
    std::reverse(top.begin(), top.end());
    QCollator collator;
    sortByText(top, collator);
    for (QTreeWidgetItem* node : top)
        sortBelow(node, collator);
    tree->addTopLevelItems(top);
    for (QTreeWidgetItem* node : top)
        restoreExpanded(node, expanded);
}

} // namespace vok
