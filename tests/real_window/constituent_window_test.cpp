// The constituent grid with the mouse and the keyboard: choosing chemicals from the drop-down
// lists, and a refused number.

#include "real_program.h"

#include "ui/input/constituent_grid.h"
#include "ui/main/frmOpenAnalyses.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTest>

namespace {

class ConstituentWindow : public RealProgram {
protected:
    void SetUp() override
    {
        RealProgram::SetUp();
        openByDoubleClick(QStringLiteral("KEY1"));
    }

    DataGrid& grid() { return *cocs()->grdSiteCOCs; }
    QString cell(int row, int column)
    {
        EXPECT_LT(row, grid().grid().dataRowCount());
        return row < grid().grid().dataRowCount() ? grid().grid().cell(row, column).text : QString();
    }

    // A click into a cell; the focus then lies in the cell (its editor, where it has one).
    void clickCell(int row, int column)
    {
        const QModelIndex index = grid().grid().index(row, column);
        grid().scrollTo(index);
        click(grid().viewport(), grid().visualRect(index).center());
        ASSERT_EQ(grid().currentIndex(), index);
    }
    // A click on a check-box cell's box, which ticks or clears it.
    void clickCheckBox(int row, int column)
    {
        const QModelIndex index = grid().grid().index(row, column);
        grid().scrollTo(index);
        QStyleOptionViewItem option;
        option.rect = grid().visualRect(index);
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = grid().style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &grid());
        click(grid().viewport(), box.center());
    }
    // The list row's rectangle in the list's viewport.
    static QPoint listRowCentre(GridDropDown& list, int listRow)
    {
        const QModelIndex index = list.list().index(listRow, 0);
        list.scrollTo(index);
        return list.visualRect(index).center();
    }
};

TEST_F(ConstituentWindow, ClickingAChemicalInTheListWritesIt)
{
    GridDropDown& list = *cocs()->drdChemName;
    // Typed "T": the list opens on the first T chemical; a click on another one chooses that one.
    for (const auto& [row, typed, chosen, cas] :
         {std::tuple{1, "Tolu", "Toluene", "108-88-3"}, std::tuple{2, "T", "Trichloroethylene", "79-01-6"}}) {
        clickCell(row, kColChemName);
        typeKeys(QString::fromLatin1(typed));
        ASSERT_TRUE(list.isVisible());
        click(list.viewport(), listRowCentre(list, list.findPrefix(QString::fromLatin1(chosen))));
        EXPECT_FALSE(list.isVisible());
        EXPECT_EQ(cell(row, kColChemName), chosen);
        EXPECT_EQ(cell(row, kColChemCas), cas);
    }
    ASSERT_GT(grid().grid().dataRowCount(), 1);
    EXPECT_EQ(grid().grid().cell(1, kColDafLf).value.toDouble(), 2.5);

    QTest::mouseClick(cocs()->cmdUpdateSiteCOCs, Qt::LeftButton);
    EXPECT_EQ(
        storedValue(QStringLiteral("SELECT group_concat(CHEMNAME, '|') FROM SITECOCS WHERE SITEKEY = 1")).toString(),
        "Benzene|Toluene|Trichloroethylene");
}

TEST_F(ConstituentWindow, TheArrowKeysMoveThroughTheOpenListAndEnterChooses)
{
    GridDropDown& list = *cocs()->drdChemName;
    clickCell(1, kColChemName);
    typeKeys(QStringLiteral("T"));
    ASSERT_EQ(list.currentIndex().row(), list.findPrefix(QStringLiteral("Tetrachloroethylene")));
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Up);
    EXPECT_EQ(grid().currentIndex().row(), 1) << "the grid row stays while the list is open";
    pressKey(Qt::Key_Return);
    EXPECT_EQ(cell(1, kColChemName), "Toluene");
    EXPECT_EQ(cell(1, kColChemCas), "108-88-3");
    EXPECT_FALSE(list.isVisible());
}

TEST_F(ConstituentWindow, AListOpensOnItsCellsChemicalWhenTheCellBecomesCurrentAndOnlyEnterChooses)
{
    // Open again through File > Open's list of analyses: no list stands over another cell.
    frmOpenAnalyses dialog(main().session());
    dialog.lstAnalyses->setCurrentRow(0);
    dialog.cmdOpen->click();
    ASSERT_TRUE(QTest::qWaitFor([] { return cocs() && cocs()->isVisible(); }));
    GridDropDown& names = *cocs()->drdChemName;
    GridDropDown& numbers = *cocs()->drdChemCAS;
    EXPECT_FALSE(numbers.isVisible());
    EXPECT_TRUE(!names.isVisible() || grid().currentIndex() == grid().grid().index(0, kColChemName));

    clickCell(0, kColChemName);
    ASSERT_TRUE(names.isVisible());
    EXPECT_EQ(names.currentIndex().row(), names.findPrefix(QStringLiteral("Benzene")));
    // Escape drops what was typed: Enter in the cell opened again chooses the cell's own chemical.
    typeKeys(QStringLiteral("xyz"));
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(names.isVisible());
    clickCell(0, kColChemName);
    ASSERT_TRUE(names.isVisible());
    pressKey(Qt::Key_Return);
    EXPECT_EQ(cell(0, kColChemCas), "71-43-2");
    clickCell(0, kColChemName);
    // Moving in the list and leaving the cell chooses nothing; the next cell's list opens.
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Tab);
    EXPECT_FALSE(names.isVisible());
    ASSERT_TRUE(numbers.isVisible());
    EXPECT_EQ(numbers.currentIndex().row(), numbers.findPrefix(QStringLiteral("71-43-2")));
    // Escape closes it; the arrow keys then move through the rows, each chemical cell opening its list.
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(numbers.isVisible());
    pressKey(Qt::Key_Down);
    ASSERT_EQ(grid().currentIndex(), grid().grid().index(1, kColChemCas));
    EXPECT_TRUE(numbers.isVisible());
    EXPECT_FALSE(numbers.currentIndex().isValid()) << "the new row has no chemical";
    pressKey(Qt::Key_Escape);
    pressKey(Qt::Key_Up);
    EXPECT_EQ(cell(0, kColChemName), "Benzene");
    EXPECT_EQ(cell(0, kColChemCas), "71-43-2");

    // The arrow keys, then Enter, choose.
    ASSERT_TRUE(numbers.isVisible());
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(cell(0, kColChemName), "Mercury");
    EXPECT_EQ(cell(0, kColChemCas), "7439-97-6");
}

TEST_F(ConstituentWindow, OnlyEnterOrAClickInTheListChoosesAndACheckBoxClickMakesItsCellCurrent)
{
    // A step clicks a cell (a check box on its box), types, then presses keys.
    struct Step {
        int row;
        int column;
        QString typed;
        std::vector<Qt::Key> keys;
    };
    const QString benzene = QStringLiteral("Benzene|71-43-2|0.0055|0");
    const QString zinc = QStringLiteral("Zinc|1-11-11|0.0|0");
    const int name = kColChemName;
    const struct {
        std::vector<Step> steps;
        QString stored;
        bool searchOnly = false;   // the window stays saved
    } cases[] = {
        {{{0, name, "qqq", {Qt::Key_Escape, Qt::Key_Return}}}, benzene},
        {{{0, name, "tol", {Qt::Key_Escape, Qt::Key_Return}}}, benzene},
        {{{0, name, "tol", {Qt::Key_Tab}}}, benzene, true},
        {{{0, kColChemCas, "108-88-3", {Qt::Key_Tab}}}, benzene, true},
        {{{1, name, "Zinc", {Qt::Key_Tab}}}, benzene, true},
        {{{0, kColFirstProperty, "9", {Qt::Key_Return}}, {0, name, "", {Qt::Key_Return}}}, benzene},
        {{{1, name, "Zinc", {Qt::Key_Return}}}, benzene + ';' + zinc},
        {{{1, kColTclpConc, "", {Qt::Key_Right}}, {0, kColDlTclp, "", {Qt::Key_Space}}}, benzene + ';' + zinc},
        {{{1, name, "x", {Qt::Key_Backspace, Qt::Key_Return}}}, benzene + ';' + zinc, true},
        {{{1, kColChemCas, "123-45-6", {Qt::Key_Return}}}, benzene + ";Zinc|123-45-6|0.0|0"},
        {{{1, kColChemCas, "222-22-2", {Qt::Key_Return}}}, benzene + ";Zinc|222-22-2|0.0|0"},
        {{{1, name, QString(300, 'n'), {Qt::Key_Return}}}, benzene + ';' + QString(255, 'n') + "|1-11-11|0.0|0"},
        {{{-1, 0, "", {Qt::Key_Down}}, {0, kColChemCas, "333-33-3", {Qt::Key_Return}}},
         benzene + ';' + QString(255, 'n') + "|1-11-11|0.0|0",
         true},
        // Typed at once after a click on the current cell: not a search that finds Benzene's "0.0055".
        {{{1, kColFirstProperty, "", {}}, {1, kColFirstProperty, "0.5", {Qt::Key_Return}}},
         benzene + ';' + QString(255, 'n') + "|1-11-11|0.5|0"},
    };
    for (const auto& [steps, stored, searchOnly] : cases) {
        for (const Step& step : steps) {
            if (step.row < 0)   // the source list, whose next entry is "Customer"
                cocs()->cmbDataSource->setFocus(Qt::TabFocusReason);
            else if (step.column == kColDlTclp)
                clickCheckBox(step.row, step.column);
            else
                clickCell(step.row, step.column);
            typeKeys(step.typed);
            for (const Qt::Key key : step.keys)
                pressKey(key);
        }
        EXPECT_EQ(grid().grid().dataRowCount(), stored.count(';') + 1) << qPrintable(stored);
        EXPECT_NE(cocs()->cmdUpdateSiteCOCs->isEnabled(), searchOnly) << qPrintable(stored);
        QTest::mouseClick(cocs()->cmdUpdateSiteCOCs, Qt::LeftButton);
        EXPECT_EQ(storedValue(QStringLiteral("SELECT group_concat(r, ';') FROM (SELECT CHEMNAME || '|' || CHEMCAS "
                                             "|| '|' || MCL || '|' || DLTCLP AS r FROM SITECOCS WHERE SITEKEY = 1 "
                                             "ORDER BY rowid)"))
                      .toString()
                      .toStdString(),
                  stored.toStdString());
    }
}

TEST_F(ConstituentWindow, AfterInvalidInputTheCellStaysCurrentAndTakesWhatIsTypedNext)
{
    messages.reset();
    const QModelIndex tclp = grid().grid().index(0, kColTclpConc);
    clickCell(0, kColTclpConc);
    // Enter, and the arrow key that leaves the cell: either way the real message takes the focus.
    for (const Qt::Key leave : {Qt::Key_Return, Qt::Key_Down}) {
        ASSERT_EQ(grid().currentIndex(), tclp);
        typeKeys(QStringLiteral("12a"));
        BoxAnswer ok([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        pressKey(leave);
        EXPECT_EQ(ok.text(), "You have entered an invalid character into this input field.  Please ensure that you "
                             "have entered only numbers.");
        // The cell's editor takes the focus back with the refused text selected.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const auto* line = qobject_cast<QLineEdit*>(grid().cellEditor());
            return line && QApplication::focusWidget() == line && line->selectedText() == "12a";
        }));
        EXPECT_EQ(grid().currentIndex(), tclp);
        typeKeys(QStringLiteral("7.5"));
        pressKey(Qt::Key_Return);
        ASSERT_GT(grid().grid().dataRowCount(), 0);
        EXPECT_EQ(grid().grid().cell(0, kColTclpConc).value.toDouble(), 7.5);
    }
}

TEST_F(ConstituentWindow, TabLeavesTheGridOnlyFromItsLastCellAndShiftTabFromItsFirst)
{
    const auto inGrid = [&] { return grid().isAncestorOf(QApplication::focusWidget()) || grid().hasFocus(); };
    // Shift+Tab comes from the window system as Backtab.
    const auto tab = [](bool back) {
        pressKey(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    };
    // Within the grid Tab moves to the next cell. From the last cell (in the row for a new entry)
    // forwards and from the first with its editor open backwards, the focus goes to the control
    // after or before the grid, and comes back.
    const int lastRow = grid().grid().rowCount() - 1;
    const int lastColumn = grid().grid().columnCount() - 1;
    for (const auto& [row, column, edit, back] :
         {std::tuple{0, int(kColTclpConc), false, false}, {lastRow, lastColumn, false, false}, {0, 0, true, true}}) {
        clickCell(row, column);
        if (edit)
            pressKey(Qt::Key_F2);
        tab(back);
        const bool leaves = column != kColTclpConc;
        EXPECT_EQ(inGrid(), !leaves) << row << "," << column;
        if (leaves) {
            tab(!back);
            EXPECT_TRUE(inGrid());
        }
    }
    // Ctrl+Tab from an open editor moves to the other child window.
    pressKey(Qt::Key_F2);
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(main().mdiArea->activeSubWindow(), site()->frame());
}

}   // namespace
