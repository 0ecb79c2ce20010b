#include "ui/main/analysis_tree.h"

namespace {

constexpr int kStoredNameRole = Qt::UserRole + 2;

void appendTreeNodes(std::vector<KeyedTree::Node>& nodes, const AnalysisTreeGroup& group)
{
    for (const AnalysisTreeNode& n : group)
        nodes.push_back({n.parentKey, n.key, n.text, n.bold});
}

}   // namespace

void fillAnalysisTree(KeyedTree& tree, Recordset& siteInfo)
{
    if (siteInfo.recordCount() <= 0)
        return;
    std::vector<KeyedTree::Node> nodes;
    nodes.reserve(size_t(siteInfo.recordCount()) * std::tuple_size_v<AnalysisTreeGroup>);
    for (siteInfo.moveFirst(); !siteInfo.eof(); siteInfo.moveNext())
        appendTreeNodes(nodes, analysisTreeNodes(siteInfo));
    tree.addNodes(nodes);
}

bool addAnalysisGroup(KeyedTree& tree, const AnalysisTreeGroup& group)
{
    std::vector<KeyedTree::Node> nodes;
    appendTreeNodes(nodes, group);
    return tree.addNodes(nodes);
}

QString highlightedRootKey(const KeyedTree& tree)
{
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    if (selected.isEmpty())
        return QString();
    QTreeWidgetItem* node = selected.front();
    if (node->childCount() == 0 && node->parent())
        node = node->parent();
    return KeyedTree::keyOf(node);
}

void rewriteAnalysisNodes(KeyedTree& tree, const Recordset& siteInfo)
{
    for (const AnalysisTreeNode& n : analysisTreeNodes(siteInfo))
        if (QTreeWidgetItem* item = tree.node(n.key))
            item->setText(0, n.text);
}

QString listedName(const KeyedTree& tree, const QString& rootKey)
{
    const QTreeWidgetItem* root = tree.node(rootKey);
    if (!root)
        return QString();
    const QVariant stored = root->data(0, kStoredNameRole);
    return stored.isValid() ? stored.toString() : root->text(0);
}

void setListedName(KeyedTree& tree, const QString& rootKey, const QString& name)
{
    if (QTreeWidgetItem* root = tree.node(rootKey))
        root->setData(0, kStoredNameRole, name);
}
