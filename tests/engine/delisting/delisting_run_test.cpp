#include "engine/delisting/delisting_run.h"

#include "delisting_fixture.h"

#include "core/temp_database.h"

#include <gtest/gtest.h>

#include <cmath>

// Stored levels are compared exactly with the levels computed from the same inputs: the run
// must store what the pathway functions return, column by column.

namespace {

const QString kKey = QStringLiteral("SITEKEY");

// Everything a run shows, as short texts in order.
class Recorder : public DelistingObserver {
public:
    void disclosureGate() override { events << QStringLiteral("disclosure"); }
    void resetResultForms() override { events << QStringLiteral("reset"); }
    int message(const QString& text, int style, const QString& title) override
    {
        events << QStringLiteral("message %1 %2: %3").arg(style).arg(title, text);
        return kDelistingAnswerOk;
    }
    void progressStart(int maximum) override { events << QStringLiteral("start %1").arg(maximum); }
    void progressValue(int value) override { events << QStringLiteral("value %1").arg(value); }
    void progressHide() override { events << QStringLiteral("hide"); }
    void failure(const Error& e) override
    {
        events << QStringLiteral("failure");
        error = e;
    }
    void finished() override { events << QStringLiteral("finished"); }
    void arrowPointers() override { events << QStringLiteral("arrow"); }

    QStringList events;
    Error error;
};

QVariantMap propertiesOf(const DelistChemical& chem)
{
    return {{"CHEMCAS", chem.CHEMCAS},
            {"CARCNON", chem.CARCNON},
            {"CSFO", chem.CSFO},
            {"CSFI", chem.CSFI},
            {"ORDO", chem.ORDO},
            {"ORDI", chem.ORDI},
            {"BCF", chem.BCF},
            {"BAF", chem.BAF},
            {"HENRY", chem.HENRY},
            {"DIFFW", chem.DIFFW},
            {"DIFFA", chem.DIFFA},
            {"TSTAR", chem.TSTAR},
            {"K", chem.K},
            {"TAU", chem.TAU},
            {"B", chem.B},
            {"ORGANIC", chem.ORGANIC},
            {"MW", chem.MW},
            {"VAPORP", chem.VAPORP},
            {"KSW", chem.KSW},
            {"MCL", 0.005}};
}

class DelistingRun : public ::testing::Test {
protected:
    DelistingRun()
    {
        db.insert(QStringLiteral("CONSTNTS"), constantsRow());
        db.insertAnalysis(7, QStringLiteral("Plant"));
        db.state.gCurSiteKey = 7;
    }

    void addChemical(const QString& name, QVariantMap values)
    {
        values.insert(QStringLiteral("CHEMNAME"), name);
        db.insert(QStringLiteral("COCS"), values);
    }
    void addDaf(const QString& cas, double daf)
    {
        db.insert(QStringLiteral("DAFs"), {{"CAS Num", cas},
                                           {"LFconc", 1},
                                           {"DAFLF_CARC", daf},
                                           {"DAFLF_NON", daf},
                                           {"SIconc", 1},
                                           {"DAFSI_CARC", daf},
                                           {"DAFSI_NON", daf}});
    }
    void setUnit(const QVariantMap& values)
    {
        for (auto it = values.begin(); it != values.end(); ++it)
            ASSERT_TRUE(db.conn().exec(QStringLiteral("UPDATE WMUINFO SET %1 = ?").arg(it.key()), {it.value()}).ok());
    }
    DelistingOutcome run() { return RunDelistingAnalysis(db.state, recorder); }
    QueryRows rows()
    {
        Result<QueryRows> r = db.conn().select(QStringLiteral("SELECT * FROM DelistCOCS ORDER BY rowid"));
        EXPECT_TRUE(r.ok());
        return r.ok() ? *r : QueryRows{};
    }
    static QVariant field(const QueryRows& rows, size_t row, const char* column)
    {
        return rows.rows[row][rows.columnIndex(QLatin1String(column))];
    }

    TempDatabase db;
    Recorder recorder;
};

TEST_F(DelistingRun, RefillsOneRowPerChemicalInNameOrder)
{
    db.insert(QStringLiteral("DelistCOCS"), {{"SITEKEY", 3}, {"CHEMNAME", "left by another analysis"}});
    addChemical(QStringLiteral("Zinc"), {{"CHEMCAS", "7440-66-6"}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.3}});
    addChemical(QStringLiteral("Excluded"), {{"CHEMCAS", "16984-48-8"}, {"CARCNON", "Noncarcinogen"}});
    addChemical(QStringLiteral("benzene"), propertiesOf(benzeneLike()));
    addChemical(QStringLiteral("Acetone"), {{"CHEMCAS", "67-64-1"}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.9}});
    db.insert(QStringLiteral("Cus_COCS"), {{"CHEMNAME", "Own"}, {"CHEMCAS", "1-1-1"}, {"CARCNON", "Carcinogen"}});

    ASSERT_EQ(run(), DelistingOutcome::Stored);
    EXPECT_EQ(recorder.events,
              QStringList({"disclosure", "reset", "start 4", "value 1", "value 2", "value 3", "value 4", "start 3",
                           "value 1", "value 2", "value 3", "hide", "finished", "arrow"}));

    const QueryRows r = rows();
    ASSERT_EQ(r.rows.size(), 3u);
    const char* names[] = {"Acetone", "benzene", "Zinc"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(field(r, i, "CHEMNAME").toString(), QLatin1String(names[i]));
        EXPECT_EQ(field(r, i, "SITEKEY").toInt(), 7);
        EXPECT_EQ(field(r, i, "TCLPCONC").toDouble(), 1.0);
        EXPECT_EQ(field(r, i, "DLTCLP").toInt(), 1);
        EXPECT_EQ(field(r, i, "TOTCONC").toDouble(), 1.0);
        EXPECT_EQ(field(r, i, "DLTOTAL").toInt(), 1);
        EXPECT_FALSE(field(r, i, "LOGKOW").isValid());
    }
    EXPECT_EQ(field(r, 1, "CHEMCAS").toString(), QStringLiteral("71-43-2"));
    EXPECT_EQ(field(r, 1, "MCL").toDouble(), 0.005);
    EXPECT_EQ(field(r, 1, "KSW").toDouble(), 60.0);
}

TEST_F(DelistingRun, StoresTheComputedLevelsOfEveryColumnFromTheChemicalTable)
{
    for (const char* wmu : {"LF", "SI"}) {
        SCOPED_TRACE(wmu);
        TempDatabase fresh;
        fresh.insert(QStringLiteral("CONSTNTS"), constantsRow());
        fresh.insertAnalysis(7, QStringLiteral("Plant"), {}, {{"WMUTYPE", wmu}, {"FLOWRATE", 1e6}});
        fresh.state.gCurSiteKey = 7;
        const DelistChemical chemicals[] = {benzeneLike(), tolueneLike(), inorganic(), leadChemical()};
        for (const DelistChemical& chem : chemicals) {
            QVariantMap values = propertiesOf(chem);
            values.insert(QStringLiteral("CHEMNAME"), QStringLiteral("%1 %2").arg(&chem - chemicals).arg(chem.CHEMCAS));
            fresh.insert(QStringLiteral("COCS"), values);
            fresh.insert(QStringLiteral("DAFs"), {{"CAS Num", chem.CHEMCAS},
                                                  {"LFconc", 1},
                                                  {"DAFLF_CARC", 20},
                                                  {"DAFLF_NON", 30},
                                                  {"SIconc", 1},
                                                  {"DAFSI_CARC", 40},
                                                  {"DAFSI_NON", 50}});
        }
        // The analysis's own copy of the properties plays no part.
        fresh.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", 7}, {"CHEMCAS", "71-43-2"}, {"CSFO", 99.0}});

        Recorder quiet;
        ASSERT_EQ(RunDelistingAnalysis(fresh.state, quiet), DelistingOutcome::Stored);

        Result<WasteUnit> unit = loadWasteUnit(fresh.conn(), 7);
        Result<ExposureConstants> c = LoadExposureConstants(fresh.conn());
        Result<DelistingContext> ctx = setDelistingContext(*unit, *c);
        Result<DelistDafMaxima> maxima = DelistDafMaxima::load(fresh.conn(), QLatin1String(wmu));
        QStringList cas;
        for (const DelistChemical& chem : chemicals)
            cas << chem.CHEMCAS;
        Result<DafCurves> curves = DafCurves::load(fresh.conn(), cas);
        ASSERT_TRUE(ctx.ok() && maxima.ok() && curves.ok());

        Result<QueryRows> stored = fresh.conn().select(QStringLiteral("SELECT * FROM DelistCOCS ORDER BY rowid"));
        ASSERT_TRUE(stored.ok());
        ASSERT_EQ(stored->rows.size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            const DelistChemical& chem = chemicals[i];
            DelistResults expected;
            ASSERT_TRUE(calcChemicalDelistLevels(chem, *ctx, *c, *maxima, *curves, expected));
            for (const DelistResultColumn& col : delistResultColumns()) {
                const QVariant v = stored->rows[i][stored->columnIndex(QLatin1String(col.name))];
                const std::optional<double>& e = expected.*col.member;
                EXPECT_EQ(v.isValid(), bool(e)) << chem.CHEMCAS.toStdString() << " " << col.name;
                if (e && v.isValid()) {
                    EXPECT_EQ(v.toDouble(), *e) << chem.CHEMCAS.toStdString() << " " << col.name;
                }
            }
        }
        Result<QVariant> si = fresh.conn().scalar(QStringLiteral("SELECT count(AIRSIsr) FROM DelistCOCS"));
        EXPECT_EQ(si->toInt(), QLatin1String(wmu) == QLatin1String("SI") ? 1 : 0);
    }
}

TEST_F(DelistingRun, ChecksRefuseTheRunWithTheFirstFailingMessage)
{
    struct Case {
        QVariantMap unit;
        const char* message;
    };
    const Case cases[] = {
        {{{"WASTEVOL", -5}}, "There is a zero value for the waste volume."},
        {{{"WASTEVOL", 0}, {"HQFACT", 0}}, "There is a zero value for the waste volume."},
        {{{"WVOLUNIT", 3}}, "There is a zero value for the waste volume."},
        {{{"ACTVLIFE", QVariant()}}, "There is a zero value for the active life."},
        {{{"HQFACT", 0}, {"RISKFACT", 0}},
         "There is a zero value for the HQ Factor.  Please use the dropdown list to choose an HQ Factor."},
        {{{"RISKFACT", -1e-5}},
         "There is a zero value for the Risk Factor.  Please use the dropdown list to choose an Risk Factor."},
        {{{"HQFACT", 1e-300}},
         "There is a zero value for the HQ Factor.  Please use the dropdown list to choose an HQ Factor."},
    };
    addChemical(QStringLiteral("Acetone"), {{"CHEMCAS", "67-64-1"}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.9}});
    ASSERT_EQ(run(), DelistingOutcome::Stored);
    const QueryRows before = rows();

    for (const Case& k : cases) {
        db.insertAnalysis(8, QStringLiteral("Refused"), {}, k.unit);
        db.state.gCurSiteKey = 8;
        recorder.events.clear();
        EXPECT_EQ(run(), DelistingOutcome::Refused) << k.message;
        EXPECT_EQ(recorder.events,
                  QStringList(
                      {"disclosure", "reset", QStringLiteral("message 48 Insufficient Data: ") + k.message, "arrow"}));
        EXPECT_EQ(rows().rows, before.rows);
        ASSERT_TRUE(db.conn().exec(QStringLiteral("DELETE FROM WMUINFO WHERE SITEKEY = 8")).ok());
        ASSERT_TRUE(db.conn().exec(QStringLiteral("DELETE FROM SITEINFO WHERE SITEKEY = 8")).ok());
    }
}

TEST_F(DelistingRun, AFailureAfterSomeChemicalsLeavesTheTableAsItWas)
{
    for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"})
        addChemical(QLatin1String(name), {{"CHEMCAS", name}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.1}});
    ASSERT_EQ(run(), DelistingOutcome::Stored);
    const QueryRows before = rows();

    // The database refuses the third row of the next run.
    ASSERT_TRUE(db.conn()
                    .exec(QStringLiteral("CREATE TRIGGER refuse_third BEFORE INSERT ON DelistCOCS "
                                         "WHEN (SELECT count(*) FROM DelistCOCS) >= 2 "
                                         "BEGIN SELECT RAISE(ABORT, 'disk full'); END"))
                    .ok());
    setUnit({{"HQFACT", 0.1}});
    recorder.events.clear();
    EXPECT_EQ(run(), DelistingOutcome::Failed);
    EXPECT_EQ(rows().rows, before.rows);
    EXPECT_EQ(recorder.events.mid(recorder.events.size() - 5),
              QStringList({"value 1", "value 2", "arrow", "hide", "failure"}));
    EXPECT_TRUE(recorder.error.description.contains(QStringLiteral("Delta"))) << qPrintable(recorder.error.description);
    EXPECT_TRUE(recorder.error.description.contains(QStringLiteral("disk full")));
    EXPECT_FALSE(db.conn().inTransaction());
}

TEST_F(DelistingRun, MissingConstantsFailBeforeAnythingIsWritten)
{
    addChemical(QStringLiteral("Acetone"), {{"CHEMCAS", "67-64-1"}, {"CARCNON", "Noncarcinogen"}, {"ORDO", 0.9}});
    ASSERT_EQ(run(), DelistingOutcome::Stored);
    const QueryRows before = rows();
    ASSERT_TRUE(db.conn().exec(QStringLiteral("UPDATE CONSTNTS SET ATCARC = NULL")).ok());
    recorder.events.clear();
    EXPECT_EQ(run(), DelistingOutcome::Failed);
    EXPECT_EQ(recorder.events, QStringList({"disclosure", "reset", "arrow", "hide", "failure"}));
    EXPECT_TRUE(recorder.error.description.contains(QStringLiteral("ATCARC")));
    EXPECT_EQ(rows().rows, before.rows);
}

TEST_F(DelistingRun, AnUnreadablePropertyFailsNamingTheChemicalAndField)
{
    addChemical(QStringLiteral("Acetone"), {{"CHEMCAS", "67-64-1"}, {"CARCNON", "Noncarcinogen"}, {"CSFO", "n/a"}});
    EXPECT_EQ(run(), DelistingOutcome::Failed);
    EXPECT_TRUE(recorder.error.description.contains(QStringLiteral("Acetone")));
    EXPECT_TRUE(recorder.error.description.contains(QStringLiteral("CSFO")));
    EXPECT_EQ(rows().rows.size(), 0u);
}

TEST_F(DelistingRun, AnEmptyChemicalTableGivesAnEmptyTable)
{
    addChemical(QStringLiteral("Excluded"), {{"CHEMCAS", "16984-48-8"}});
    db.insert(QStringLiteral("DelistCOCS"), {{"SITEKEY", 7}, {"CHEMNAME", "old"}});
    EXPECT_EQ(run(), DelistingOutcome::Stored);
    EXPECT_EQ(rows().rows.size(), 0u);
    EXPECT_EQ(recorder.events,
              QStringList({"disclosure", "reset", "start 1", "value 1", "start 0", "hide", "finished", "arrow"}));
}

TEST_F(DelistingRun, EmptyPropertiesAndOddClassesStoreZerosNeverInfinities)
{
    addChemical(QStringLiteral("Nothing known"), {{"CHEMCAS", "1-1-1"}});
    addChemical(QStringLiteral("Lower-case class"), {{"CHEMCAS", "2-2-2"}, {"CARCNON", "carcinogen"}, {"ORDO", 0.1}});
    addChemical(QStringLiteral("No CAS"), {{"CARCNON", "Carcinogen"}, {"CSFO", 0.1}});
    DelistChemical odd = benzeneLike();
    odd.CHEMCAS = QStringLiteral("3-3-3");
    odd.TAU = 0;
    odd.DIFFA = 0;
    addChemical(QStringLiteral("Odd"), propertiesOf(odd));
    addDaf(QStringLiteral("3-3-3"), 10);

    ASSERT_EQ(run(), DelistingOutcome::Stored);
    const QueryRows r = rows();
    ASSERT_EQ(r.rows.size(), 4u);
    for (const auto& row : r.rows)
        for (const QVariant& v : row)
            if (v.typeId() == QMetaType::Double) {
                EXPECT_TRUE(std::isfinite(v.toDouble()));
            }

    // Row order: Lower-case class, No CAS, Nothing known, Odd.
    EXPECT_EQ(field(r, 0, "H_DAF").toDouble(), 0.0) << "any class but \"Carcinogen\" is a noncarcinogen";
    EXPECT_EQ(field(r, 0, "DAF").toDouble(), 0.0);
    EXPECT_GT(field(r, 0, "SOILINGsh").toDouble(), 0.0);
    EXPECT_FALSE(field(r, 0, "SOILINGsr").isValid());

    for (const DelistResultColumn& col : delistResultColumns())
        EXPECT_FALSE(field(r, 1, col.name).isValid()) << "no CAS: the lookup fails, " << col.name;

    EXPECT_EQ(field(r, 2, "GWINGsh").toDouble(), 0.0);
    EXPECT_EQ(field(r, 2, "SOILINGsh").toDouble(), 0.0);
    EXPECT_FALSE(field(r, 2, "GWINGCgsh").isValid());

    EXPECT_EQ(field(r, 3, "GWADULTsr").toDouble(), 0.0) << "zero lag time";
    EXPECT_EQ(field(r, 3, "AIRINHVsr").toDouble(), 0.0) << "zero air diffusion";
    EXPECT_GT(field(r, 3, "GWINGsr").toDouble(), 0.0);
    EXPECT_GT(field(r, 3, "SOILINGsr").toDouble(), 0.0);
}

}   // namespace
