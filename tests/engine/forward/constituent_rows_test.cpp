#include "engine/forward/constituent_rows.h"

#include "core/temp_database.h"

#include <gtest/gtest.h>

#include <limits>

// Reading the constituent rows of a run and replacing an analysis's GWDelisting rows.

namespace {

class ConstituentRowsTest : public ::testing::Test {
protected:
    void addGw(qint32 key, const QVariant& cas, double gwdl)
    {
        db.insert(QStringLiteral("GWDelisting"), {{"SITEKEY", key}, {"ChemCas", cas}, {"GWDL", gwdl}});
    }
    GWDelistingRow row(const QString& cas, double gwdl)
    {
        GWDelistingRow g;
        g.ChemCas = cas;
        g.GWDL = gwdl;
        g.GWMaxAConcen = gwdl / 10;
        g.DAF_SF = 1.1f;
        g.GWLimitingPathway = QStringLiteral("MCL");
        return g;
    }
    Status replace(qint32 key, const std::vector<GWDelistingRow>& delisting)
    {
        const std::vector<ConstituentRow> rows(delisting.size());
        return replaceGWDelisting(db.conn(), key, rows, delisting);
    }
    QueryRows gw(qint32 key)
    {
        return db.conn()
            .select(QStringLiteral("SELECT rowid, ChemCas, GWDL, GWMaxAConcen, DAF_SF, GWLimitingPathway, SITEKEY "
                                   "FROM GWDelisting WHERE SITEKEY = ? ORDER BY rowid"),
                    {key})
            .value();
    }

    TempDatabase db;
};

TEST_F(ConstituentRowsTest, GWDelistingRowsAreRewrittenInPlaceDeletedBeyondAndAppended)
{
    addGw(1, "1-1-1", 1);
    addGw(2, "9-9-9", 9);
    addGw(1, "2-2-2", 2);
    addGw(1, "3-3-3", 3);
    const QueryRows before = gw(1);

    ASSERT_GT(before.rows.size(), 1u);
    ASSERT_TRUE(replace(1, {row("1-1-1", 10), row("5-5-5", 50)}).ok());
    QueryRows after = gw(1);
    ASSERT_EQ(after.rows.size(), 2u);
    EXPECT_EQ(after.rows[0][0], before.rows[0][0]);
    EXPECT_EQ(after.rows[1][0], before.rows[1][0]);
    EXPECT_EQ(after.rows[1][1].toString(), QStringLiteral("5-5-5"));
    EXPECT_EQ(after.rows[1][2].toDouble(), 50.0);
    EXPECT_EQ(after.rows[1][3].toDouble(), 5.0);
    EXPECT_EQ(after.rows[1][4].toDouble(), double(1.1f));
    EXPECT_EQ(after.rows[1][5].toString(), QStringLiteral("MCL"));

    ASSERT_TRUE(replace(1, {row("1-1-1", 10), row("5-5-5", 50), row("6-6-6", 60), row("7-7-7", 70)}).ok());
    after = gw(1);
    ASSERT_EQ(after.rows.size(), 4u);
    EXPECT_EQ(after.rows[1][0], before.rows[1][0]);
    EXPECT_GT(after.rows[2][0].toLongLong(), after.rows[1][0].toLongLong()) << "appended after the rows kept";
    EXPECT_EQ(after.rows[3][1].toString(), QStringLiteral("7-7-7"));
    EXPECT_EQ(after.rows[3][6].toInt(), 1);

    EXPECT_EQ(gw(2).rows.size(), 1u) << "another analysis's rows stay";
    ASSERT_TRUE(replace(1, {}).ok());
    EXPECT_TRUE(gw(1).rows.empty());
    EXPECT_EQ(gw(2).rows.size(), 1u);
}

TEST_F(ConstituentRowsTest, ARewrittenRowHoldsWhatAnAppendedRowWould)
{
    addGw(1, "1-1-1", 1);
    addGw(1, QVariant(), 2);
    ASSERT_TRUE(replace(1, {row(QString(), 1), row(QStringLiteral("1-1-1"), 2), row(QString(), 3)}).ok());
    const QueryRows after = gw(1);
    ASSERT_EQ(after.rows.size(), 3u);
    EXPECT_EQ(after.rows[0][1], after.rows[2][1]) << "an empty CAS number, rewritten and appended";
    EXPECT_EQ(after.rows[1][1].toString(), QStringLiteral("1-1-1"));
}

TEST_F(ConstituentRowsTest, AValueThatIsNotFiniteIsNotStored)
{
    GWDelistingRow bad = row(QStringLiteral("1-1-1"), 1);
    bad.GWInhalation = std::numeric_limits<double>::infinity();
    std::vector<ConstituentRow> rows(1);
    rows[0].in.CHEMNAME = QStringLiteral("Benzene");
    rows[0].in.CHEMCAS = QStringLiteral("1-1-1");
    const Status s = replaceGWDelisting(db.conn(), 1, rows, std::vector<GWDelistingRow>{bad});
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().description.contains(QStringLiteral("GWInhalation")));
    EXPECT_TRUE(s.error().description.contains(QStringLiteral("Benzene (1-1-1)")));
}

TEST_F(ConstituentRowsTest, OnlyTheFieldsTheFormulasReadMustHoldNumbers)
{
    db.insert(
        QStringLiteral("SITECOCS"),
        {{"SITEKEY", 1}, {"CHEMCAS", "1-1-1"}, {"CHEMNAME", "One"}, {"TCLPCONC", 0.5}, {"TC", "n/a"}, {"SOL", "high"}});
    db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 2}, {"CHEMCAS", "2-2-2"}, {"CHEMNAME", "Two"}, {"HENRY", "x"}});

    const Result<std::vector<ConstituentRow>> one = readConstituentRows(db.conn(), 1);
    ASSERT_TRUE(one.ok());
    ASSERT_EQ(one->size(), 1u);
    EXPECT_EQ((*one)[0].in.TCLPCONC, 0.5);
    EXPECT_TRUE((*one)[0].in.ECOCHRONIsNull);

    const Result<std::vector<ConstituentRow>> two = readConstituentRows(db.conn(), 2);
    ASSERT_FALSE(two.ok());
    EXPECT_TRUE(two.error().description.contains(QStringLiteral("HENRY")));
    EXPECT_TRUE(two.error().description.contains(QStringLiteral("Two (2-2-2)")));
}

}   // namespace
