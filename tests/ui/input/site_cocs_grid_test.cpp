#include "site_cocs_fixture.h"

#include "ui/input/constituent_grid.h"
#include "ui/input/frmSiteCOCs.h"

namespace {

// A grid of the constituent columns with rows given as TAB-separated texts; flags and numbers
// are stored as typed texts become them.
void fill(GridModel& grid, const QStringList& rows)
{
    grid.setColumns(constituentGridColumns());
    for (const QString& row : rows) {
        QVector<GridCell> cells;
        const QStringList texts = row.split(QLatin1Char('\t'));
        for (int c = 0; c < texts.size(); ++c) {
            if (c == kColDlTclp || c == kColDlTotal)
                cells << flagCell(texts[c] == QLatin1String("True"));
            else
                cells << typedCell(c, texts[c]).value_or(GridCell::fromText(texts[c]));
        }
        grid.addRow(cells);
    }
}

QVariantList record(Connection& conn, const QString& fields, int index)
{
    Result<QueryRows> rows =
        conn.select(QStringLiteral("SELECT %1 FROM SITECOCS WHERE SITEKEY = 1 ORDER BY rowid").arg(fields));
    EXPECT_TRUE(rows.ok());
    QVariantList values;
    if (rows.ok() && index < int(rows->rows.size()))
        for (const QVariant& v : rows->rows[size_t(index)])
            values << v;
    return values;
}

}   // namespace

TEST(ConstituentGrid, SetupGridGivesTheColumnWidths)
{
    QVector<int> design;
    for (const GridColumn& c : constituentGridColumns())
        design << c.widthTwips;
    const QVector<int> expected = {3200, 2134, 2487, 1608, 2434, 1552, 2400, 3200, 3200, 2134, 2134,
                                   3200, 2134, 2400, 2400, 2134, 2134, 2134, 2134, 3200, 2134, 2134,
                                   2134, 2134, 2134, 3200, 2134, 2400, 2134, 2134, 2134, 2134};
    EXPECT_EQ(setupGridWidths(design), expected);
    EXPECT_EQ(constituentGridCaptions().size(), kConstituentColumns);
    ASSERT_EQ(constituentGridFields().size(), kConstituentColumns);
    EXPECT_EQ(constituentGridFields()[kColCarcNon], "CARCNON");
    EXPECT_EQ(constituentGridFields().last(), "LOGKOW");
}

TEST(ConstituentGrid, TypedTextsAreNumbersOrRefused)
{
    EXPECT_EQ(typedCell(kColTclpConc, "2.5E-02")->value.toDouble(), 0.025);
    EXPECT_EQ(typedCell(kColTclpConc, "2.5E-02")->text, "2.5E-02");
    EXPECT_EQ(typedCell(kColTotConc, " 12 ")->value.toDouble(), 12.0);
    EXPECT_FALSE(typedCell(kColTotConc, "")->value.isValid());
    for (const char* bad : {"abc", "1.5 mg", "12a", "1,000", "1 000", "&H10"})
        EXPECT_FALSE(typedCell(kColTclpConc, bad).has_value()) << bad;
    EXPECT_EQ(typedCell(kColDafLf, "TCLP dependent")->text, "TCLP dependent");
    EXPECT_FALSE(typedCell(kColDafLf, "tclp dependent").has_value());
    EXPECT_FALSE(typedCell(kColTclpConc, "TCLP dependent").has_value());
    EXPECT_EQ(typedCell(kColChemName, "O'Neill's 1,000 mg")->text, "O'Neill's 1,000 mg");

    // The concentrations take what single precision holds; a paste keeps the number alone.
    for (const int c : {kColTclpConc, kColTotConc}) {
        for (const char* refused : {"1e-50", "3.5E+38", "1E+300"})
            EXPECT_FALSE(typedCell(c, refused).has_value()) << refused;
        for (const char* taken : {"3.4E+38", "1e-30", "0", "8\n", "8\r\n", " 8 "})
            EXPECT_EQ(typedCell(c, taken).value_or(GridCell{}).text, QString::fromLatin1(taken).trimmed()) << taken;
    }
}

TEST(ConstituentGrid, ChemicalsChosenByNameShowTclpDependentDafsUnlessOrganic)
{
    auto cells = [](const QVariant& organic, bool byName) {
        QVector<QVariant> chemical(28);
        chemical[0] = "Lead";
        chemical[1] = "7439-92-1";
        chemical[14] = 10.0;   // DAFLF
        chemical[15] = 20.0;   // DAFSI
        chemical[20] = organic;
        chemical[23] = "Noncarcinogen";
        chemical[27] = 0.73;   // LOGKOW
        QVector<GridCell> row(kConstituentColumns);
        for (const auto& [column, cell] : chosenChemicalCells(chemical, byName))
            row[column] = cell;
        return row;
    };
    for (const QVariant& inorganic : {QVariant(0.0), QVariant()}) {
        const QVector<GridCell> byName = cells(inorganic, true);
        EXPECT_EQ(byName[kColChemName].text, "Lead");
        EXPECT_EQ(byName[kColChemCas].text, "7439-92-1");
        EXPECT_EQ(byName[kColDafLf].text, "TCLP dependent");
        EXPECT_EQ(byName[kColDafSi].text, "TCLP dependent");
        EXPECT_EQ(cells(inorganic, false)[kColDafLf].value.toDouble(), 10.0);
    }
    const QVector<GridCell> organic = cells(1.0, true);
    EXPECT_EQ(organic[kColDafSi].value.toDouble(), 20.0);
    EXPECT_EQ(organic[kColCarcNon].text, "Noncarcinogen");
    EXPECT_EQ(organic[31].value.toDouble(), 0.73);
    EXPECT_FALSE(organic[kColFirstProperty].value.isValid());   // a NULL property stays empty
    EXPECT_FALSE(organic[kColTclpConc].value.isValid());        // concentrations are not written

    QVector<GridCell> typed(kConstituentColumns);
    fillRowDefaults(typed);
    for (const auto& [column, cell] : handTypedChemicalCells("Unlisted"))
        typed[column] = cell;
    fillRowDefaults(typed);
    EXPECT_EQ(typed[kColChemCas].text, "1-11-11");
    EXPECT_EQ(typed[kColDafLf].text, "0");
    EXPECT_EQ(typed[kColCarcNon].text, "Carcinogen");
    EXPECT_EQ(typed[kColDlTclp].text, "");   // the flags are left as they are
}

TEST(ConstituentGrid, DuplicatesAreRowsWithEqualCellsWhoseNeighbourBelowHasTheSameNameAndCas)
{
    GridModel grid;
    fill(grid, {"Benzene\t71-43-2\t1", "Benzene\t71-43-2\t1"});
    EXPECT_TRUE(hasDuplicateRows(grid));

    fill(grid, {"Benzene\t71-43-2\t1", "Benzene\t71-43-2\t1.0"});   // the same number
    EXPECT_TRUE(hasDuplicateRows(grid));

    fill(grid, {"Benzene\t71-43-2\t1\tTrue", "Benzene\t71-43-2\t1\tFalse"});
    EXPECT_FALSE(hasDuplicateRows(grid));

    fill(grid, {"Benzene\t71-43-2\t1", "Toluene\t108-88-3\t1", "Benzene\t71-43-2\t1"});
    EXPECT_FALSE(hasDuplicateRows(grid));   // equal rows apart are not found

    fill(grid, {"", ""});
    EXPECT_TRUE(hasDuplicateRows(grid));

    // Rows 0 and 1 share name and CAS number; row 3 equals row 0 but for the name.
    fill(grid, {"Benzene\t71-43-2\t1", "Benzene\t71-43-2\t2", "Toluene\t108-88-3\t1", "Benzol\t71-43-2\t1"});
    EXPECT_TRUE(hasDuplicateRows(grid));

    fill(grid, {"Benzene\t71-43-2\t1"});
    EXPECT_FALSE(hasDuplicateRows(grid));
}

TEST_F(SiteCocsTest, StoringReplacesTheAnalysisRowsAndItsDelistingRowsAndDropsRowsWithoutNameOrCas)
{
    GridModel grid;
    fill(grid, {"Benzene\t71-43-2\t2.5E-02\tTrue\t0.123456789012345\tFalse\t\t\t\t\t\t\t\t\t\t\t\t\tTCLP "
                "dependent\t7.5",
                "No CAS\t\t1", "\t50-32-8\t1", "Phenol\t108-95-2\t\tFalse\t1E+300\tTrue"});
    grid.setCells(0, {{kColCarcNon, GridCell::fromText("Noncarcinogen")}});
    ASSERT_TRUE(isStorableRow(grid, 0));
    ASSERT_FALSE(isStorableRow(grid, 1));
    ASSERT_FALSE(isStorableRow(grid, 2));

    ASSERT_TRUE(storeConstituentRows(db.conn(), 1, constituentRowsOf(grid)).ok());
    EXPECT_EQ(storedCount(1), 2);
    EXPECT_EQ(storedCount(2), 1);
    EXPECT_EQ(record(db.conn(), "CHEMNAME, CHEMCAS, TCLPCONC, DLTCLP, TOTCONC, DLTOTAL, DAFLF, DAFSI, CARCNON", 0),
              QVariantList({"Benzene", "71-43-2", 0.025, 1, 0.123456789012345, 0, 0.0, 7.5, "Noncarcinogen"}));
    EXPECT_EQ(record(db.conn(), "CHEMNAME, TCLPCONC, DLTOTAL, TOTCONC, MCL, CARCNON", 1),
              QVariantList({"Phenol", 0.0, 1, 1e300, 0.0, QVariant()}));
    EXPECT_EQ(record(db.conn(), "GWINGr, LMTPTHTO", 0), QVariantList({QVariant(), QVariant()}));
    EXPECT_EQ(db.conn().scalar("SELECT count(*) FROM GWDelisting WHERE SITEKEY = 1")->toInt(), 0);
    EXPECT_EQ(db.conn().scalar("SELECT count(*) FROM GWDelisting WHERE SITEKEY = 2")->toInt(), 1);
}

TEST_F(SiteCocsTest, AStoreThatFailsLeavesTheStoredRowsAsTheyWere)
{
    GridModel grid;
    fill(grid, {"Benzene\t71-43-2\t1", QString(300, QLatin1Char('x')) + "\t1-2-3\t1"});
    const QByteArray before = db.checksum();
    EXPECT_FALSE(storeConstituentRows(db.conn(), 1, constituentRowsOf(grid)).ok());
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(SiteCocsTest, FlagTextsAreTrueOnlyForMinusOneAndTrue)
{
    GridModel grid;
    grid.setColumns(constituentGridColumns());
    const QStringList texts = {"-1", "True", "0", "False", "", "1", "true"};
    for (const QString& text : texts) {
        QVector<GridCell> cells(kConstituentColumns);
        cells[kColChemName] = GridCell::fromText(text.isEmpty() ? QStringLiteral("empty") : text);
        cells[kColChemCas] = GridCell::fromText("1-2-3");
        cells[kColDlTclp] = GridCell::fromText(text);
        grid.addRow(cells);
    }
    ASSERT_TRUE(storeConstituentRows(db.conn(), 1, constituentRowsOf(grid)).ok());
    QVariantList flags;
    for (int i = 0; i < texts.size(); ++i)
        flags << stored(i, "DLTCLP");
    EXPECT_EQ(flags, QVariantList({1, 1, 0, 0, 0, 0, 0}));
}

TEST(ToBoolean, TakesTheBooleanTextsAndNumbersAndRefusesAnyOtherText)
{
    for (const auto& [text, value] : {std::pair{"0", false},
                                      {"-1", true},
                                      {"", false},
                                      {"1", true},
                                      {"True", true},
                                      {"fALSE", false},
                                      {" true ", true},
                                      {"2.5E+00", true},
                                      {"0.0", false}}) {
        const Result<bool> b = frmSiteCOCs::ToBoolean(QString::fromLatin1(text));
        EXPECT_TRUE(b.ok() && *b == value) << text;
    }
    for (const char* text : {"Yes", "1a", "T"})
        EXPECT_FALSE(frmSiteCOCs::ToBoolean(QString::fromLatin1(text)).ok()) << text;
}
