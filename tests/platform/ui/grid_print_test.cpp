#include "platform/ui/grid_print.h"
#include "ui/scripted_print.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

class GridPrint : public ::testing::Test {
protected:
    QString pdf() const { return QDir(m_dir.path()).filePath("print.pdf"); }

    static void fill(GridModel& grid, const QString& prefix, int rows)
    {
        grid.setColumns({{"Chemical Name", 3000}, {"Value", 2000}});
        grid.setGroups({{" ", 0, 1}, {"Pathway Group", 1, 1}});
        for (int r = 1; r <= rows; ++r)
            grid.addTextRow(QStringLiteral("%1 %2\t%3").arg(prefix).arg(r, 3, 10, QLatin1Char('0')).arg(r));
    }

    static GridPrintSetup setup(const QString& header, const QString& footer)
    {
        GridPrintSetup s;
        s.header = header;
        s.headerFont.setBold(true);
        s.headerFont.setPointSizeF(12);
        s.footer = footer;
        s.footerFont.setBold(true);
        s.footerFont.setPointSizeF(10);
        return s;
    }

    QTemporaryDir m_dir;
};

}   // namespace

TEST_F(GridPrint, EveryPageHasHeaderFooterPageNumberAndCaptionsAndEveryRowIsPrinted)
{
    GridModel grid;
    fill(grid, "Row", 120);
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    EXPECT_TRUE(printGrid(grid, setup("Surface Pathway Risk", "Results for Analysis: Site A\t<page number>"), true));
    EXPECT_EQ(dialogs.dialogsShown(), 2);

    const QStringList pages = pdfPageTexts(pdf());
    ASSERT_GE(pages.size(), 2);
    QString all;
    for (int p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_TRUE(pages[p].contains("Surface Pathway Risk"));
        EXPECT_TRUE(pages[p].contains("Results for Analysis: Site A"));
        EXPECT_TRUE(pages[p].contains(QString::number(p + 1)));
        EXPECT_TRUE(pages[p].contains("Pathway Group"));
        EXPECT_TRUE(pages[p].contains("Chemical Name"));
        all += pages[p];
    }
    for (int r = 1; r <= 120; ++r)
        EXPECT_TRUE(all.contains(QStringLiteral("Row %1").arg(r, 3, 10, QLatin1Char('0')))) << r;
}

TEST_F(GridPrint, OneCommandIsOneJobWithTheDialogsOnceAndEachGridOnANewPage)
{
    GridModel first;
    fill(first, "First", 3);
    GridModel second;
    fill(second, "Second", 3);
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    {
        PrintCommand command;
        EXPECT_TRUE(printGrid(first, setup("First Table", "Results for Analysis: A"), true));
        EXPECT_TRUE(printGrid(second, setup("Second Table", "Results for Analysis: A"), false));
    }
    EXPECT_EQ(dialogs.dialogsShown(), 2);
    const QStringList pages = pdfPageTexts(pdf());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("First Table") && pages[0].contains("First 003"));
    EXPECT_FALSE(pages[0].contains("Second"));
    EXPECT_TRUE(pages[1].contains("Second Table") && pages[1].contains("Second 001"));
}

TEST_F(GridPrint, CancellingEitherDialogEndsTheWholeCommandWithNothingPrinted)
{
    GridModel grid;
    fill(grid, "Row", 2);
    for (const bool pageSetupOk : {false, true}) {
        SCOPED_TRACE(pageSetupOk);
        ScriptedPrintDialogs dialogs(pdf());
        dialogs.answer(pageSetupOk, false);
        {
            PrintCommand command;
            EXPECT_FALSE(printGrid(grid, setup("T", ""), true));
            EXPECT_FALSE(printGrid(grid, setup("T", ""), false));
            EXPECT_FALSE(printGrid(grid, setup("T", ""), false));
        }
        EXPECT_FALSE(QFile::exists(pdf()));
    }
}

TEST_F(GridPrint, APrintOutsideACommandWithoutDialogsUsesThePrinterAsItIs)
{
    GridModel grid;
    fill(grid, "Row", 2);
    ScriptedPrintDialogs dialogs(pdf());
    EXPECT_TRUE(printGrid(grid, setup("Site and WMU Information", QString()), false));
    EXPECT_EQ(dialogs.dialogsShown(), 0);
    const QStringList pages = pdfPageTexts(pdf());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Site and WMU Information"));
    EXPECT_FALSE(pages[0].contains("Results for Analysis"));
}

TEST_F(GridPrint, AGridWiderThanThePageIsScaledDownToItsWidth)
{
    GridModel grid;
    QFont font = grid.font();
    font.setPointSizeF(10);
    grid.setFont(font);
    QVector<GridColumn> columns;
    for (int c = 0; c < 12; ++c)
        columns << GridColumn{QStringLiteral("Column%1").arg(c), 1500};
    grid.setColumns(columns);
    QStringList cells;
    for (int c = 0; c < 12; ++c)
        cells << QStringLiteral("Cell%1").arg(c);
    grid.addTextRow(cells.join('\t'));
    ScriptedPrintDialogs dialogs(pdf());
    dialogs.answer(true, true);
    EXPECT_TRUE(printGrid(grid, setup("Wide", QString()), true));
    const QStringList pages = pdfPageTexts(pdf());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Column11"));
    EXPECT_TRUE(pages[0].contains("Cell11"));
    EXPECT_TRUE(pdfTextInsidePages(pdf()));
}

TEST_F(GridPrint, AColumnGroupMovesWholeToTheNextPageOnlyFromAPageAlreadyHalfUsed)
{
    // A name, narrow columns, then a group that fits on a page beside the name but not after them.
    for (const int narrow : {1, 6}) {
        SCOPED_TRACE(narrow);
        GridModel grid;
        QFont font = grid.font();
        font.setPointSizeF(20);
        grid.setFont(font);
        QVector<GridColumn> columns = {{"Name", 3000}};
        QStringList cells = {"Benzene"};
        for (int c = 0; c < narrow; ++c) {
            columns << GridColumn{QStringLiteral("N%1").arg(c), 5000};
            cells << QStringLiteral("n%1").arg(c);
        }
        for (int c = 0; c < 8; ++c) {
            columns << GridColumn{QStringLiteral("G%1").arg(c), 4800};
            cells << QStringLiteral("g%1").arg(c);
        }
        grid.setColumns(columns);
        grid.setGroups({{"Group", narrow + 1, 8}});
        grid.addTextRow(cells.join('\t'));
        ScriptedPrintDialogs dialogs(pdf());
        dialogs.answer(true, true);
        ASSERT_TRUE(printGrid(grid, setup("Wide", QString()), true));
        const QStringList pages = pdfPageTexts(pdf());
        ASSERT_GE(pages.size(), 2);
        EXPECT_EQ(pages[0].contains("G0"), narrow == 1) << "the group starts beside a nearly empty page";
        EXPECT_TRUE(pages.join('\n').contains("g7"));
    }
}

TEST_F(GridPrint, ThePageSetUpShowsTheMarginsOfTheJobAndTheJobUsesThoseTheUserSets)
{
    // The grid's top and bottom margin, what the user sets (null: nothing) and what prints, in inches.
    const std::tuple<double, QMarginsF, QMarginsF> cases[] = {{0.75, {}, {0.25, 0.75, 0.25, 0.75}},
                                                              {1.0, {}, {0.25, 1.0, 0.25, 1.0}},
                                                              {0.75, {1.0, 0.5, 1.5, 1.25}, {1.0, 0.5, 1.5, 1.25}}};
    GridModel grid;
    fill(grid, "Row", 40);
    for (const auto& [topBottom, userSets, printed] : cases) {
        GridPrintSetup s = setup("Margins", "Results for Analysis: A\t<page number>");
        s.marginTopBottom = topBottom;
        ScriptedPrintDialogs dialogs(pdf());
        dialogs.setMargins(userSets).answer(true);
        ASSERT_TRUE(printGrid(grid, s, true));
        EXPECT_EQ(dialogs.shownMargins(), QMarginsF(0.25, topBottom, 0.25, topBottom));
        // The text reaches from the header to the footer, from the table's left to the page number.
        QPdfDocument document;
        ASSERT_EQ(document.load(pdf()), QPdfDocument::Error::None);
        const QRectF text = document.getAllText(0).boundingRectangle();
        const QSizeF page = document.pagePointSize(0);
        const QMarginsF off =
            QMarginsF(text.left(), text.top(), page.width() - text.right(), page.height() - text.bottom())
            - printed * 72;
        for (const double points : {off.left(), off.top(), off.right(), off.bottom()})
            EXPECT_LT(std::abs(points), 4) << topBottom;
    }
}
