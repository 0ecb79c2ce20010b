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
    FakePrompts ui;
    const std::function<void(TempDatabase&)> inCopyA[] = {
        [](TempDatabase& a) {
            OtherCopy c(a.path());
            c.startNew();
            ASSERT_TRUE(saveAnalysisInputs(c.state, {.site = FieldValues{{"SITEKEY", 0}, {"FILENAME", "Here"}}}).ok());
        },
        [](TempDatabase& a) { ASSERT_TRUE(copyAnalysis(a.conn(), 1).ok()); },
        [](TempDatabase& a) { ASSERT_TRUE(storeNewAnalysis(a.conn(), AnalysisRows{}).ok()); },
        [&ui](TempDatabase& a) { ASSERT_TRUE(UpdateAnalyses(a.conn(), ui).has_value()); }, [](TempDatabase&) {}};
    for (const auto& act : inCopyA) {
        const bool nameTaken = &act == std::end(inCopyA) - 1;
        TempDatabase a;
        ScopedProgramState scope(a.state);
        a.insertAnalysis(1, "One");
        OtherCopy b(a.path());
        b.startNew();
        act(a);
        const QString names = "SELECT group_concat(SITEKEY || FILENAME) FROM SITEINFO WHERE SITEKEY < ?";
        const qint64 freeKey = largestSiteKey(a.conn()).value() + 1;
        const QVariant before = a.conn().scalar(names, {freeKey}).value();
        // Its constituents first, stored and then saved empty: nothing of it is stored then.
        ASSERT_TRUE(saveAnalysisInputs(b.state, {.constituents = ConstituentRows{{"CHEMNAME"}, {{"A"}}}}).ok());
        ASSERT_TRUE(saveAnalysisInputs(b.state, {.constituents = ConstituentRows{{"CHEMNAME"}, {}}}).ok());
        EXPECT_TRUE(b.state.provisionalKey);
        const Status saved = saveAnalysisInputs(
            b.state, {.site = FieldValues{{"SITEKEY", 0}, {"FILENAME", nameTaken ? "ONE" : "Sludge"}}, .unit = kUnit});
        EXPECT_EQ(saved.ok() ? 0 : saved.error().number, nameTaken ? kErrNameTaken : 0);
        EXPECT_EQ(a.conn().scalar(names, {freeKey}).value(), before);
        EXPECT_EQ(b.state.provisionalKey, nameTaken);
        EXPECT_EQ(b.state.gRsSiteInfo.editMode(), nameTaken ? Recordset::EditMode::AddNew : Recordset::EditMode::None);
        const QString stored =
            "SELECT FILENAME || WMUTYPE FROM SITEINFO JOIN WMUINFO USING (SITEKEY) WHERE SITEKEY = ?";
        EXPECT_EQ(a.conn().scalar(stored, {b.state.gCurSiteKey}).value(), nameTaken ? QVariant() : "SludgeSI");
    }
}

TEST(TwoCopies, AWriteOverRowsThatAnotherCopyChangedOrDeletedStoresNothing)
{
    const QStringList deleteAlpha = {"DELETE FROM SITEINFO WHERE SITEKEY = 2", "DELETE FROM WMUINFO WHERE SITEKEY = 2",
                                     "DELETE FROM SITECOCS WHERE SITEKEY = 2"};
    const QStringList renameAlpha = {"UPDATE SITEINFO SET FILENAME = 'Beta', CITY = 'There' WHERE SITEKEY = 2"};
    // The key and the site row's rowid given again to a new analysis.
    const QStringList replaceAlpha = deleteAlpha + QStringList{"INSERT INTO SITEINFO (SITEKEY) VALUES (2)"};
    const FieldValues unit = {{"SITEKEY", 2}, {"WMUTYPE", "SI"}, {"WASTEVOL", 5.0}};
    using Write = std::function<Status(ProgramState&)>;
    const Write site = [](ProgramState& s) {
        return saveAnalysisInputs(s, {.site = FieldValues{{"SITEKEY", 2}, {"FILENAME", "Alpha"}, {"PETID", "P-9"}}});
    };
    const Write cocs = [](ProgramState& s) {
        return saveAnalysisInputs(s, {.constituents = ConstituentRows{{"CHEMNAME", "TCLPCONC"}, {{"B", 0.5}}}});
    };
    const Write copy = [](ProgramState& s) {
        Result<CopiedAnalysis> c = copyAnalysis(*s.gConn, 2, [&s] { return checkRowsRead(s, {true, true}); });
        return c ? Status{} : Status{c.error()};
    };
    const Write remove = [](ProgramState& s) { return deleteAnalysis(*s.gConn, 2, "Alpha"); };
    const struct {
        QStringList inOtherCopy;
        Write mine;
        int error;
    } cases[] = {
        {renameAlpha, site, kErrRowChanged},
        {renameAlpha, cocs, kErrRowChanged},
        {renameAlpha, copy, kErrRowChanged},
        {renameAlpha, remove, kErrRowChanged},
        {{"UPDATE SITEINFO SET CITY = 'HERE' WHERE SITEKEY = 2"}, site, kErrRowChanged},
        {{"UPDATE WMUINFO SET WASTEVOL = 7 WHERE SITEKEY = 2"},
         [&unit](ProgramState& s) { return saveAnalysisInputs(s, {.unit = unit}); },
         kErrRowChanged},
        {{"UPDATE SITECOCS SET TCLPCONC = 9 WHERE SITEKEY = 2"}, cocs, kErrRowChanged},
        {deleteAlpha, site, kErrRowGone},
        {deleteAlpha, cocs, kErrRowGone},
        {deleteAlpha, remove, kErrRowGone},
        {replaceAlpha, site, kErrRowChanged},
        {replaceAlpha, cocs, kErrRowChanged},
        {{"UPDATE SITEINFO SET CITY = 'There' WHERE SITEKEY = 1"},
         [&unit](ProgramState& s) { return saveAnalysisInputs(s, {.unit = unit, .constituents = ConstituentRows{}}); },
         0},
    };
    for (const auto& c : cases) {
        TempDatabase db;
        db.insertAnalysis(1, "One");
        db.insertAnalysis(2, "Alpha", {{"CITY", "Here"}});
        db.insert("SITECOCS", {{"SITEKEY", 2}, {"CHEMNAME", "A"}, {"TCLPCONC", 0.5}});
        ASSERT_TRUE(openAnalysisRecordsets(db.state, 2).ok());
        db.state.gCurSiteKey = 2;
        OtherCopy other(db.path());
        for (const QString& sql : c.inOtherCopy)
            ASSERT_TRUE(other.state.gConn->exec(sql).ok()) << qPrintable(sql);
        const QByteArray before = db.checksum();
        const Status saved = c.mine(db.state);
        EXPECT_EQ(saved.ok() ? 0 : saved.error().number, c.error) << qPrintable(c.inOtherCopy.join("; "));
        if (c.error) {
            EXPECT_EQ(db.checksum(), before) << "nothing written";
            EXPECT_EQ(db.state.gRsSiteInfo.value("FILENAME"), "Alpha") << "the rows this copy read";
            EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 1);
        }
    }
}
