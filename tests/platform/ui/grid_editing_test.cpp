#include "platform/ui/data_grid.h"
#include "platform/ui/grid_drop_down.h"
#include "platform/ui/table_export.h"
#include "ui/grid_readback.h"

#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Name (text), amount (a number: anything else is refused), flag (check box), class (combo).
void setEditableColumns(GridModel& grid)
{
    grid.setColumns({{"Name", 2000, CellEditor::Text},
                     {"Amount", 1500, CellEditor::Text},
                     {"Flag", 800, CellEditor::CheckBox},
                     {"Class", 1500, CellEditor::ComboBox, {"Carcinogen", "Noncarcinogen"}},
                     {"Note", 1000}});
    grid.setCommitCheck([](int, int column, const QString& text) -> std::optional<GridCell> {
        if (column != 1 || text.isEmpty())
            return GridCell::fromText(text);
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok ? std::optional<GridCell>(GridCell{text, value, false}) : std::nullopt;
    });
}

bool edit(GridModel& grid, int row, int column, const QString& text)
{
    return grid.setData(grid.index(row, column), text, Qt::EditRole);
}

QStringList exportedLines(const GridModel& grid)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeTextTable(out, grid).ok());
    return QString::fromLatin1(out.data()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

}   // namespace

TEST(GridEditing, EditorKindsDecideWhatTheUserMayChange)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.addTextRow("Benzene\t1");
    EXPECT_TRUE(grid.flags(grid.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.flags(grid.index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.flags(grid.index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.flags(grid.index(0, 2)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(grid.flags(grid.index(0, 4)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
    EXPECT_FALSE(edit(grid, 0, 4, "read-only"));
    EXPECT_EQ(grid.cell(0, 4).text, "");
}

TEST(GridEditing, TheCommitCheckDecidesWhatIsStoredAndARefusalKeepsTheCell)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.addTextRow("Benzene\t1");
    QSignalSpy edited(&grid, &GridModel::cellEdited);

    EXPECT_TRUE(edit(grid, 0, 1, "2.5E+02"));
    EXPECT_EQ(grid.cell(0, 1).text, "2.5E+02");
    EXPECT_EQ(grid.cell(0, 1).value.toDouble(), 250.0);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0][0].toInt(), 0);
    EXPECT_EQ(edited[0][1].toInt(), 1);

    EXPECT_FALSE(edit(grid, 0, 1, "1.5 mg"));
    EXPECT_EQ(grid.cell(0, 1).text, "2.5E+02");
    EXPECT_EQ(grid.cell(0, 1).value.toDouble(), 250.0);

    // The same text again is no edit.
    EXPECT_TRUE(edit(grid, 0, 1, "2.5E+02"));
    EXPECT_EQ(edited.count(), 1);
}

TEST(GridEditing, TheRowForANewEntryBecomesARowWhenEditedAndIsNeverPrintedOrExported)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.addTextRow("Benzene\t1");
    grid.setAllowAddNew(true);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.dataRowCount(), 1);
    EXPECT_TRUE(grid.isAddNewRow(1));
    EXPECT_EQ(grid.headerData(1, Qt::Vertical).toString(), "*");
    EXPECT_EQ(grid.index(1, 0).data().toString(), "");

    EXPECT_TRUE(edit(grid, 1, 0, ""));   // nothing typed: no row
    EXPECT_EQ(grid.dataRowCount(), 1);
    EXPECT_TRUE(edit(grid, 1, 0, "Toluene"));
    EXPECT_EQ(grid.dataRowCount(), 2);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(1, 0).text, "Toluene");

    // Ticking the check box of the new entry adds a row as well.
    EXPECT_TRUE(grid.setData(grid.index(2, 2), int(Qt::Checked), Qt::CheckStateRole));
    EXPECT_EQ(grid.dataRowCount(), 3);

    EXPECT_EQ(exportedLines(grid).size(), 4);   // captions and three rows
}

TEST(GridEditing, ARowLoaderFillsRowsWhenTheyAreAddedAndWhenTheyChange)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.setRowLoader([](QVector<GridCell>& cells) {
        if (cells[1].text.isEmpty())
            cells[1] = GridCell{"0", 0.0, false};
    });
    grid.setAllowAddNew(true);
    grid.addTextRow("Benzene");
    EXPECT_EQ(grid.cell(0, 1).text, "0");
    EXPECT_TRUE(edit(grid, 0, 1, ""));
    EXPECT_EQ(grid.cell(0, 1).text, "0");
    EXPECT_TRUE(edit(grid, 1, 0, "Toluene"));
    ASSERT_GT(grid.dataRowCount(), 1);
    EXPECT_EQ(grid.cell(1, 1).value.toDouble(), 0.0);
}

TEST(GridEditing, CancelRestoresThePendingRowAndDropsARowThatTheEditAdded)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.setAllowAddNew(true);
    grid.addTextRow("Benzene\t1");
    grid.addTextRow("Toluene\t2");

    EXPECT_TRUE(edit(grid, 0, 1, "5"));
    grid.setCells(0, {{0, GridCell::fromText("Xylene")}});
    EXPECT_EQ(grid.pendingRow(), 0);
    grid.cancelPendingRow();
    EXPECT_EQ(shownRow(grid, 0).mid(0, 2), QStringList({"Benzene", "1"}));
    EXPECT_EQ(grid.pendingRow(), -1);

    // Edits of a row are kept once another row is edited.
    EXPECT_TRUE(edit(grid, 0, 1, "7"));
    EXPECT_TRUE(edit(grid, 1, 1, "8"));
    grid.cancelPendingRow();
    ASSERT_GT(grid.dataRowCount(), 1);
    EXPECT_EQ(grid.cell(0, 1).text, "7");
    EXPECT_EQ(grid.cell(1, 1).text, "2");

    EXPECT_TRUE(edit(grid, 2, 0, "Phenol"));
    EXPECT_EQ(grid.dataRowCount(), 3);
    grid.cancelPendingRow();
    EXPECT_EQ(grid.dataRowCount(), 2);
    EXPECT_EQ(grid.rowCount(), 3);

    // Removing a row above the pending one keeps the pending edit on its row.
    EXPECT_TRUE(edit(grid, 1, 1, "9"));
    grid.removeRow(0);
    EXPECT_EQ(grid.pendingRow(), 0);
    grid.cancelPendingRow();
    ASSERT_GT(grid.dataRowCount(), 0);
    EXPECT_EQ(grid.cell(0, 1).text, "2");
}

TEST(GridEditing, CheckBoxCellsKeepABooleanAndShowNoText)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.addTextRow("Benzene\t1");
    EXPECT_EQ(grid.index(0, 2).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    EXPECT_TRUE(grid.setData(grid.index(0, 2), int(Qt::Checked), Qt::CheckStateRole));
    EXPECT_EQ(grid.index(0, 2).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_EQ(grid.cell(0, 2).value.typeId(), QMetaType::Bool);
    EXPECT_TRUE(grid.cell(0, 2).value.toBool());
    EXPECT_FALSE(grid.index(0, 2).data(Qt::DisplayRole).isValid());
    EXPECT_EQ(grid.displayText(0, 2), "True");   // as printed and exported
    EXPECT_FALSE(grid.setData(grid.index(0, 2), "True", Qt::EditRole));
}

TEST(GridEditing, TheScientificFormatChangesOnlyWhatIsShown)
{
    GridModel grid;
    setEditableColumns(grid);
    grid.addRow({GridCell::fromText("Benzene"), GridCell{"0.000123456", 0.000123456, false}});
    grid.addRow({GridCell::fromText("Lead"), GridCell::fromText("TCLP dependent")});
    grid.setColumnFormat(1, true, true);
    EXPECT_EQ(grid.index(0, 1).data().toString(), "1.23E-04");
    EXPECT_EQ(grid.index(0, 1).data(Qt::EditRole).toString(), "0.000123456");
    EXPECT_EQ(grid.index(0, 1).data(RawValueRole).toDouble(), 0.000123456);
    EXPECT_EQ(grid.index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(grid.index(1, 1).data().toString(), "TCLP dependent");
    EXPECT_TRUE(edit(grid, 0, 1, "12345"));
    EXPECT_EQ(grid.index(0, 1).data().toString(), "1.23E+04");
}

class DataGridEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        setEditableColumns(view.grid());
        view.grid().setAllowAddNew(true);
        view.grid().addTextRow("Benzene\t1\t\tCarcinogen");
        view.grid().addTextRow("Toluene\t2\t\tNoncarcinogen");
        view.setEditable(true);
        view.resize(700, 300);
        view.show();
    }

    QLineEdit* openLineEditor(int row, int column)
    {
        view.setCurrentCell(row, column);
        view.editCurrentCell();
        return qobject_cast<QLineEdit*>(view.cellEditor());
    }

    DataGrid view;
};

TEST_F(DataGridEditing, EnterCommitsTheEditorAndReportsTheKey)
{
    EXPECT_TRUE(view.verticalHeader()->isVisible());
    QSignalSpy enter(&view, &DataGrid::enterPressed);
    QSignalSpy typed(&view, &DataGrid::editorTextChanged);
    QLineEdit* editor = openLineEditor(1, 1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "2");
    editor->selectAll();
    QTest::keyClicks(editor, "42");
    EXPECT_EQ(typed.count(), 2);   // each key, before the commit
    EXPECT_EQ(view.grid().cell(1, 1).text, "2");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(view.grid().cell(1, 1).value.toDouble(), 42.0);
    EXPECT_EQ(view.cellEditor(), nullptr);
    ASSERT_EQ(enter.count(), 1);
    EXPECT_EQ(enter[0][0].toInt(), 1);
    EXPECT_EQ(enter[0][1].toInt(), 1);

    // Enter on a cell without an open editor is reported as well.
    QTest::keyClick(view.viewport(), Qt::Key_Return);
    EXPECT_EQ(enter.count(), 2);
}

TEST_F(DataGridEditing, ARefusedTextKeepsTheEditorOpenAndTheStoredValue)
{
    QSignalSpy enter(&view, &DataGrid::enterPressed);
    QLineEdit* editor = openLineEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    editor->setText("abc");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(view.cellEditor(), editor);
    EXPECT_EQ(enter.count(), 0);
    EXPECT_FALSE(view.commitPendingEdit());
    EXPECT_EQ(view.grid().cell(0, 1).text, "1");

    editor->setText("3");
    EXPECT_TRUE(view.commitPendingEdit());
    EXPECT_EQ(view.grid().cell(0, 1).text, "3");
    EXPECT_EQ(view.grid().pendingRow(), -1);
}

TEST_F(DataGridEditing, CancelDiscardsTheOpenEditorAndTheRowsPendingEdit)
{
    QLineEdit* editor = openLineEditor(0, 0);
    ASSERT_NE(editor, nullptr);
    editor->setText("Xylene");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(view.grid().cell(0, 0).text, "Xylene");
    editor = openLineEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    editor->setText("9");
    view.cancelPendingEdit();
    EXPECT_EQ(view.cellEditor(), nullptr);
    EXPECT_EQ(shownRow(view.grid(), 0).mid(0, 2), QStringList({"Benzene", "1"}));
}

TEST_F(DataGridEditing, MovingToAnotherRowCommitsThePendingRow)
{
    QLineEdit* editor = openLineEditor(0, 1);
    ASSERT_NE(editor, nullptr);
    editor->setText("5");
    view.setCurrentCell(1, 1);
    EXPECT_EQ(view.grid().cell(0, 1).text, "5");
    EXPECT_EQ(view.grid().pendingRow(), -1);
    view.cancelPendingEdit();
    EXPECT_EQ(view.grid().cell(0, 1).text, "5");
}

TEST_F(DataGridEditing, ARowThatStaysInEditKeepsTheUserAndTheSelectionOnIt)
{
    view.grid().setRowWriter([](int) { return RowDecision::Stay; });
    QLineEdit* editor = openLineEditor(1, 1);
    ASSERT_NE(editor, nullptr);
    editor->setText("5");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Up);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.currentIndex(), view.grid().index(1, 1));
    EXPECT_EQ(view.selectionModel()->selectedIndexes(), QModelIndexList({view.grid().index(1, 1)}));
}

TEST_F(DataGridEditing, TheComboEditorOffersTheColumnsItems)
{
    view.setCurrentCell(0, 3);
    view.editCurrentCell();
    auto* combo = qobject_cast<QComboBox*>(view.cellEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), "Carcinogen");
    combo->setCurrentIndex(1);
    EXPECT_TRUE(view.commitPendingEdit());
    EXPECT_EQ(view.grid().cell(0, 3).text, "Noncarcinogen");
}

TEST_F(DataGridEditing, OnlyWholeRowsCountAsSelectedRows)
{
    view.setCurrentCell(0, 0);
    EXPECT_TRUE(view.selectedWholeRows().isEmpty());
    view.selectRow(1);
    EXPECT_EQ(view.selectedWholeRows(), QList<int>({1}));
    view.selectAll();
    EXPECT_EQ(view.selectedWholeRows(), QList<int>({0, 1}));   // not the row for a new entry
}

// A click on a half-shown cell, text or check box, makes it current where it stands, also when the
// grid brings its current cell into view after the click; a key then brings it into view.
TEST_F(DataGridEditing, AClickOnAHalfShownCellKeepsTheColumnsUnderThePointer)
{
    view.resize(200, 300);
    for (int column : {1, 2}) {
        view.setCurrentCell(0, 0);
        view.horizontalScrollBar()->setValue(0);
        const int edge = view.columnViewportPosition(column) + view.columnWidth(column) / 2;
        view.resize(view.width() + edge - view.viewport()->width(), view.height());
        const QModelIndex cell = view.grid().index(0, column);
        ASSERT_EQ(view.indexAt(QPoint(edge - 2, view.rowViewportPosition(0) + 2)), cell);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(edge - 2, view.rowViewportPosition(0) + 2));
        view.scrollTo(view.currentIndex());
        EXPECT_EQ(view.currentIndex(), cell) << column;
        EXPECT_EQ(view.horizontalScrollBar()->value(), 0) << column;
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Right);
        EXPECT_LE(view.visualRect(cell).right(), view.viewport()->width()) << column;
    }
}

class DropDownEditing : public DataGridEditing {
protected:
    void SetUp() override
    {
        DataGridEditing::SetUp();
        list = new GridDropDown;
        list->list().setColumns({{"CHEMNAME", 2000}, {"CHEMCAS", 1200}});
        for (const char* row : {"Benzene\t71-43-2", "benzo(a)pyrene\t50-32-8", "Bis(2-chloroethyl) ether\t111-44-4",
                                "Mercury\t7439-97-6", "O'Neill's acid\t1-2-3"})
            list->list().addTextRow(QString::fromUtf8(row));
        view.grid().setColumns({{"Name", 2000, CellEditor::DropDown}, {"CAS", 1200, CellEditor::DropDown}});
        view.grid().addTextRow("Old\t1-1-1");
        view.setColumnDropDown(0, list);
    }

    GridDropDown* list = nullptr;
};

TEST_F(DropDownEditing, TypingPositionsOnTheFirstRowThatStartsWithTheTextTakenLiterally)
{
    EXPECT_EQ(list->findPrefix("BEN"), 0);
    EXPECT_EQ(list->findPrefix("benzo"), 1);
    EXPECT_EQ(list->findPrefix("bis"), 2);
    EXPECT_EQ(list->findPrefix("O'Neill"), 4);
    EXPECT_EQ(list->findPrefix("%"), -1);
    EXPECT_EQ(list->findPrefix("B_n"), -1);
    EXPECT_EQ(list->findPrefix("Mercury chloride"), -1);

    QSignalSpy chosen(&view, &DataGrid::dropDownChosen);
    QLineEdit* editor = openLineEditor(0, 0);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(list->isVisible()) << "the list opens with the editor";
    EXPECT_FALSE(list->currentIndex().isValid()) << "no row holds the cell's value";
    editor->clear();
    QTest::keyClicks(editor, "me");
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->typed(), "me");
    EXPECT_EQ(list->currentRow(), 3);
    QTest::keyClicks(editor, "x");
    EXPECT_EQ(list->currentRow(), -1);   // a failed search leaves no row current

    // Enter reports the search; the typed text is no value of the cell.
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][2].toInt(), -1);
    EXPECT_EQ(chosen[0][3].toString(), "mex");
    EXPECT_EQ(view.grid().cell(0, 0).text, "Old");
}

TEST_F(DropDownEditing, AClickOnTheListReportsTheChoiceAndLeavesTheCellToItsOwner)
{
    QSignalSpy chosen(&view, &DataGrid::dropDownChosen);
    QSignalSpy edited(&view.grid(), &GridModel::cellEdited);
    ASSERT_NE(openLineEditor(0, 0), nullptr);
    list->scrollTo(list->list().index(3, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->list().index(3, 0)).center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 0);
    EXPECT_EQ(chosen[0][1].toInt(), 0);
    EXPECT_EQ(chosen[0][2].toInt(), 3);
    EXPECT_EQ(view.grid().cell(0, 0).text, "Old");
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(view.cellEditor(), nullptr);
}
