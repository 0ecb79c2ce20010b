// The constituent grid with the mouse and the keyboard: choosing chemicals from the drop-down
// lists, and a refused number.

#include "real_program.h"

#include "ui/input/constituent_grid.h"
#include "ui/main/frmOpenAnalyses.h"

#include <QApplication>
#include <QLineEdit>
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
    QString cell(int row, int column) { return grid().grid().cell(row, column).text; }

    // A click into a cell; the focus then lies in the cell (its editor, where it has one).
    void clickCell(int row, int column)
    {
        const QModelIndex index = grid().grid().index(row, column);
        grid().scrollTo(index);
        click(grid().viewport(), grid().visualRect(index).center());
        ASSERT_EQ(grid().currentIndex(), index);
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

TEST_F(ConstituentWindow, AListOpensOnlyWhenTypedInAndClosesWhenTheCellIsLeft)
{
    EXPECT_FALSE(cocs()->drdChemName->isVisible()) << "after Open from the tree";
    // Open again through File > Open's list of analyses.
    frmOpenAnalyses dialog(main().session());
    dialog.lstAnalyses->setCurrentRow(0);
    dialog.cmdOpen->click();
    ASSERT_TRUE(QTest::qWaitFor([] { return cocs() && cocs()->isVisible(); }));
    EXPECT_FALSE(cocs()->drdChemName->isVisible());

    // Into the CAS column of the new row with the arrow keys.
    clickCell(0, kColChemCas);
    pressKey(Qt::Key_Down);
    ASSERT_EQ(grid().currentIndex(), grid().grid().index(1, kColChemCas));
    GridDropDown& numbers = *cocs()->drdChemCAS;
    EXPECT_FALSE(numbers.isVisible());
    typeKeys(QStringLiteral("79"));
    EXPECT_TRUE(numbers.isVisible());
    pressKey(Qt::Key_Tab);
    EXPECT_FALSE(numbers.isVisible());
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
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return grid().cellEditor() && QApplication::focusWidget() == grid().cellEditor(); }));
        EXPECT_EQ(grid().currentIndex(), tclp);
        EXPECT_EQ(qobject_cast<QLineEdit*>(grid().cellEditor())->text(), "12a");
        pressKey(Qt::Key_A, Qt::ControlModifier);
        typeKeys(QStringLiteral("7.5"));
        pressKey(Qt::Key_Return);
        EXPECT_EQ(grid().grid().cell(0, kColTclpConc).value.toDouble(), 7.5);
    }
}

}   // namespace
