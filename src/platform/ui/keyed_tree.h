#pragma once

#include <QHash>
#include <QTreeWidget>

#include <functional>
#include <vector>

// A tree whose nodes carry unique text keys, reached by key or by 1-based position in
// display order (a node, then its children).
class KeyedTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit KeyedTree(QWidget* parent = nullptr);

    struct Node {
        QString relativeKey;
        QString key;
        QString text;
        bool bold = false;
    };

    // Adds a node at the end of the top level (empty relative key) or as the last child of the
    // node with `relativeKey`. Returns nullptr when the key is taken or the relative is absent.
    QTreeWidgetItem* addNode(const QString& relativeKey, const QString& key, const QString& text);
    // Adds the nodes as addNode would one after another, in one insertion into the tree; adds
    // none and returns false when a key is taken or a relative is absent.
    bool addNodes(const std::vector<Node>& nodes);
    QTreeWidgetItem* node(const QString& key) const;
    static QString keyOf(const QTreeWidgetItem* item);
    // Removes the node and its children.
    void removeNode(const QString& key);
    // Gives the node the key `newKey`, and its descendants, whose keys begin with the node's, keys
    // that begin with `newKey` instead. False, changing nothing, when the node is absent or
    // `newKey` is taken.
    bool rekeyGroup(const QString& key, const QString& newKey);
    void clearNodes();

    int nodeCount() const { return int(m_byKey.size()); }
    QTreeWidgetItem* nodeAt(int position) const;   // 1-based; nullptr when out of range
    int positionOf(const QString& key) const;      // 1-based; 0 when absent

    static void setBold(QTreeWidgetItem* item, bool bold);
    static bool isBold(const QTreeWidgetItem* item);
    QString selectedKey() const;

private:
    void forgetKeys(QTreeWidgetItem* item);
    void walk(const std::function<bool(QTreeWidgetItem*, int)>& visit) const;
    QHash<QString, QTreeWidgetItem*> m_byKey;
};
