// The forward run of one analysis of 200 constituents (organic and inorganic, carcinogens and
// noncarcinogens, 1 to 5 DAF rows each), against the floor: writing the same 54 result fields
// with one prepared UPDATE per row in one transaction. A run again of the same analysis takes
// the indoor-air runs of the run before; the run after new TCLP concentrations computes them
// all.

#include "bench_support.h"
#include "core/temp_database.h"

#include "engine/forward/forward_run.h"
#include "platform/db/transaction.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

constexpr int kConstituents = 200;
constexpr qint32 kKey = 1;
TempDatabase* g_db = nullptr;

void fill(TempDatabase& db)
{
    QVariantMap constants;
    for (const QString& f : exposureConstantFields())
        constants.insert(f, 1.0);
    const std::pair<const char*, double> values[] = {
        {"CRWATER", 2},  {"CRAIR", 20},   {"ED", 30},    {"EDCHILD", 6},       {"EF", 350},
        {"ATCARC", 70},  {"ATNON", 30},   {"ATCHILD", 6}, {"BWADULT", 70},     {"BWCHILD", 15},
        {"IFWADJ", 1.09}, {"TADULT", 0.58}, {"TCHILD", 1}, {"EV", 1},          {"IR", 20},
        {"ETshower", 0.2}, {"ETbathroom", 0.33}, {"ETHouse", 16}};
    for (const auto& [name, value] : values)
        constants.insert(QString::fromLatin1(name), value);
    db.insert(QStringLiteral("CONSTNTS"), constants);
    db.insertAnalysis(kKey, QStringLiteral("Two hundred constituents"));

    Transaction tx(db.conn());
    for (int i = 0; i < kConstituents; ++i) {
        const QString cas = QStringLiteral("%1-%2-%3").arg(1000 + i).arg(i % 97, 2, 10, QLatin1Char('0')).arg(i % 10);
        const bool organic = i % 2 == 0;
        const bool carcinogen = i % 3 == 0;
        db.insert(QStringLiteral("SITECOCS"),
                  {{"SITEKEY", kKey}, {"CHEMCAS", cas}, {"CHEMNAME", QStringLiteral("Chemical %1").arg(i)},
                   {"CARCNON", carcinogen ? "Carcinogen" : "Noncarcinogen"}, {"TCLPCONC", 0.05 * (1 + i % 7)},
                   {"TOTCONC", 10.0 + i}, {"MCL", 0.005 * (1 + i % 4)}, {"CSFO", carcinogen ? 0.055 : 0.0},
                   {"CSFI", carcinogen ? 0.027 : 0.0}, {"ORDO", 0.004 * (1 + i % 5)}, {"ORDI", 0.03},
                   {"HENRY", organic ? 0.0055 * (1 + i % 3) : 0.0}, {"DIFFW", organic ? 9.8e-6 : 0.0},
                   {"DIFFA", organic ? 0.088 : 0.0}, {"K", organic ? 0.015 : 0.001}, {"TAU", 0.29},
                   {"TSTAR", organic ? 0.7 * (1 + i % 2) : 0.0}, {"B", 0.051}, {"ORGANIC", organic ? 1 : 0}});
        for (int r = 0; r <= i % 5; ++r) {
            const double c = 0.01 * std::pow(10.0, r);
            db.insert(QStringLiteral("DAFs"), {{"CAS Num", cas}, {"LFconc", c}, {"DAFLF_CARC", 10.0 + 5 * r},
                                               {"DAFLF_NON", 12.0 + 5 * r}, {"SIconc", c},
                                               {"DAFSI_CARC", 4.0 + 2 * r}, {"DAFSI_NON", 5.0 + 2 * r}});
        }
    }
    (void)tx.commit();
}

void BM_RunRiskAnalysis(benchmark::State& st)
{
    g_db->state.gCurSiteKey = kKey;
    RunObserver observer;
    for (auto _ : st) {
        if (RunRiskAnalysis(g_db->state, observer) != RunOutcome::Completed) {
            st.SkipWithError("the run did not complete");
            break;
        }
    }
}

// The same run after every TCLP concentration has changed, so that no indoor-air run is kept.
void BM_RunRiskAnalysisNewConcentrations(benchmark::State& st)
{
    g_db->state.gCurSiteKey = kKey;
    RunObserver observer;
    int change = 0;
    for (auto _ : st) {
        st.PauseTiming();
        (void)g_db->conn().exec(QStringLiteral("UPDATE SITECOCS SET TCLPCONC = TCLPCONC * ?"),
                                {++change % 2 ? 1.001 : 1 / 1.001});
        st.ResumeTiming();
        if (RunRiskAnalysis(g_db->state, observer) != RunOutcome::Completed) {
            st.SkipWithError("the run did not complete");
            break;
        }
    }
}

// The stored results of the run, written back as they are.
void BM_WriteFloor(benchmark::State& st)
{
    Connection& conn = g_db->conn();
    const QStringList& fields = forwardResultFields();
    QueryRows rows = conn.select(QStringLiteral("SELECT rowid, %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid")
                                     .arg(fields.join(u',')),
                                 {kKey})
                         .value();
    QStringList sets;
    for (const QString& f : fields)
        sets << f + QStringLiteral(" = ?");
    for (auto _ : st) {
        Transaction tx(conn);
        Result<Statement> update =
            conn.prepare(QStringLiteral("UPDATE SITECOCS SET %1 WHERE rowid = ?").arg(sets.join(u',')));
        for (const QVector<QVariant>& r : rows.rows) {
            QVariantList params(r.begin() + 1, r.end());
            params << r[0];
            (void)update->exec(params);
        }
        (void)tx.commit();
    }
}

BENCHMARK(BM_RunRiskAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(11);
BENCHMARK(BM_RunRiskAnalysisNewConcentrations)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(11);
BENCHMARK(BM_WriteFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(11);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TempDatabase db;
    g_db = &db;
    fill(db);

    benchmark::Initialize(&argc, argv);
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double run = reporter.time("BM_RunRiskAnalysis");
    const double fresh = reporter.time("BM_RunRiskAnalysisNewConcentrations");
    const double floor = reporter.time("BM_WriteFloor");
    std::printf("\n%d constituents: forward run %.2f ms, floor (one prepared UPDATE per row) %.2f ms, ratio %.2f "
                "(target: at most 2)\n",
                kConstituents, run, floor, floor > 0 ? run / floor : 0.0);
    std::printf("after new TCLP concentrations: forward run %.2f ms, ratio %.2f\n", fresh,
                floor > 0 ? fresh / floor : 0.0);
    return 0;
}
