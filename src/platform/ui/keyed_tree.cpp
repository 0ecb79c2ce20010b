#include "platform/ui/keyed_tree.h"

#include <functional>

namespace {
constexpr int kKeyRole = Qt::UserRole + 1;
}

KeyedTree::KeyedTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
}

QTreeWidgetItem* KeyedTree::addNode(const QString& relativeKey, const QString& key, const QString& text)
{
    return addNodes({Node{relativeKey, key, text}}) ? node(key) : nullptr;
}

bool KeyedTree::addNodes(const std::vector<Node>& nodes)
{
    // The items are built and linked apart from the tree, so that the tree's model sees one
    // insertion per parent that is already in it rather than one per node and property.
    QList<QTreeWidgetItem*> roots;
    std::vector<std::pair<QTreeWidgetItem*, QTreeWidgetItem*>> underExisting;
    size_t done = 0;
    auto discard = [&] {
        for (size_t i = 0; i < done; ++i)
            m_byKey.remove(nodes[i].key);
        qDeleteAll(roots);
        for (const auto& [parent, item] : underExisting)
            delete item;
        return false;
    };
    m_byKey.reserve(m_byKey.size() + qsizetype(nodes.size()));
    for (const Node& n : nodes) {
        if (m_byKey.contains(n.key))
            return discard();
        QTreeWidgetItem* parent = nullptr;
        QTreeWidgetItem* existing = nullptr;
        if (!n.relativeKey.isEmpty()) {
            parent = node(n.relativeKey);
            if (parent && parent->treeWidget()) {
                existing = parent;
                parent = nullptr;
            }
            if (!parent && !existing)
                return discard();
        }
        auto* item = new QTreeWidgetItem(QStringList(n.text));
        item->setData(0, kKeyRole, n.key);
        if (n.bold)
            setBold(item, true);
        if (parent)
            parent->addChild(item);
        else if (existing)
            underExisting.emplace_back(existing, item);
        else
            roots << item;
        m_byKey.insert(n.key, item);
        ++done;
    }
    for (const auto& [parent, item] : underExisting)
        parent->addChild(item);
    addTopLevelItems(roots);
    return true;
}

QTreeWidgetItem* KeyedTree::node(const QString& key) const
{
    return m_byKey.value(key, nullptr);
}

QString KeyedTree::keyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kKeyRole).toString() : QString();
}

void KeyedTree::forgetKeys(QTreeWidgetItem* item)
{
    m_byKey.remove(keyOf(item));
    for (int i = 0; i < item->childCount(); ++i)
        forgetKeys(item->child(i));
}

void KeyedTree::removeNode(const QString& key)
{
    QTreeWidgetItem* item = node(key);
    if (!item)
        return;
    forgetKeys(item);
    delete item;
}

bool KeyedTree::rekeyGroup(const QString& key, const QString& newKey)
{
    QTreeWidgetItem* root = node(key);
    if (!root || m_byKey.contains(newKey))
        return false;
    std::function<void(QTreeWidgetItem*)> rekey = [&](QTreeWidgetItem* item) {
        const QString renamed = newKey + keyOf(item).mid(key.size());
        m_byKey.remove(keyOf(item));
        item->setData(0, kKeyRole, renamed);
        m_byKey.insert(renamed, item);
        for (int i = 0; i < item->childCount(); ++i)
            rekey(item->child(i));
    };
    rekey(root);
    return true;
}

void KeyedTree::clearNodes()
{
    m_byKey.clear();
    clear();
}

// Visits the nodes in display order, each with its 1-based position, until `visit` says stop.
void KeyedTree::walk(const std::function<bool(QTreeWidgetItem*, int)>& visit) const
{
    int n = 0;
    std::function<bool(QTreeWidgetItem*)> step = [&](QTreeWidgetItem* item) {
        if (visit(item, ++n))
            return true;
        for (int i = 0; i < item->childCount(); ++i)
            if (step(item->child(i)))
                return true;
        return false;
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (step(topLevelItem(i)))
            return;
}

QTreeWidgetItem* KeyedTree::nodeAt(int position) const
{
    QTreeWidgetItem* found = nullptr;
    walk([&](QTreeWidgetItem* item, int n) {
        if (n == position)
            found = item;
        return n >= position;
    });
    return found;
}

int KeyedTree::positionOf(const QString& key) const
{
    const QTreeWidgetItem* target = node(key);
    int found = 0;
    if (target)
        walk([&](QTreeWidgetItem* item, int n) {
            if (item == target)
                found = n;
            return found != 0;
        });
    return found;
}

void KeyedTree::setBold(QTreeWidgetItem* item, bool bold)
{
    QFont f = item->font(0);
    f.setBold(bold);
    item->setFont(0, f);
}

bool KeyedTree::isBold(const QTreeWidgetItem* item)
{
    return item->font(0).bold();
}

QString KeyedTree::selectedKey() const
{
    return keyOf(currentItem());
}
