#include "platform/ui/data_grid.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <deque>

namespace {

// A two-column editable grid with add-new on whose row writer answers from a script and
// records the rows it was asked about.
struct ScriptedGrid {
    ScriptedGrid()
    {
        grid.grid().setColumns({{"Name", 2000, CellEditor::Text}, {"CAS", 1500, CellEditor::Text}});
        grid.grid().addTextRow("Benzene\t71-43-2");
        grid.grid().addTextRow("Toluene\t108-88-3");
        grid.grid().setAllowAddNew(true);
        grid.setEditable(true);
        grid.grid().setRowWriter([this](int row) {
            asked.push_back(row);
            const RowDecision d = answers.empty() ? RowDecision::Write : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return d;
        });
        grid.resize(600, 300);
        grid.show();
    }

    // The user types into a cell through its editor.
    void type(int row, int column, const QString& text)
    {
        grid.setCurrentCell(row, column);
        grid.editCurrentCell();
        auto* line = qobject_cast<QLineEdit*>(grid.cellEditor());
        ASSERT_NE(line, nullptr);
        line->setText(text);
    }

    DataGrid grid;
    std::deque<RowDecision> answers;
    std::vector<int> asked;
};

} // namespace

TEST(GridRowWriter, LeavingAChangedRowAsksOnceAndTheDecisionHolds)
{
    ScriptedGrid g;
    g.grid.setCurrentCell(1, 0);
    EXPECT_TRUE(g.asked.empty()) << "an unchanged row is not written";

    // Stay: the user is taken back to the row, which keeps its edit.
    g.answers = {RowDecision::Stay};
    g.type(0, 1, "");
    g.grid.setCurrentCell(1, 0);
    EXPECT_EQ(g.asked, std::vector<int>({0}));
    EXPECT_EQ(g.grid.currentIndex().row(), 0);
    EXPECT_EQ(g.grid.grid().pendingRow(), 0);
    EXPECT_EQ(g.grid.grid().cell(0, 1).text, "");

    // Discard: the row is as it was and the move goes on.
    g.answers = {RowDecision::Discard};
    g.grid.setCurrentCell(1, 0);
    EXPECT_EQ(g.grid.currentIndex().row(), 1);
    EXPECT_EQ(g.grid.grid().pendingRow(), -1);
    EXPECT_EQ(g.grid.grid().cell(0, 1).text, "71-43-2");

    // Write: the edit stays and is no longer pending.
    g.type(1, 0, "Xylene");
    EXPECT_TRUE(g.grid.commitPendingEdit());
    EXPECT_EQ(g.grid.grid().cell(1, 0).text, "Xylene");
    EXPECT_EQ(g.grid.grid().pendingRow(), -1);
}

TEST(GridRowWriter, ADiscardedNewRowGoesAndAKeptOneRefusesTheCommit)
{
    ScriptedGrid g;
    g.answers = {RowDecision::Stay, RowDecision::Discard};
    g.type(2, 0, "Phenol");
    EXPECT_FALSE(g.grid.commitPendingEdit());
    EXPECT_EQ(g.grid.grid().dataRowCount(), 3);
    EXPECT_TRUE(g.grid.grid().pendingRowAdded());
    g.grid.setCurrentCell(0, 0);
    EXPECT_EQ(g.grid.grid().dataRowCount(), 2);
    EXPECT_TRUE(g.grid.grid().isAddNewRow(2));
    EXPECT_EQ(g.grid.currentIndex().row(), 0);
}
