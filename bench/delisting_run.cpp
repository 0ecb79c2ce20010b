// The delisting-level run over 5,000 synthetic chemicals (mixed classes, organic and inorganic,
// one to four DAF rows each), against its floor: SQLite's own interface reading the run's inputs
// and writing the same 5,000 DelistCOCS rows with a prepared statement in one transaction.

#include "bench_support.h"
#include "core/temp_database.h"
#include "sqlite_floor.h"

#include "engine/delisting/delisting_run.h"
#include "platform/db/transaction.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kChemicals = 5000;
TempDatabase* g_db = nullptr;
std::unique_ptr<SqliteFloor> g_floor;
std::vector<SqliteFloor::Row> g_rows;   // the rows of one run, all columns, to insert for the floor
std::string g_insertSql;

void fill(TempDatabase& db)
{
    const QStringList constants = exposureConstantFields();
    QVariantMap row;
    for (const QString& name : constants)
        row.insert(name, 1.0);
    const std::pair<const char*, double> values[] = {
        {"ED", 30},         {"EDCHILD", 6},   {"EF", 350},      {"ATCARC", 70}, {"ATNON", 30},      {"ATCHILD", 6},
        {"BWADULT", 70},    {"BWCHILD", 15},  {"IFWADJ", 1.09}, {"R", 90},      {"K", 0.3},         {"C", 0.5},
        {"V", 0.5},         {"F_X", 0.194},   {"KP10", 0.36},   {"KP30", 0.8},  {"KPL10", 0.35},    {"KPL30", 0.74},
        {"S", 8.5},         {"SPEED", 15},    {"WEIGHT", 20},   {"W", 6},       {"PRECIP", 110},    {"F", 0.15},
        {"A", 0.11},        {"B", 0.92},      {"U", 4},         {"T", 298},     {"RGAS", 8.205e-5}, {"MUAIR", 1.81e-4},
        {"RHOAIR", 1.2e-3}, {"TADULT", 0.58}, {"TCHILD", 1},    {"CRAIR", 20}};
    for (const auto& [name, value] : values)
        row.insert(QLatin1String(name), value);
    db.insert(QStringLiteral("CONSTNTS"), row);
    db.insertAnalysis(1, QStringLiteral("Bench"), {}, {{"FLOWRATE", 1e6}});

    Transaction tx(db.conn());
    auto cocs = db.conn().prepare(QStringLiteral(
        "INSERT INTO COCS (CHEMNAME, CHEMCAS, MCL, CSFO, CSFI, ORDO, ORDI, BCF, HENRY, DIFFW, DIFFA, TSTAR, K, TAU, B, "
        "ORGANIC, BAF, CARCNON, MW, VAPORP, KSW) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    auto daf = db.conn().prepare(
        QStringLiteral("INSERT INTO DAFs ([CAS Num], LFconc, DAFLF_CARC, DAFLF_NON, SIconc, DAFSI_CARC, DAFSI_NON) "
                       "VALUES (?,?,?,?,?,?,?)"));
    for (int i = 0; i < kChemicals; ++i) {
        const QString cas = QStringLiteral("%1-%2-%3").arg(1000 + i).arg(i % 97).arg(i % 10);
        const bool carc = i % 3 == 0;
        const bool organic = i % 4 != 0;
        const double f = 1 + (i % 13) / 10.0;
        (void)cocs->exec({QStringLiteral("Chemical %1").arg((i * 7919) % kChemicals, 5, 10, QLatin1Char('0')),
                          cas,
                          0.005 * f,
                          carc ? 0.05 * f : QVariant(),
                          carc && i % 2 ? 0.02 * f : QVariant(),
                          0.004 * f,
                          i % 5 ? 0.01 * f : QVariant(),
                          10 * f,
                          organic ? 5e-3 * f : 0.0,
                          organic ? 9e-6 * f : QVariant(),
                          organic ? 0.08 * f : QVariant(),
                          0.3 + (i % 7) / 10.0,
                          0.01 * f,
                          0.3 * f,
                          0.05 * f,
                          organic ? 1 : 0,
                          i % 6 ? 20 * f : QVariant(),
                          carc ? QStringLiteral("Carcinogen") : QStringLiteral("Noncarcinogen"),
                          80 * f,
                          organic ? 90 * f : 0.0,
                          60 * f});
        for (int k = 0; k <= i % 4; ++k)
            (void)daf->exec({cas, 0.001 * (k + 1), 10.0 + k, 12.0 + k, 0.001 * (k + 1), 4.0 + k, 5.0 + k});
    }
    (void)tx.commit();
}

void BM_DelistingRun(benchmark::State& st)
{
    DelistingObserver quiet;
    for (auto _ : st)
        if (RunDelistingAnalysis(g_db->state, quiet) != DelistingOutcome::Stored)
            st.SkipWithError("the run failed");
}

// Reads what the run reads (constants, the chemicals, every DAF row and the DAF maxima), then
// empties DelistCOCS and inserts the same rows, all columns bound, in one transaction.
void BM_Floor(benchmark::State& st)
{
    SqliteFloor& db = *g_floor;
    for (auto _ : st) {
        benchmark::DoNotOptimize(db.rows("SELECT * FROM WMUINFO WHERE SITEKEY = 1"));
        benchmark::DoNotOptimize(db.rows("SELECT * FROM CONSTNTS ORDER BY rowid LIMIT 1"));
        benchmark::DoNotOptimize(db.rows(
            "SELECT rowid, CHEMNAME, CHEMCAS, CARCNON, CSFO, CSFI, ORDO, ORDI, BCF, HENRY, DIFFW, DIFFA, TSTAR, K, "
            "TAU, B, ORGANIC, BAF, MW, VAPORP, KSW FROM COCS ORDER BY CHEMNAME, rowid"));
        for (const char* table : {"DAFs", "Cus_DAFs"})
            benchmark::DoNotOptimize(db.rows(std::string("SELECT [CAS Num], [LFconc], [DAFLF_CARC], [DAFLF_NON], "
                                                         "[SIconc], [DAFSI_CARC], [DAFSI_NON] FROM ")
                                             + table + " ORDER BY [CAS Num], rowid"));
        benchmark::DoNotOptimize(
            db.rows("SELECT [CAS Num], MAX([DAFLF_CARC]), MAX([DAFLF_NON]) FROM DAFs GROUP BY [CAS Num]"));
        db.exec("BEGIN IMMEDIATE");
        db.exec("DELETE FROM DelistCOCS");
        for (const SqliteFloor::Row& row : g_rows)
            db.run(g_insertSql, row);
        db.exec("COMMIT");
    }
}

BENCHMARK(BM_DelistingRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(11);
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(11);

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TempDatabase db;
    g_db = &db;
    db.state.gCurSiteKey = 1;
    fill(db);

    // One run gives the rows whose insertion is the floor.
    DelistingObserver quiet;
    if (RunDelistingAnalysis(db.state, quiet) != DelistingOutcome::Stored) {
        std::fprintf(stderr, "the delisting run failed\n");
        return 1;
    }
    g_floor = std::make_unique<SqliteFloor>(db.path().toStdString());
    g_rows = g_floor->rows("SELECT * FROM DelistCOCS ORDER BY rowid");
    g_insertSql = "INSERT INTO DelistCOCS VALUES (?";
    for (size_t i = 1; i < delistCocsTable().columns.size(); ++i)
        g_insertSql += ",?";
    g_insertSql += ")";

    TimesReporter reporter;
    runInterleaved(argc, argv, reporter);
    const double run = reporter.time("BM_DelistingRun");
    const double floor = reporter.time("BM_Floor");
    std::printf("\n%zu DelistCOCS rows from %d chemicals\n", g_rows.size(), kChemicals);
    printRatioFigure("delisting_run", run, floor, 1.5);
    g_floor.reset();
    return 0;
}
