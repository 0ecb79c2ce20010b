#include "data/update_analyses.h"

#include "data/analysis_store.h"
#include "file_test_support.h"

#include "core/temp_database.h"

namespace {

class Update : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.insertAnalysis(1, "First", {{"PETID", "P1"}, {"STATE", "OH"}});
        db.insertAnalysis(3, "Third", {}, {{"WMUTYPE", "SI"}, {"FLOWRATE", 250.0}});
        db.insert("COCS", {{"CHEMNAME", "Benzene"},
                           {"CHEMCAS", "71-43-2"},
                           {"HENRY", 0.0055},
                           {"MCL", 0.005},
                           {"CARCNON", "Carcinogen"},
                           {"LOGKOW", 2.13}});
        db.insert("COCS", {{"CHEMNAME", "Benzene again"}, {"CHEMCAS", "71-43-2"}, {"HENRY", 99.0}});
        db.insert("COCS", {{"CHEMNAME", "Own"}, {"CHEMCAS", "ud-1"}, {"HENRY", 7.0}});
        db.insert("SITECOCS", {{"SITEKEY", 1},
                               {"CHEMCAS", "71-43-2"},
                               {"CHEMNAME", "benzene (mine)"},
                               {"TCLPCONC", 0.5},
                               {"DLTCLP", 1},
                               {"HENRY", 0.001},
                               {"MCL", 0.1},
                               {"BAF", 3.0},
                               {"CARCNON", "Noncarcinogen"},
                               {"LOGKOW", 1.0},
                               {"GWINGh", 9.0},
                               {"LMTPTHTO", "Fish"}});
        db.insert("SITECOCS",
                  {{"SITEKEY", 3}, {"CHEMCAS", "UD-1"}, {"CHEMNAME", "Mine"}, {"HENRY", 0.25}, {"LOGKOW", 4.0}});
    }

    QueryRows query(const QString& sql, const QVariantList& params = {})
    {
        return db.conn().select(sql, params).value();
    }

    TempDatabase db;
    ScopedProgramState scope{db.state};
};

}   // namespace

TEST_F(Update, CopiesEveryAnalysisWithCurrentProperties)
{
    FakePrompts ui;
    std::optional<std::vector<AnalysisTreeGroup>> tree = UpdateAnalyses(db.conn(), ui);
    ASSERT_TRUE(tree.has_value());
    EXPECT_TRUE(ui.shown.empty());

    QueryRows sites = query("SELECT SITEKEY, FILENAME, PETID, STATE FROM SITEINFO ORDER BY rowid");
    ASSERT_EQ(sites.rows.size(), 4u);
    EXPECT_EQ(sites.rows[2], (QVector<QVariant>{4, "First_U", "P1", "OH"}));
    EXPECT_EQ(sites.rows[3][0], 6);
    EXPECT_EQ(sites.rows[3][1], "Third_U");
    const QueryRows unit = query("SELECT SITEKEY, WMUTYPE, FLOWRATE FROM WMUINFO WHERE SITEKEY=6");
    ASSERT_FALSE(unit.rows.empty());
    EXPECT_EQ(unit.rows.front(), (QVector<QVariant>{6, "SI", 250.0}));

    QueryRows copy = query("SELECT CHEMNAME, TCLPCONC, DLTCLP, HENRY, MCL, BAF, CARCNON, LOGKOW, GWINGh, LMTPTHTO "
                           "FROM SITECOCS WHERE SITEKEY=4");
    ASSERT_EQ(copy.rows.size(), 1u);
    EXPECT_EQ(copy.rows[0], (QVector<QVariant>{"benzene (mine)", 0.5, 1, 0.0055, 0.005, QVariant(), "Carcinogen", 2.13,
                                               9.0, "Fish"}));
    const QueryRows first = query("SELECT HENRY, LOGKOW FROM SITECOCS WHERE SITEKEY=1");
    const QueryRows third = query("SELECT CHEMNAME, HENRY, LOGKOW FROM SITECOCS WHERE SITEKEY=6");
    ASSERT_FALSE(first.rows.empty());
    ASSERT_FALSE(third.rows.empty());
    EXPECT_EQ(first.rows.front(), (QVector<QVariant>{0.001, 1.0}));
    EXPECT_EQ(third.rows.front(), (QVector<QVariant>{"Mine", 0.25, 4.0}));

    ASSERT_EQ(tree->size(), 4u);
    EXPECT_EQ((*tree)[0][0].key, "KEY1");
    EXPECT_EQ((*tree)[2][0].key, "KEY4");
    EXPECT_EQ((*tree)[2][0].text, "First_U");
    EXPECT_EQ((*tree)[2][1].text, "Petition ID: P1");
    EXPECT_EQ((*tree)[3][0].key, "KEY6");
}

TEST_F(Update, SecondRunMeetsItsOwnNamesAndRollsBack)
{
    FakePrompts first;
    ASSERT_TRUE(UpdateAnalyses(db.conn(), first).has_value());
    const QByteArray before = db.checksum();

    FakePrompts second;
    EXPECT_FALSE(UpdateAnalyses(db.conn(), second).has_value());
    ASSERT_EQ(second.shown.size(), 1u);
    EXPECT_EQ(second.shown[0].title, "Update Error");
    EXPECT_EQ(second.shown[0].style, prompt::Critical);
    EXPECT_TRUE(
        second.shown[0].text.startsWith("The program experienced an error while trying to update the database.\r\n"));
    EXPECT_GT(second.shown[0].text.size(), 75);
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(db.count("SITEINFO"), 4);
}

TEST(UpdateEmpty, NothingToCopy)
{
    TempDatabase db;
    ScopedProgramState scope(db.state);
    FakePrompts ui;
    std::optional<std::vector<AnalysisTreeGroup>> tree = UpdateAnalyses(db.conn(), ui);
    ASSERT_TRUE(tree.has_value());
    EXPECT_TRUE(tree->empty());
    EXPECT_EQ(db.count("SITEINFO"), 0);
}

TEST_F(Update, KeysThatWouldOverflowFailBeforeAnythingIsStored)
{
    db.insertAnalysis(2000000000, "Huge");
    const QByteArray before = db.checksum();
    FakePrompts ui;
    EXPECT_FALSE(UpdateAnalyses(db.conn(), ui).has_value());
    EXPECT_EQ(ui.titles(), QStringList{"Update Error"});
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(Update, NothingWhileAnAnalysisIsOpen)
{
    db.state.gCurSiteKey = 1;
    FakePrompts ui;
    EXPECT_FALSE(UpdateAnalyses(db.conn(), ui).has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(db.count("SITEINFO"), 2);
}

// Copy and Update Analyses repeat the source's GWDelisting rows, in order, under the copy's key.
TEST(GroundwaterCopies, CopyAndUpdateAnalysesCarryTheSourcesGWDelistingRows)
{
    for (const bool update : {false, true}) {
        TempDatabase db;
        ScopedProgramState scope(db.state);
        db.insertAnalysis(3, "Source");
        db.insertAnalysis(5, "Other");
        db.insert("GWDelisting", {{"SITEKEY", 3}, {"ChemCas", "B"}, {"GWDL", 0.5}, {"GWLimitingPathway", "MCL"}});
        db.insert("GWDelisting", {{"SITEKEY", 5}, {"ChemCas", "C"}, {"GWDL", 9.0}});
        db.insert("GWDelisting", {{"SITEKEY", 3}, {"ChemCas", "A"}, {"DAF_SF", 1.5}, {"GWIngetion", 0.25}});
        FakePrompts ui;
        ASSERT_TRUE(update ? UpdateAnalyses(db.conn(), ui).has_value() : copyAnalysis(db.conn(), 3).ok());
        const QString rows = "SELECT * FROM GWDelisting WHERE SITEKEY = (SELECT SITEKEY FROM SITEINFO WHERE "
                             "FILENAME = ?) ORDER BY rowid";
        const QueryRows source = db.conn().select(rows, {"Source"}).value();
        const QueryRows copy = db.conn().select(rows, {update ? "Source_U" : "Copy of Source"}).value();
        ASSERT_EQ(copy.rows.size(), 2u);
        for (size_t r = 0; r < 2; ++r)
            EXPECT_EQ(copy.rows[r].mid(0, 10), source.rows[r].mid(0, 10)) << "all but the key";
    }
}
