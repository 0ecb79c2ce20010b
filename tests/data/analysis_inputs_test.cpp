#include "data/analysis_inputs.h"

#include "core/temp_database.h"

#include <gtest/gtest.h>

namespace {

class AnalysisInputsTest : public ::testing::Test {
protected:
    void open(qint32 key)
    {
        db.state.gCurSiteKey = key;
        ASSERT_TRUE(openAnalysisRecordsets(db.state, key).ok());
    }

    QVariant stored(const QString& sql) { return db.conn().scalar(sql).value(); }

    static ConstituentRows constituents(const QStringList& names)
    {
        ConstituentRows rows{{QStringLiteral("CHEMCAS"), QStringLiteral("CHEMNAME"), QStringLiteral("TCLPCONC")}, {}};
        for (const QString& name : names)
            rows.rows.push_back({QStringLiteral("1-2-3"), name, 0.5});
        return rows;
    }

    TempDatabase db;
    ScopedProgramState scope{db.state};
};

const FieldValues kSite = {{QStringLiteral("SITEKEY"), 2}, {QStringLiteral("FILENAME"), QStringLiteral("Sludge")}};
const FieldValues kUnit = {{QStringLiteral("SITEKEY"), 2}, {QStringLiteral("WMUTYPE"), QStringLiteral("SI")}};

}   // namespace

TEST_F(AnalysisInputsTest, ASaveIsOneTransactionThatAFailingPartUndoesWhole)
{
    db.insertAnalysis(1, "One");
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "old"}});
    open(1);
    const QByteArray before = db.checksum();
    const FieldValues renamed = {{QStringLiteral("FILENAME"), QStringLiteral("Renamed")}};
    const ConstituentRows tooLong = constituents({QString(300, QLatin1Char('x'))});

    EXPECT_FALSE(saveAnalysisInputs(db.state, {.site = renamed, .unit = std::nullopt, .constituents = tooLong}).ok());
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(db.state.gRsSiteInfo.value("FILENAME").toString(), "One") << "read again as stored";
    EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 1);

    ASSERT_TRUE(saveAnalysisInputs(db.state, {.site = renamed, .constituents = constituents({"A", "B"})}).ok());
    EXPECT_EQ(stored("SELECT FILENAME FROM SITEINFO WHERE SITEKEY = 1").toString(), "Renamed");
    EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 2) << "the stored rows are read again";
}

TEST_F(AnalysisInputsTest, ANeverSavedAnalysisKeepsItsPendingRowsUntilASaveSucceeds)
{
    db.insertAnalysis(1, "Sludge");
    open(2);
    startPendingAnalysisRows(db.state);
    setPendingUnitType(db.state, "SI");
    ASSERT_EQ(db.state.gRsSiteInfo.editMode(), Recordset::EditMode::AddNew);

    // The name is taken: the save stores nothing and the rows wait again.
    EXPECT_FALSE(saveAnalysisInputs(db.state, {.site = kSite, .unit = kUnit}).ok());
    EXPECT_EQ(db.count("SITEINFO"), 1);
    EXPECT_EQ(db.count("WMUINFO"), 1);
    EXPECT_EQ(db.state.gRsSiteInfo.editMode(), Recordset::EditMode::AddNew);
    EXPECT_EQ(db.state.gRsWmuInfo.editMode(), Recordset::EditMode::AddNew);
    EXPECT_EQ(db.state.gRsWmuInfo.value("WMUTYPE"), "SI") << "the unit type shown stays pending";

    FieldValues site = kSite;
    site[1].second = QStringLiteral("Free");
    ASSERT_TRUE(saveAnalysisInputs(db.state, {.site = site, .unit = kUnit}).ok());
    EXPECT_EQ(stored("SELECT WMUTYPE FROM WMUINFO WHERE SITEKEY = 2").toString(), "SI");
    EXPECT_EQ(db.state.gRsSiteInfo.editMode(), Recordset::EditMode::None);
}

TEST_F(AnalysisInputsTest, ConstituentRowsAsStoredKeepTheDelistingResults)
{
    // A name beginning with U+FEFF is stored whole, so the same rows again are the stored ones.
    const QString a = QString(QChar(0xFEFF)) + QChar(0xFEFF) + "A";
    db.insertAnalysis(1, "One");
    ASSERT_TRUE(storeConstituentRows(db.conn(), 1, constituents({a})).ok());
    db.insert("GWDelisting", {{"SITEKEY", 1}, {"ChemCas", "1-2-3"}});

    ASSERT_TRUE(storeConstituentRows(db.conn(), 1, constituents({a})).ok());
    EXPECT_EQ(db.count("GWDelisting"), 1);
    ASSERT_TRUE(storeConstituentRows(db.conn(), 1, constituents({a, "B"})).ok());
    EXPECT_EQ(db.count("GWDelisting"), 0);
    EXPECT_EQ(stored("SELECT group_concat(CHEMNAME) FROM SITECOCS WHERE SITEKEY = 1").toString(), a + ",B");
}
