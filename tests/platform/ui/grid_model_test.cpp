#include "platform/ui/data_grid.h"
#include "platform/ui/geometry.h"
#include "ui/grid_readback.h"

#include <QBrush>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

void setThreeColumns(GridModel& grid)
{
    grid.setColumns({{"Name", 2000}, {"Value", 1500}, {"Note", 1000}});
}

}   // namespace

TEST(GridModel, KeepsShownTextValueAndNonDetectFlagApart)
{
    GridModel grid;
    setThreeColumns(grid);
    GridCell name = GridCell::fromText("xylenes");
    name.nonDetect = true;
    grid.addRow({name, GridCell::fromNumber(9995.0), GridCell::fromNumber(std::nullopt)});

    const QModelIndex first = grid.index(0, 0);
    EXPECT_EQ(first.data(Qt::DisplayRole).toString(), "xylenes");
    EXPECT_TRUE(first.data(NonDetectRole).toBool());
    const QModelIndex number = grid.index(0, 1);
    EXPECT_EQ(number.data(Qt::DisplayRole).toString(), "1.00E+04");
    EXPECT_EQ(number.data(RawValueRole).toDouble(), 9995.0);
    EXPECT_FALSE(number.data(NonDetectRole).toBool());
    const QModelIndex none = grid.index(0, 2);
    EXPECT_EQ(none.data(Qt::DisplayRole).toString(), "");
    EXPECT_FALSE(none.data(RawValueRole).isValid());
}

TEST(GridModel, PadsShortRowsAndDropsCellsBeyondTheLastColumn)
{
    GridModel grid;
    setThreeColumns(grid);
    grid.addTextRow("a");
    grid.addTextRow("b\tc\td\te");
    grid.addTextRow("\tvalue");
    EXPECT_EQ(shownRow(grid, 0), QStringList({"a", "", ""}));
    EXPECT_EQ(shownRow(grid, 1), QStringList({"b", "c", "d"}));
    EXPECT_EQ(shownRow(grid, 2), QStringList({"", "value", ""}));
}

TEST(GridModel, RowStylingChangesShownTextAndStyleButNotTheStoredCell)
{
    GridModel grid;
    setThreeColumns(grid);
    grid.addStyle({"Zero", 0, false, false, {}, {}});
    grid.setRowStyler([](GridRowStyle& row) {
        for (int c = 1; c < row.columnCount(); ++c)
            if (row.text(c) == "0.00E+00") {
                row.setText(c, "---");
                row.setStyle(c, "Zero");
            }
    });
    grid.addRow({GridCell::fromText("Benzene"), GridCell::fromNumber(0.0), GridCell::fromNumber(2.0)});

    EXPECT_EQ(shownRow(grid, 0), QStringList({"Benzene", "---", "2.00E+00"}));
    EXPECT_EQ(styleRow(grid, 0), QStringList({"", "Zero", ""}));
    EXPECT_EQ(grid.index(0, 1).data(StoredTextRole).toString(), "0.00E+00");
    EXPECT_EQ(grid.index(0, 1).data(RawValueRole).toDouble(), 0.0);
}

TEST(GridModel, ANewStylerRestylesTheRowsAlreadyAdded)
{
    GridModel grid;
    setThreeColumns(grid);
    grid.addTextRow("a\tb\tc");
    QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
    grid.setRowStyler([](GridRowStyle& row) { row.setText(0, row.text(0).toUpper()); });
    EXPECT_EQ(shownRow(grid, 0), QStringList({"A", "b", "c"}));
    EXPECT_EQ(changed.count(), 1);
}

TEST(GridModel, StylesGiveColourAndOnlyTheFontAttributesTheySet)
{
    GridModel grid;
    setThreeColumns(grid);
    QFont base("Arial");
    base.setPointSizeF(8.25);
    base.setItalic(true);
    grid.setFont(base);
    grid.addStyle({"Orange", 33023, true, {}, {}, {}});
    grid.addStyle({"Big", 255, {}, false, true, 16.0});
    grid.addStyle({"Orange", 16711680, false, {}, {}, {}});   // a style of the same name is replaced
    grid.setRowStyler([](GridRowStyle& row) {
        row.setStyle(0, "Orange");
        row.setStyle(1, "Big");
        row.setStyle(2, "NoSuchStyle");
    });
    grid.addTextRow("a\tb\tc");

    EXPECT_EQ(cellLook(grid, 0, 0), "#0000ff i");
    const QFont big = grid.index(0, 1).data(Qt::FontRole).value<QFont>();
    EXPECT_FALSE(big.italic());
    EXPECT_TRUE(big.underline());
    EXPECT_EQ(big.pointSizeF(), 16.0);
    EXPECT_EQ(grid.index(0, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(cellLook(grid, 0, 2), "#000000 i");
    EXPECT_EQ(grid.index(0, 2).data(Qt::FontRole).value<QFont>().pointSizeF(), 8.25);
}

TEST(GridModel, GroupsSpanColumnsAndAreAsWideAsTheirColumns)
{
    GridModel grid;
    setThreeColumns(grid);
    grid.setGroups({{" ", 0, 1}, {"Pathways", 1, 2}});
    EXPECT_EQ(grid.groupOf(0), 0);
    EXPECT_EQ(grid.groupOf(2), 1);
    EXPECT_EQ(grid.groupOf(3), -1);
    EXPECT_EQ(grid.groupWidthTwips(1), 2500);
    grid.setColumnWidthTwips(2, 1125);
    EXPECT_EQ(grid.groupWidthTwips(1), 2625);
    EXPECT_EQ(grid.headerData(1, Qt::Horizontal).toString(), "Value");
}

TEST(DataGrid, ShowsColumnWidthsInTwipsAndGroupCaptionsAboveColumnCaptions)
{
    DataGrid view;
    GridModel& grid = view.grid();
    grid.setColumns({{"Chemical Name", 3000}, {"A caption long enough to wrap over several lines", 1500}});
    EXPECT_EQ(view.columnWidth(0), twipsToPx(3000));
    EXPECT_EQ(view.columnWidth(1), twipsToPx(1500));
    const int withoutGroups = view.groupHeader()->sizeHint().height();

    grid.setGroups({{" ", 0, 1}, {"Group", 1, 1}});
    EXPECT_GT(view.groupHeader()->sizeHint().height(), withoutGroups);
    grid.setColumnWidthTwips(0, 4500);
    EXPECT_EQ(view.columnWidth(0), twipsToPx(4500));

    view.resize(400, 200);
    view.show();
    EXPECT_FALSE(view.grab().isNull());
    EXPECT_EQ(view.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(DataGrid, HidesTheColumnHeaderOfAListWithoutCaptions)
{
    DataGrid view;
    view.grid().setColumns({{QString(), 1000}, {QString(), 1000}});
    view.grid().setColumnHeadersVisible(false);
    view.show();
    EXPECT_FALSE(view.horizontalHeader()->isVisible());
}
