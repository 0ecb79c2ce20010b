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

QTreeWidgetItem* KeyedTree::nodeAt(int position) const
{
    if (position < 1)
        return nullptr;
    int n = 0;
    QTreeWidgetItem* found = nullptr;
    std::function<bool(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        if (++n == position) {
            found = item;
            return true;
        }
        for (int i = 0; i < item->childCount(); ++i)
            if (walk(item->child(i)))
                return true;
        return false;
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (walk(topLevelItem(i)))
            break;
    return found;
}

int KeyedTree::positionOf(const QString& key) const
{
    const QTreeWidgetItem* target = node(key);
    if (!target)
        return 0;
    int n = 0;
    std::function<bool(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
        ++n;
        if (item == target)
            return true;
        for (int i = 0; i < item->childCount(); ++i)
            if (walk(item->child(i)))
                return true;
        return false;
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (walk(topLevelItem(i)))
            return n;
    return 0;
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
