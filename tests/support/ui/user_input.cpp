#include "ui/user_input.h"

#include "platform/ui/data_grid.h"
#include "platform/ui/keyed_tree.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

void typeInto(QWidget* box, const QString& text)
{
    if (auto* list = qobject_cast<QComboBox*>(box))
        box = list->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
    } else if (auto* edit = qobject_cast<QTextEdit*>(box)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    } else {
        ADD_FAILURE() << "no text box: " << (box ? qPrintable(box->objectName()) : "nullptr");
    }
}

QLineEdit* typeInCell(DataGrid& grid, int row, int column, const QString& text)
{
    grid.setCurrentCell(row, column);
    grid.editCurrentCell();
    auto* editor = qobject_cast<QLineEdit*>(grid.cellEditor());
    EXPECT_NE(editor, nullptr) << "no editor in row " << row << ", column " << column;
    if (!editor)
        return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
}

void pressEnter(DataGrid& grid)
{
    if (QWidget* editor = grid.cellEditor())
        QTest::keyClick(editor, Qt::Key_Return);
    else
        QTest::keyClick(grid.viewport(), Qt::Key_Return);
}

void tickCell(DataGrid& grid, int row, int column, bool on)
{
    const Qt::CheckState wanted = on ? Qt::Checked : Qt::Unchecked;
    const QModelIndex cell = grid.grid().index(row, column);
    grid.setCurrentCell(row, column);
    if (cell.data(Qt::CheckStateRole).toInt() != wanted)
        QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(cell.data(Qt::CheckStateRole).toInt(), wanted) << "row " << row << ", column " << column;
}

void clickNode(KeyedTree& tree, const QString& key)
{
    QTreeWidgetItem* item = tree.node(key);
    ASSERT_NE(item, nullptr) << qPrintable(key);
    if (item->parent())
        item->parent()->setExpanded(true);
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    ASSERT_EQ(tree.currentItem(), item);
}
