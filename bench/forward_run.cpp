// The forward run of one analysis of 200 constituents against its floor: SQLite's own interface
// reading the run's inputs (waste unit, constants, constituent rows, DAF rows) and writing the
// same result fields and GWDelisting rows with prepared statements in one transaction. A run
// again of the same analysis takes the indoor-air runs of the run before. After new TCLP
// concentrations every indoor-air run is new, arithmetic that the floor does not do: the figure
// of that run leaves the model out (its runs are computed ahead, untimed), and the model is
// measured on its own, as is the whole run with it.

#include "bench_support.h"
#include "sqlite_floor.h"
#include "two_hundred_constituents.h"

#include "engine/common/daf_tables.h"
#include "engine/forward/constituent_rows.h"
#include "engine/forward/forward_run.h"
#include "engine/forward/groundwater_dispatch.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

TempDatabase* g_db = nullptr;
ForwardRunSession g_session;
std::unique_ptr<SqliteFloor> g_floor;
std::vector<SqliteFloor::Row> g_results;     // the result fields of each row, then its rowid
std::vector<SqliteFloor::Row> g_gwNumbers;   // the numbers of each GWDelisting row, then its rowid
std::string g_updateResults;
const std::string kGwNumbers = "GWDL, GWMaxAConcen, GWDAF, DAF_SF, GWLimitingPathway, GWIngetion, GWInhalation, "
                               "GWAdultDermalAbsorption, GWChildDermalAbsorption";
const std::string kUpdateGw = "UPDATE GWDelisting SET (" + kGwNumbers + ") = (?,?,?,?,?,?,?,?,?) WHERE rowid = ?";

void BM_RunRiskAnalysis(benchmark::State& st)
{
    g_db->state.gCurSiteKey = kAnalysisKey;
    RunObserver observer;
    for (auto _ : st) {
        if (RunRiskAnalysis(g_db->state, g_session, observer) != RunOutcome::Completed) {
            st.SkipWithError("the run did not complete");
            break;
        }
    }
}

void changeConcentrations()
{
    static int change = 0;
    (void)g_db->conn().exec(QStringLiteral("UPDATE SITECOCS SET TCLPCONC = TCLPCONC * ?"),
                            {++change % 2 ? 1.001 : 1 / 1.001});
}

// The analysis's constituents and DAF curves as a run reads them.
struct ModelInputs {
    std::vector<ConstituentInputs> inputs;
    DafCurves dafs;
};

ModelInputs modelInputs()
{
    ModelInputs m;
    QStringList cas;
    const std::vector<ConstituentRow> rows = readConstituentRows(g_db->conn(), kAnalysisKey).value();
    for (const ConstituentRow& row : rows) {
        m.inputs.push_back(row.in);
        cas << row.in.CHEMCAS;
    }
    m.dafs = DafCurves::loadForAnalysis(g_db->conn(), kAnalysisKey, cas, QStringLiteral("LF")).value();
    return m;
}

// The same run after every TCLP concentration has changed; with `model` false the indoor-air
// runs of the new concentrations are computed ahead, untimed, as a run again would find them.
void runAfterNewConcentrations(benchmark::State& st, bool model)
{
    g_db->state.gCurSiteKey = kAnalysisKey;
    RunObserver observer;
    for (auto _ : st) {
        st.PauseTiming();
        changeConcentrations();
        if (!model) {
            const ModelInputs m = modelInputs();
            computeIndoorAirAhead(g_session.indoorAir, g_session.context, m.dafs, QStringLiteral("LF"), m.inputs);
        }
        st.ResumeTiming();
        if (RunRiskAnalysis(g_db->state, g_session, observer) != RunOutcome::Completed) {
            st.SkipWithError("the run did not complete");
            break;
        }
        if (!model && g_session.indoorAir.lastComputed() != 0) {
            st.SkipWithError("the run computed indoor-air runs");
            break;
        }
    }
}

void BM_RunRiskAnalysisNewConcentrations(benchmark::State& st)
{
    runAfterNewConcentrations(st, false);
}

void BM_RunRiskAnalysisNewConcentrationsWithModel(benchmark::State& st)
{
    runAfterNewConcentrations(st, true);
}

// The indoor-air model's runs for the analysis's rows, computed afresh as after new
// concentrations.
void BM_IndoorAirModel(benchmark::State& st)
{
    const ModelInputs m = modelInputs();
    for (auto _ : st) {
        IndoorAirRuns fresh;
        computeIndoorAirAhead(fresh, g_session.context, m.dafs, QStringLiteral("LF"), m.inputs);
        benchmark::DoNotOptimize(fresh.computedAhead());
    }
}

void BM_Floor(benchmark::State& st)
{
    SqliteFloor& db = *g_floor;
    const SqliteFloor::Row key = {SqliteFloor::integer(kAnalysisKey)};
    const std::string dafColumns = "SELECT [CAS Num], [LFconc], [DAFLF_CARC], [DAFLF_NON] FROM ";
    const std::string dafRows =
        " WHERE [CAS Num] IN (SELECT CHEMCAS FROM SITECOCS WHERE SITEKEY = ?) ORDER BY [CAS Num], rowid";
    for (auto _ : st) {
        benchmark::DoNotOptimize(db.rows("SELECT * FROM WMUINFO WHERE SITEKEY = ?", key));
        benchmark::DoNotOptimize(db.rows("SELECT * FROM CONSTNTS ORDER BY rowid LIMIT 1"));
        benchmark::DoNotOptimize(db.rows(
            "SELECT rowid, CHEMCAS, CHEMNAME, CARCNON, TCLPCONC, TOTCONC, MCL, CSFO, CSFI, ORDO, ORDI, BCF, HENRY, "
            "DIFFW, DIFFA, TSTAR, K, TAU, B, ORGANIC, BAF, ECOCHRON, MW, VAPORP, KSW, LOGKOW FROM SITECOCS "
            "WHERE SITEKEY = ? ORDER BY rowid",
            key));
        benchmark::DoNotOptimize(db.rows(dafColumns + "DAFs" + dafRows, key));
        benchmark::DoNotOptimize(db.rows(dafColumns + "Cus_DAFs" + dafRows, key));
        db.exec("BEGIN IMMEDIATE");
        for (const SqliteFloor::Row& r : g_results)
            db.run(g_updateResults, r);
        for (const SqliteFloor::Row& r : g_gwNumbers)
            db.run(kUpdateGw, r);
        db.exec("COMMIT");
    }
}

BENCHMARK(BM_RunRiskAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(15);
BENCHMARK(BM_RunRiskAnalysisNewConcentrations)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(15);
BENCHMARK(BM_RunRiskAnalysisNewConcentrationsWithModel)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(15);
BENCHMARK(BM_IndoorAirModel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(15);
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(15);

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TempDatabase db;
    g_db = &db;
    fillTwoHundredConstituents(db);

    // One run stores the values that the floor writes again.
    db.state.gCurSiteKey = kAnalysisKey;
    RunObserver observer;
    if (RunRiskAnalysis(db.state, g_session, observer) != RunOutcome::Completed) {
        std::fprintf(stderr, "the forward run failed\n");
        return 1;
    }
    g_floor = std::make_unique<SqliteFloor>(db.path().toStdString());
    const std::string fields = forwardResultFields().join(u',').toStdString();
    const SqliteFloor::Row key = {SqliteFloor::integer(kAnalysisKey)};
    g_results = g_floor->rows("SELECT " + fields + ", rowid FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid", key);
    g_gwNumbers =
        g_floor->rows("SELECT " + kGwNumbers + ", rowid FROM GWDelisting WHERE SITEKEY = ? ORDER BY rowid", key);
    g_updateResults = "UPDATE SITECOCS SET (" + fields + ") = ("
                      + QStringList(forwardResultFields().size(), QStringLiteral("?")).join(u',').toStdString()
                      + ") WHERE rowid = ?";

    TimesReporter reporter;
    runInterleaved(argc, argv, reporter);
    const double run = reporter.time("BM_RunRiskAnalysis");
    const double fresh = reporter.time("BM_RunRiskAnalysisNewConcentrations");
    const double withModel = reporter.time("BM_RunRiskAnalysisNewConcentrationsWithModel");
    const double air = reporter.time("BM_IndoorAirModel");
    const double floor = reporter.time("BM_Floor");
    std::printf("\n%d constituents; after new concentrations: the run with the indoor-air model %.2f ms, the "
                "model alone %.2f ms; the figure below leaves the model out\n",
                kConstituents, withModel, air);
    printRatioFigure("forward_run", run, floor, 2);
    printRatioFigure("forward_run_new_concentrations", fresh, floor, 3);
    g_floor.reset();
    return 0;
}
