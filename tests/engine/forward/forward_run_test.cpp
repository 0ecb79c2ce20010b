#include "engine/forward/forward_run.h"

#include "../relative_near.h"
#include "data/analysis_inputs.h"
#include "data/analysis_store.h"
#include "forward_fixture.h"

#include <QElapsedTimer>

// Stored results are compared with what the pathway functions return for the same inputs,
// exactly; progress values exactly as single-precision numbers.

namespace {

// Records what the run shows, and whether a transaction was open at any moment it showed a
// window or a message (the pointer and the progress bar may change inside the run's transaction).
class Recorder : public RunObserver {
public:
    explicit Recorder(Connection* conn = nullptr) : m_conn(conn) {}

    void disclosureGate() override { record(QStringLiteral("disclosure")); }
    void runStarts() override { events << QStringLiteral("starts"); }
    void progress(float value) override
    {
        events << QStringLiteral("progress");
        progressValues.push_back(value);
    }
    void message(const QString& text, int style, const QString& title) override
    {
        record(QStringLiteral("message %1 %2: %3").arg(title).arg(style).arg(text));
    }
    void showResults() override { record(QStringLiteral("results")); }
    void runEnds() override { record(QStringLiteral("ends")); }
    void failure(const Error& error, const QString& title) override
    {
        record(QStringLiteral("failure %1").arg(title));
        failureText = error.description;
    }

    bool transactionSeen = false;
    QStringList events;
    std::vector<float> progressValues;
    QString failureText;

private:
    void record(const QString& event)
    {
        events << event;
        transactionSeen = transactionSeen || (m_conn && m_conn->inTransaction());
    }
    Connection* m_conn;
};

QVariantMap siteCocsRow(qint32 key, const ConstituentInputs& in)
{
    QVariantMap row = {{"SITEKEY", key},        {"CHEMCAS", in.CHEMCAS},   {"CHEMNAME", in.CHEMNAME},
                       {"CARCNON", in.CARCNON}, {"TCLPCONC", in.TCLPCONC}, {"TOTCONC", in.TOTCONC}};
    const std::pair<const char*, double> numbers[] = {
        {"MCL", in.MCL},     {"CSFO", in.CSFO},   {"CSFI", in.CSFI},       {"ORDO", in.ORDO},        {"ORDI", in.ORDI},
        {"HENRY", in.HENRY}, {"DIFFW", in.DIFFW}, {"DIFFA", in.DIFFA},     {"TSTAR", in.TSTAR},      {"K", in.K},
        {"TAU", in.TAU},     {"B", in.B},         {"ORGANIC", in.ORGANIC}, {"ECOCHRON", in.ECOCHRON}};
    for (const auto& [name, value] : numbers)
        row.insert(QString::fromLatin1(name), value);
    return row;
}

const QString kSelectCount = QStringLiteral("Please select at least one COC before running the program.");

class ForwardRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.insert(QStringLiteral("CONSTNTS"), testConstantsRow());
        db.insertAnalysis(1, QStringLiteral("Landfill"));
        db.insertAnalysis(2, QStringLiteral("Other"));
        db.state.gCurSiteKey = 1;
    }

    void add(const ConstituentInputs& in, qint32 key = 1)
    {
        db.insert(QStringLiteral("SITECOCS"), siteCocsRow(key, in));
    }
    void addStandardSet()
    {
        add(testOrganic(QStringLiteral("71-43-2")));
        add(testInorganic(QStringLiteral("7440-39-3")));
        ConstituentInputs lead = testInorganic(QStringLiteral("7439-92-1"));
        lead.CHEMNAME = QStringLiteral("Lead");
        add(lead);
        for (const char* cas : {"71-43-2", "7440-39-3", "7439-92-1"}) {
            addDafRow(db, QString::fromLatin1(cas), 0.1, 10);
            addDafRow(db, QString::fromLatin1(cas), 10, 30);
        }
    }
    void setUnit(const char* field, const QVariant& value)
    {
        db.conn()
            .exec(QStringLiteral("UPDATE WMUINFO SET %1 = ? WHERE SITEKEY = 1").arg(QString::fromLatin1(field)),
                  {value})
            .value();
    }
    void setCocs(const QString& assignment, const QVariantList& params = {})
    {
        db.conn().exec(QStringLiteral("UPDATE SITECOCS SET %1").arg(assignment), params).value();
    }
    RunOutcome run()
    {
        recorder = Recorder(&db.conn());
        const RunOutcome outcome = RunRiskAnalysis(db.state, session, recorder);
        EXPECT_FALSE(recorder.transactionSeen) << "no transaction is open while the run shows a window or message";
        EXPECT_FALSE(db.conn().inTransaction());
        return outcome;
    }
    QueryRows select(const QString& sql) { return db.conn().select(sql).value(); }
    QueryRows results(qint32 key = 1)
    {
        return db.conn()
            .select(QStringLiteral("SELECT %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid")
                        .arg(forwardResultFields().join(u',')),
                    {key})
            .value();
    }
    // A stored run beside another analysis's GWDelisting row, then constants that change every
    // result of the next run.
    void storeARunThenChangeTheConstants()
    {
        addStandardSet();
        db.insert(QStringLiteral("GWDelisting"), {{"ChemCas", "71-43-2"}, {"SITEKEY", 2}});
        ASSERT_EQ(run(), RunOutcome::Completed);
        before = results();
        gwBefore = gwDelisting();
        db.conn().exec(QStringLiteral("UPDATE CONSTNTS SET BWADULT = 80")).value();
    }
    QueryRows gwDelisting() { return select(QStringLiteral("SELECT rowid, * FROM GWDelisting ORDER BY rowid")); }
    qint64 gwRows(qint32 key)
    {
        return select(QStringLiteral("SELECT count(*) FROM GWDelisting WHERE SITEKEY = %1").arg(key))
            .rows[0][0]
            .toLongLong();
    }
    QString refusal(const QString& text, int style = 48)
    {
        return QStringLiteral("message Insufficient Data %1: %2").arg(style).arg(text);
    }

    TempDatabase db;
    ForwardRunSession session;
    Recorder recorder;
    QueryRows before;   // the results and GWDelisting rows of the stored run
    QueryRows gwBefore;
};

TEST_F(ForwardRunTest, NoAnalysisOpenEndsSilently)
{
    db.state.gCurSiteKey = 0;
    db.insert(QStringLiteral("GWDelisting"), {{"ChemCas", "1-1-1"}, {"SITEKEY", 2}});
    EXPECT_EQ(run(), RunOutcome::NotRun);
    EXPECT_EQ(recorder.events, QStringList{QStringLiteral("disclosure")});
    EXPECT_EQ(gwRows(2), 1);
    EXPECT_TRUE(db.state.gRsGwDelisting->isOpen());
}

TEST_F(ForwardRunTest, AnAnalysisWithoutConstituentsIsRefusedAndKeepsItsGWDelistingRows)
{
    db.insert(QStringLiteral("GWDelisting"), {{"ChemCas", "1-1-1"}, {"SITEKEY", 1}});
    db.insert(QStringLiteral("GWDelisting"), {{"ChemCas", "1-1-1"}, {"SITEKEY", 2}});
    EXPECT_EQ(run(), RunOutcome::Refused);
    EXPECT_EQ(recorder.events, (QStringList{QStringLiteral("disclosure"), refusal(kSelectCount, 64)}));
    EXPECT_EQ(gwRows(1), 1);
    EXPECT_EQ(gwRows(2), 1);
}

TEST_F(ForwardRunTest, TheUnitRowIsCheckedInOrder)
{
    addStandardSet();
    const QString volume = QStringLiteral("There is a zero value for the waste volume.");
    const QString life = QStringLiteral("There is a zero value for the active life.");
    const QString hq = QStringLiteral(
        "There is a zero value for the HQ Factor.  Please use the dropdown list to choose an HQ Factor.");
    const QString risk = QStringLiteral(
        "There is a zero value for the Risk Factor.  Please use the dropdown list to choose an Risk Factor.");
    const struct {
        std::vector<std::pair<const char*, QVariant>> changes;
        QString text;
    } cases[] = {
        {{{"WASTEVOL", 0}, {"ACTVLIFE", 0}}, volume},
        {{{"WASTEVOL", QVariant()}}, volume},
        {{{"WVOLUNIT", 3}}, volume},
        {{{"WVOLUNIT", QVariant()}}, volume},
        {{{"ACTVLIFE", QVariant()}}, life},
        {{{"HQFACT", -1}}, hq},
        {{{"HQFACT", QVariant()}}, hq},
        {{{"RISKFACT", 0}}, risk},
        // Too small for single precision, as the run holds it: zero.
        {{{"RISKFACT", 1e-300}}, risk},
        {{{"WASTEVOL", 1e-50}}, volume},
    };
    for (const auto& c : cases) {
        db.conn().exec(QStringLiteral("DELETE FROM WMUINFO")).value();
        db.insert(QStringLiteral("WMUINFO"), {{"SITEKEY", 1},
                                              {"WMUTYPE", "LF"},
                                              {"WASTEVOL", 1000.0},
                                              {"WVOLUNIT", 0},
                                              {"ACTVLIFE", 10.0},
                                              {"RISKFACT", 1e-5},
                                              {"HQFACT", 1.0}});
        for (const auto& [field, value] : c.changes)
            setUnit(field, value);
        EXPECT_EQ(run(), RunOutcome::Refused);
        EXPECT_EQ(recorder.events, (QStringList{QStringLiteral("disclosure"), QStringLiteral("starts"), refusal(c.text),
                                                QStringLiteral("ends")}))
            << qPrintable(c.text);
    }
}

TEST_F(ForwardRunTest, ConcentrationChecksByUnitType)
{
    ConstituentInputs first = testOrganic(QStringLiteral("71-43-2"));
    ConstituentInputs second = testInorganic(QStringLiteral("7440-39-3"));
    second.TCLPCONC = 0;
    second.TOTCONC = 0;
    add(first);
    add(second);
    const QString tail = QStringLiteral(".  Please enter a concentration and then try re-running the program.");
    const QString tclp = QStringLiteral("There is a zero value for the TCLP concentration of Barium") + tail;
    const QString total = QStringLiteral("There is a zero value for the Total concentration of Barium") + tail;

    EXPECT_EQ(run(), RunOutcome::Refused);
    EXPECT_EQ(recorder.events, (QStringList{QStringLiteral("disclosure"), QStringLiteral("starts"),
                                            QStringLiteral("progress"), refusal(tclp), QStringLiteral("ends")}));
    EXPECT_EQ(recorder.progressValues, std::vector<float>{float(1 / 6.0 * 100.0)});

    setCocs(QStringLiteral("TCLPCONC = 1, TOTCONC = NULL WHERE CHEMCAS = '7440-39-3'"));
    run();
    ASSERT_GT(recorder.events.size(), 3);
    EXPECT_EQ(recorder.events[3], refusal(total));

    setUnit("WMUTYPE", QStringLiteral("SI"));
    EXPECT_EQ(run(), RunOutcome::Completed) << "an impoundment needs no total concentration";
    setCocs(QStringLiteral("TCLPCONC = 0 WHERE CHEMCAS = '7440-39-3'"));
    run();
    ASSERT_GT(recorder.events.size(), 3);
    EXPECT_EQ(recorder.events[3], refusal(tclp));

    // Any unit type other than "SI" is a landfill here.
    setCocs(QStringLiteral("TCLPCONC = 1"));
    setUnit("WMUTYPE", QStringLiteral("si"));
    run();
    ASSERT_GT(recorder.events.size(), 3);
    EXPECT_EQ(recorder.events[3], refusal(total));
}

TEST_F(ForwardRunTest, ProgressReachesOneThird)
{
    addStandardSet();
    EXPECT_EQ(run(), RunOutcome::Completed);
    EXPECT_EQ(recorder.progressValues,
              (std::vector<float>{float(1 / 9.0 * 100.0), float(2 / 9.0 * 100.0), float(3 / 9.0 * 100.0)}));
    ASSERT_FALSE(recorder.progressValues.empty());
    EXPECT_TRUE(RelNear(recorder.progressValues.back(), 33.333333, 1e-7));
    EXPECT_EQ(recorder.events,
              (QStringList{QStringLiteral("disclosure"), QStringLiteral("starts"), QStringLiteral("progress"),
                           QStringLiteral("progress"), QStringLiteral("progress"), QStringLiteral("results"),
                           QStringLiteral("ends")}));
}

TEST_F(ForwardRunTest, MercuryPairing)
{
    ConstituentInputs total = testInorganic(QStringLiteral("7439-97-6"));
    total.CHEMNAME = QStringLiteral("Mercury");
    total.TCLPCONC = 0.2;
    total.TOTCONC = 1;
    ConstituentInputs fish = total;
    fish.CHEMCAS = QStringLiteral("22967-92-6");
    add(testOrganic());
    add(total);

    EXPECT_EQ(run(), RunOutcome::Refused);
    EXPECT_EQ(recorder.progressValues.size(), 2u) << "after every row passed its checks";
    ASSERT_GT(recorder.events.size(), 4);
    EXPECT_EQ(recorder.events[4], refusal(QStringLiteral("Please add Mercury (Fish Pathway Only)")));

    setCocs(QStringLiteral("CHEMCAS = '22967-92-6' WHERE CHEMCAS = '7439-97-6'"));
    run();
    ASSERT_GT(recorder.events.size(), 4);
    EXPECT_EQ(recorder.events[4], refusal(QStringLiteral("Please add Mercury (Total).")));

    fish.TOTCONC = 2;
    add(total);
    db.conn().exec(QStringLiteral("DELETE FROM SITECOCS WHERE CHEMCAS = '22967-92-6'")).value();
    add(fish);
    run();
    ASSERT_GT(recorder.events.size(), 5);
    EXPECT_EQ(recorder.events[5],
              refusal(QStringLiteral("At this time, please enter the same concentrations for the fish ingestion "
                                     "pathway found under Mercury (Fish Pathways Only)."),
                      0));

    setCocs(QStringLiteral("TOTCONC = 1 WHERE CHEMCAS = '22967-92-6'"));
    EXPECT_EQ(run(), RunOutcome::Completed);
}

TEST_F(ForwardRunTest, ARunStoresEveryRowAndItsGWDelistingRow)
{
    addStandardSet();
    db.insert(QStringLiteral("GWDelisting"), {{"ChemCas", "71-43-2"}, {"SITEKEY", 1}, {"GWDL", 99.0}});
    db.insert(QStringLiteral("GWDelisting"), {{"ChemCas", "71-43-2"}, {"SITEKEY", 2}, {"GWDL", 98.0}});
    ASSERT_EQ(run(), RunOutcome::Completed);

    const QueryRows stored = results();
    ASSERT_EQ(stored.rows.size(), 3u);
    const int gwingsh = stored.columnIndex(QStringLiteral("GWINGsh"));
    const int lmt = stored.columnIndex(QStringLiteral("LMTPTHTO"));
    for (const auto& r : stored.rows) {
        EXPECT_GT(r[gwingsh].toDouble(), 0);
        EXPECT_TRUE(QStringList({"Surface Water Ingestion", "Fish Ingestion", "Air Volatile Inhalation",
                                 "Air Particulate Inhalation", "Soil Ingestion"})
                        .contains(r[lmt].toString()))
            << qPrintable(r[lmt].toString());
    }
    // The lead row holds lead's fixed well concentration.
    EXPECT_EQ(stored.rows[2][stored.columnIndex(QStringLiteral("GWMaxINGsr"))].toDouble(), 0.015);

    const QueryRows gw = select(QStringLiteral("SELECT ChemCas, SITEKEY, GWMaxAConcen, DAF_SF, GWLimitingPathway "
                                               "FROM GWDelisting WHERE SITEKEY = 1 ORDER BY rowid"));
    ASSERT_EQ(gw.rows.size(), 3u);
    EXPECT_EQ(gw.rows[0][0].toString(), QStringLiteral("71-43-2"));
    EXPECT_EQ(gw.rows[1][0].toString(), QStringLiteral("7440-39-3"));
    EXPECT_EQ(gw.rows[2][0].toString(), QStringLiteral("7439-92-1"));
    EXPECT_EQ(gw.rows[0][3].toDouble(), double(dafScaleFactor(10000, QStringLiteral("LF"))));
    EXPECT_EQ(gwRows(2), 1) << "another analysis's rows stay";
    EXPECT_EQ(db.state.gRsGwDelisting->recordCount(), 3);

    EXPECT_EQ(session.context.gWasteVolYd3, 10000.0f);
    EXPECT_EQ(session.context.gWmuType, QStringLiteral("LF"));
}

TEST_F(ForwardRunTest, EarlierResultsDoNotSurviveARun)
{
    ConstituentInputs in = testInorganic();
    add(in);
    addDafRow(db, in.CHEMCAS, 1, 10);
    setUnit("WMUTYPE", QStringLiteral("SI"));
    setCocs(QStringLiteral("AMBCONC = 7, LMTTOTAL = 9, GWINGh = 3, LMTPTHTO = 'Fish Ingestion'"));
    ASSERT_EQ(run(), RunOutcome::Completed);
    const QueryRows r = results();
    ASSERT_FALSE(r.rows.empty());
    EXPECT_FALSE(r.rows[0][r.columnIndex(QStringLiteral("AMBCONC"))].isValid());
    EXPECT_FALSE(r.rows[0][r.columnIndex(QStringLiteral("LMTTOTAL"))].isValid());
    EXPECT_EQ(r.rows[0][r.columnIndex(QStringLiteral("LMTPTHTO"))].toString(), QStringLiteral("Not Applicable"));
    EXPECT_NE(r.rows[0][r.columnIndex(QStringLiteral("GWINGh"))].toDouble(), 3.0);
}

// Each check refuses a run whose new constants would change every result.
TEST_F(ForwardRunTest, ARunStoppedByACheckLeavesTheResultsAndGWDelistingRowsAsTheyWere)
{
    storeARunThenChangeTheConstants();
    const struct {
        const char* change;
        const char* undo;
    } cases[] = {
        {"UPDATE WMUINFO SET ACTVLIFE = -ACTVLIFE", "UPDATE WMUINFO SET ACTVLIFE = -ACTVLIFE"},
        {"UPDATE SITECOCS SET TCLPCONC = -TCLPCONC WHERE CHEMCAS = '7439-92-1'",
         "UPDATE SITECOCS SET TCLPCONC = -TCLPCONC WHERE CHEMCAS = '7439-92-1'"},
        {"INSERT INTO SITECOCS (SITEKEY, CHEMCAS, CHEMNAME, TCLPCONC, TOTCONC) VALUES (1, '7439-97-6', 'Hg', 1, 1)",
         "DELETE FROM SITECOCS WHERE CHEMCAS = '7439-97-6'"},
    };
    for (const auto& c : cases) {
        db.conn().exec(QString::fromLatin1(c.change)).value();
        EXPECT_EQ(run(), RunOutcome::Refused) << c.change;
        db.conn().exec(QString::fromLatin1(c.undo)).value();
        EXPECT_EQ(results().rows, before.rows) << c.change;
        EXPECT_EQ(gwDelisting().rows, gwBefore.rows) << c.change;
    }
    ASSERT_EQ(run(), RunOutcome::Completed);
    EXPECT_NE(gwDelisting().rows, gwBefore.rows) << "the new constants change the stored rows";
}

TEST_F(ForwardRunTest, AFailedRunKeepsTheEarlierResultsAndGWDelistingRows)
{
    // The new constants change the first row's results, which the failing run writes before it fails.
    storeARunThenChangeTheConstants();
    // An organic short event with no lag time: the allowable dermal well concentration divides by 0.
    setCocs(QStringLiteral("TAU = 0, TSTAR = 5 WHERE CHEMCAS = '7440-39-3'"));
    setCocs(QStringLiteral("ORGANIC = 1 WHERE CHEMCAS = '7440-39-3'"));
    EXPECT_EQ(run(), RunOutcome::Failed);
    EXPECT_EQ(recorder.events.mid(0, 2), (QStringList{QStringLiteral("disclosure"), QStringLiteral("starts")}));
    EXPECT_EQ(recorder.events.mid(recorder.events.size() - 2),
              (QStringList{QStringLiteral("ends"), QStringLiteral("failure Unable to Save")}));
    EXPECT_TRUE(recorder.failureText.contains(QStringLiteral("Barium (7440-39-3)")))
        << qPrintable(recorder.failureText);
    EXPECT_TRUE(recorder.failureText.contains(QStringLiteral("GWMaxADULTsh"))) << qPrintable(recorder.failureText);

    EXPECT_EQ(results().rows, before.rows);
    EXPECT_EQ(gwDelisting().rows, gwBefore.rows);
}

TEST_F(ForwardRunTest, AGWDelistingWriteThatFailsAfterTheResultsKeepsBothAsTheyWere)
{
    storeARunThenChangeTheConstants();
    // The run rewrites the analysis's GWDelisting rows in place.
    db.conn()
        .exec(QStringLiteral("CREATE TRIGGER t BEFORE UPDATE ON GWDelisting BEGIN SELECT RAISE(ABORT, ''); END"))
        .value();
    EXPECT_EQ(run(), RunOutcome::Failed);
    EXPECT_EQ(results().rows, before.rows);
    EXPECT_EQ(gwDelisting().rows, gwBefore.rows);
}

TEST_F(ForwardRunTest, ARunStoresOnlyBesideTheRowsThisCopyReadAndCalculated)
{
    addStandardSet();
    ASSERT_TRUE(openAnalysisRecordsets(db.state, 1).ok());
    ASSERT_EQ(run(), RunOutcome::Completed);
    const QueryRows stored = results();
    std::unique_ptr<Connection> other = std::move(Connection::open(db.path()).value());
    ASSERT_TRUE(other->select(QStringLiteral("PRAGMA busy_timeout = 0")).ok());
    const QString newInputs = QStringLiteral("UPDATE SITECOCS SET TCLPCONC = 9 WHERE SITEKEY = 1");

    // Another copy that stores new inputs while the run calculates has to wait for its end.
    struct StoringMeanwhile : Recorder {
        void progress(float value) override
        {
            refused += !other->exec(sql).ok();
            Recorder::progress(value);
        }
        Connection* other = nullptr;
        QString sql;
        int refused = 0;
    } meanwhile;
    meanwhile.other = other.get();
    meanwhile.sql = newInputs;
    ASSERT_EQ(RunRiskAnalysis(db.state, session, meanwhile), RunOutcome::Completed);
    EXPECT_EQ(meanwhile.refused, 3);

    // Rows changed or deleted since this copy read them fail the run, which stores nothing.
    for (const QString& sql : {QStringLiteral("UPDATE WMUINFO SET ACTVLIFE = 30 WHERE SITEKEY = 1"), newInputs,
                               QStringLiteral("DELETE FROM SITEINFO WHERE SITEKEY = 1")}) {
        ASSERT_TRUE(other->exec(sql).ok());
        EXPECT_EQ(run(), RunOutcome::Failed) << qPrintable(sql);
        EXPECT_EQ(recorder.failureText,
                  (sql.startsWith("DELETE") ? analysisGone() : analysisChangedElsewhere()).description);
        EXPECT_EQ(results().rows, stored.rows);
        ASSERT_TRUE(openAnalysisRecordsets(db.state, 1).ok());
    }
}

// Another program takes the database's write lock: once the user has started the run, and once
// before. Each run waits for the lock once, then fails with its message; the stored results and
// GWDelisting rows stay those of the earlier run.
TEST_F(ForwardRunTest, AWriteLockOfAnotherProgramIsWaitedForOnceAndChangesNothingElse)
{
    addStandardSet();
    ASSERT_EQ(run(), RunOutcome::Completed);
    const QueryRows before = results();
    const QueryRows gwBefore = gwDelisting();
    db.conn().exec(QStringLiteral("UPDATE CONSTNTS SET BWADULT = 80")).value();
    std::unique_ptr<Connection> other = std::move(Connection::open(db.path()).value());

    class LockingRecorder : public Recorder {
    public:
        explicit LockingRecorder(Connection& other) : m_other(other) {}
        void disclosureGate() override
        {
            Recorder::disclosureGate();
            m_other.exec(QStringLiteral("BEGIN IMMEDIATE")).value();
        }

    private:
        Connection& m_other;
    };
    LockingRecorder locking(*other);
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(RunRiskAnalysis(db.state, session, locking), RunOutcome::Failed);
    EXPECT_LT(waited.elapsed(), 8000) << "one busy wait of 5 s, not two";
    ASSERT_FALSE(locking.events.isEmpty());
    EXPECT_EQ(locking.events.last(), QStringLiteral("failure Unable to Save"));
    other->exec(QStringLiteral("ROLLBACK")).value();
    EXPECT_EQ(results().rows, before.rows);
    EXPECT_EQ(gwDelisting().rows, gwBefore.rows);

    ASSERT_EQ(run(), RunOutcome::Completed);
    const QueryRows second = results();
    other->exec(QStringLiteral("BEGIN IMMEDIATE")).value();
    waited.restart();
    EXPECT_EQ(run(), RunOutcome::Failed);
    EXPECT_LT(waited.elapsed(), 8000);
    EXPECT_EQ(recorder.events.last(), QStringLiteral("failure Unable to Save"));
    other->exec(QStringLiteral("ROLLBACK")).value();
    EXPECT_EQ(results().rows, second.rows);
    EXPECT_EQ(gwRows(1), 3) << "rows that could not be emptied stay with the results they belong to";
}

TEST_F(ForwardRunTest, AConcentrationTooLargeForSinglePrecisionFailsTheRun)
{
    addStandardSet();
    ASSERT_EQ(run(), RunOutcome::Completed);
    const QueryRows before = results();
    setCocs(QStringLiteral("TCLPCONC = 1e39 WHERE CHEMCAS = '7440-39-3'"));
    recorder.events.clear();
    EXPECT_EQ(run(), RunOutcome::Failed);
    EXPECT_EQ(recorder.events, (QStringList{QStringLiteral("disclosure"), QStringLiteral("starts"),
                                            QStringLiteral("ends"), QStringLiteral("failure Unable to Save")}));
    EXPECT_TRUE(recorder.failureText.contains(QStringLiteral("TCLPCONC of the constituent Barium (7440-39-3)")))
        << qPrintable(recorder.failureText);
    EXPECT_EQ(results().rows, before.rows);
}

TEST_F(ForwardRunTest, TheUnitRowIsCheckedBeforeAnyConstituentValueIsRead)
{
    addStandardSet();
    setUnit("ACTVLIFE", -20);
    setCocs(QStringLiteral("TCLPCONC = 1e300 WHERE CHEMCAS = '7440-39-3'"));
    EXPECT_EQ(run(), RunOutcome::Refused);
    EXPECT_EQ(recorder.events, (QStringList{QStringLiteral("disclosure"), QStringLiteral("starts"),
                                            refusal(QStringLiteral("There is a zero value for the active life.")),
                                            QStringLiteral("ends")}));
}

TEST_F(ForwardRunTest, TheIndoorAirRunsOfTheLastRunAreTakenWhenTheirInputsAreTheSame)
{
    addStandardSet();
    ASSERT_EQ(run(), RunOutcome::Completed);
    const QueryRows first = results();
    ASSERT_EQ(run(), RunOutcome::Completed);
    EXPECT_EQ(session.indoorAir.lastComputed(), 0u);
    // The organic's carcinogen and noncarcinogen wells are one: the curves give both the same DAF.
    EXPECT_EQ(session.indoorAir.computedAhead(), 1u);
    EXPECT_EQ(results().rows, first.rows);

    setCocs(QStringLiteral("TCLPCONC = 0.7 WHERE CHEMCAS = '71-43-2'"));
    ASSERT_EQ(run(), RunOutcome::Completed);
    EXPECT_EQ(session.indoorAir.lastComputed(), 1u);
    EXPECT_NE(results().rows, first.rows);
    setCocs(QStringLiteral("TCLPCONC = 0.5 WHERE CHEMCAS = '71-43-2'"));
    ASSERT_EQ(run(), RunOutcome::Completed);
    EXPECT_EQ(session.indoorAir.lastComputed(), 1u) << "only the last run's are kept";
    EXPECT_EQ(results().rows, first.rows);
}

TEST_F(ForwardRunTest, ExposureConstantsAreReadAtEveryRun)
{
    addStandardSet();
    ASSERT_EQ(run(), RunOutcome::Completed);
    ASSERT_FALSE(results().rows.empty());
    const double first = results().rows[0][results().columnIndex(QStringLiteral("GWMaxINGsh"))].toDouble();
    db.conn().exec(QStringLiteral("UPDATE CONSTNTS SET BWADULT = 140")).value();
    ASSERT_EQ(run(), RunOutcome::Completed);
    ASSERT_FALSE(results().rows.empty());
    EXPECT_TRUE(
        RelNear(results().rows[0][results().columnIndex(QStringLiteral("GWMaxINGsh"))].toDouble(), 2 * first, 1e-6));

    db.conn().exec(QStringLiteral("UPDATE CONSTNTS SET IRAIR = NULL")).value();
    EXPECT_EQ(run(), RunOutcome::Failed);
    EXPECT_TRUE(recorder.failureText.contains(QStringLiteral("IRAIR"))) << qPrintable(recorder.failureText);
    ASSERT_FALSE(results().rows.empty());
    EXPECT_TRUE(
        RelNear(results().rows[0][results().columnIndex(QStringLiteral("GWMaxINGsh"))].toDouble(), 2 * first, 1e-6));
}

}   // namespace
