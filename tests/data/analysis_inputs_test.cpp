#include "data/analysis_inputs.h"

#include "core/temp_database.h"
#include "data/analysis_rows.h"
#include "data/analysis_store.h"
#include "data/update_analyses.h"
#include "file_test_support.h"

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

// Another copy of the program: a program state with its own connection to the file.
struct OtherCopy {
    explicit OtherCopy(const QString& path) { state.gConn = std::move(Connection::open(path).value()); }
    // New Analysis: a provisional key and the pending rows.
    void startNew()
    {
        ASSERT_TRUE(openNewAnalysis(state).ok());
        startPendingAnalysisRows(state);
    }
    ProgramState state;
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

TEST(TwoCopies, ANewAnalysisTakesItsKeyWhenItsFirstRowsAreStored)
{
    // While copy B's new analysis waits unsaved, copy A stores analyses of its own; B's save then
    // takes a key that no stored row has, and only a taken name refuses it.
    const auto storeNew = [](TempDatabase& a) {
        OtherCopy c(a.path());
        c.startNew();
        ASSERT_TRUE(
            saveAnalysisInputs(c.state, {.site = FieldValues{{"SITEKEY", 0}, {"FILENAME", "Stored here"}}}).ok());
    };
    const auto import = [](TempDatabase& a) {
        AnalysisRows rows;
        rows.site[columnOf(siteInfoTable(), "FILENAME")] = QStringLiteral("Imported");
        ASSERT_TRUE(storeNewAnalysis(a.conn(), rows).ok());
    };
    const auto update = [](TempDatabase& a) {
        FakePrompts ui;
        ASSERT_TRUE(UpdateAnalyses(a.conn(), ui).has_value());
    };
    const auto copy = [](TempDatabase& a) { ASSERT_TRUE(copyAnalysis(a.conn(), 1).ok()); };
    const struct {
        std::function<void(TempDatabase&)> inCopyA;
        QString name;
        int error;
    } cases[] = {{storeNew, "Sludge", 0},
                 {copy, "Sludge", 0},
                 {import, "Sludge", 0},
                 {update, "Sludge", 0},
                 {[](TempDatabase&) {}, "ONE", kErrNameTaken}};
    for (const auto& c : cases) {
        TempDatabase a;
        ScopedProgramState scope(a.state);
        a.insertAnalysis(1, "One");
        OtherCopy b(a.path());
        b.startNew();
        c.inCopyA(a);
        const QString namesSql = QStringLiteral("SELECT group_concat(SITEKEY || FILENAME) FROM SITEINFO");
        const QVariant before = a.conn().scalar(namesSql).value();
        const qint64 freeKey = largestSiteKey(a.conn()).value() + 1;
        const Status saved =
            saveAnalysisInputs(b.state, {.site = FieldValues{{"SITEKEY", 0}, {"FILENAME", c.name}}, .unit = kUnit});
        EXPECT_EQ(saved.ok() ? 0 : saved.error().number, c.error) << qPrintable(c.name);
        EXPECT_EQ(a.conn().scalar(namesSql + " WHERE SITEKEY < ?", {freeKey}).value(), before);
        if (c.error) {
            EXPECT_TRUE(b.state.provisionalKey);
            EXPECT_EQ(b.state.gRsSiteInfo.editMode(), Recordset::EditMode::AddNew) << "the rows wait again";
            continue;
        }
        EXPECT_EQ(b.state.gCurSiteKey, freeKey);
        EXPECT_EQ(a.conn().scalar("SELECT FILENAME FROM SITEINFO WHERE SITEKEY = ?", {freeKey}).value(), "Sludge");
        EXPECT_EQ(a.conn().scalar("SELECT WMUTYPE FROM WMUINFO WHERE SITEKEY = ?", {freeKey}).value(), "SI");
    }
}

TEST(TwoCopies, AWriteOverRowsThatAnotherCopyChangedOrDeletedStoresNothing)
{
    const QStringList deleteAlpha = {"DELETE FROM SITEINFO WHERE SITEKEY = 2", "DELETE FROM WMUINFO WHERE SITEKEY = 2",
                                     "DELETE FROM SITECOCS WHERE SITEKEY = 2"};
    const FieldValues petition = {{"SITEKEY", 2}, {"FILENAME", "Alpha"}, {"PETID", "P-9"}, {"CITY", "Here"}};
    const FieldValues unit = {{"SITEKEY", 2}, {"WMUTYPE", "SI"}, {"WASTEVOL", 5.0}};
    const ConstituentRows rows{{"CHEMNAME", "TCLPCONC"}, {{"B", 0.5}}};
    const struct {
        QStringList inOtherCopy;
        AnalysisInputs mine;
        int error;
    } cases[] = {
        {{"UPDATE SITEINFO SET FILENAME = 'Beta', CITY = 'There' WHERE SITEKEY = 2"},
         {.site = petition},
         kErrRowChanged},
        {{"UPDATE SITEINFO SET CITY = 'HERE' WHERE SITEKEY = 2"}, {.site = petition}, kErrRowChanged},
        {{"UPDATE WMUINFO SET WASTEVOL = 7 WHERE SITEKEY = 2"}, {.unit = unit}, kErrRowChanged},
        {{"UPDATE SITECOCS SET TCLPCONC = 9 WHERE SITEKEY = 2"}, {.constituents = rows}, kErrRowChanged},
        {deleteAlpha, {.site = petition}, kErrRowGone},
        {deleteAlpha, {.constituents = rows}, kErrRowGone},
        // The key and the site row's rowid given again to a new analysis.
        {deleteAlpha + QStringList{"INSERT INTO SITEINFO (SITEKEY, FILENAME) VALUES (2, 'Newcomer')"},
         {.site = petition},
         kErrRowChanged},
        {{"UPDATE SITEINFO SET CITY = 'There' WHERE SITEKEY = 1"}, {.site = petition, .unit = unit}, 0},
    };
    for (const auto& c : cases) {
        TempDatabase db;
        db.insertAnalysis(1, "One");
        db.insertAnalysis(2, "Alpha", {{"CITY", "Here"}});
        db.insert("SITECOCS", {{"SITEKEY", 2}, {"CHEMNAME", "A"}, {"TCLPCONC", 0.5}});
        db.state.gCurSiteKey = 2;
        ASSERT_TRUE(openAnalysisRecordsets(db.state, 2).ok());
        OtherCopy other(db.path());
        for (const QString& sql : c.inOtherCopy)
            ASSERT_TRUE(other.state.gConn->exec(sql).ok()) << qPrintable(sql);
        const QByteArray before = db.checksum();
        const Status saved = saveAnalysisInputs(db.state, c.mine);
        EXPECT_EQ(saved.ok() ? 0 : saved.error().number, c.error) << qPrintable(c.inOtherCopy.join("; "));
        if (c.error) {
            EXPECT_EQ(db.checksum(), before) << "nothing written";
            EXPECT_EQ(db.state.gRsSiteInfo.value("FILENAME"), "Alpha") << "the rows this copy read";
            EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 1);
        }
    }
}
