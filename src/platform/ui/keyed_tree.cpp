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
    if (m_byKey.contains(key))
        return nullptr;
    QTreeWidgetItem* item = nullptr;
    if (relativeKey.isEmpty()) {
        item = new QTreeWidgetItem(this);
    } else {
        QTreeWidgetItem* parent = node(relativeKey);
        if (!parent)
            return nullptr;
        item = new QTreeWidgetItem(parent);
    }
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    m_byKey.insert(key, item);
    return item;
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
