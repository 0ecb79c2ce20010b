// Start-up on a database holding 10,000 analyses (--analyses=N for another count): opening the
// database and filling the tree of analyses, against its floor: SQLite's own interface reading
// every SITEINFO row; also with a log beside the database, as a program that was not ended
// cleanly leaves it.

#include "bench_support.h"
#include "core/database_files.h"
#include "core/temp_database.h"
#include "sqlite_floor.h"

#include "app/startup.h"
#include "platform/db/transaction.h"
#include "platform/ui/settings.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

int g_analyses = 10000;
TempDatabase* g_db = nullptr;
DatabaseFiles g_logged;

void fill(TempDatabase& db)
{
    Transaction tx(db.conn());
    auto site = db.conn().prepare(QStringLiteral(
        "INSERT INTO SITEINFO (SITEKEY, FILENAME, PETNAME, PETID, FACID1, FACID2, CITY, STATE, ZIPCODE, ANALDATE, "
        "DLSTDATE, USERNAME, COMMENTS, KORRGION, WSTEDESC, WSTECODE) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    auto unit =
        db.conn().prepare(QStringLiteral("INSERT INTO WMUINFO VALUES (?, 'LF', 1000, 0, 10, 0.00001, 1, 100, 0)"));
    for (int k = 1; k <= g_analyses; ++k) {
        (void)site->exec({k, QStringLiteral("Analysis %1").arg(k), QStringLiteral("Petitioner %1").arg(k),
                          QStringLiteral("P-%1").arg(k), QStringLiteral("%1 Main Street").arg(k), QVariant(),
                          QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701"),
                          QStringLiteral(" Jan-02-2001 "), QStringLiteral(" Mar-04-2002 "), QStringLiteral("Analyst"),
                          QStringLiteral("Comments on analysis %1").arg(k), 4, QStringLiteral("Sludge"),
                          QStringLiteral("F006")});
        (void)unit->exec({k});
    }
    (void)tx.commit();
    (void)db.conn().exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    (void)db.conn().select(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
    (void)db.conn().exec(QStringLiteral("UPDATE SITEINFO SET COMMENTS = COMMENTS || '.' WHERE SITEKEY % 100 = 0"));
    g_logged = databaseFiles(db.path());
    db.state.gConn.reset();
}

void startUp(benchmark::State& st, bool logged)
{
    for (auto _ : st) {
        if (logged) {
            st.PauseTiming();
            putBack(g_db->path(), g_logged);
            st.ResumeTiming();
        }
        ProgramState state;
        state.programFolder = g_db->folder();
        ScopedProgramState scoped(state);
        frmMain* w = Main(state);
        if (!w) {
            st.SkipWithError("start-up failed");
            break;
        }
        benchmark::DoNotOptimize(w);
        st.PauseTiming();
        delete w;
        state.gConn.reset();
        st.ResumeTiming();
    }
}

void BM_StartupAndTree(benchmark::State& st)
{
    startUp(st, false);
}

void BM_StartupWithLog(benchmark::State& st)
{
    startUp(st, true);
}

void BM_Floor(benchmark::State& st)
{
    SqliteFloor db(g_db->path().toStdString());
    for (auto _ : st)
        benchmark::DoNotOptimize(db.rows("SELECT rowid, * FROM SITEINFO ORDER BY rowid"));
}

BENCHMARK(BM_StartupAndTree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(9);
BENCHMARK(BM_StartupWithLog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(9);
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(9);

}   // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray count = "--analyses=";
    if (argc > 1 && QByteArray(argv[1]).startsWith(count)) {
        g_analyses = QByteArray(argv[1]).mid(count.size()).toInt();
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    QApplication app(argc, argv);
    QTemporaryDir settings;
    setSettingsFolder(settings.path());
    if (!SaveSetting("TOVI", "Admin", "ShowChanges", "No") || !SaveSetting("TOVI", "Admin", "Disclosure", "1"))
        return 1;

    TempDatabase db;
    g_db = &db;
    fill(db);

    TimesReporter reporter;
    runInterleaved(argc, argv, reporter);
    std::printf("\n%d analyses\n", g_analyses);
    printFloorFigure("startup", reporter.time("BM_StartupAndTree"), reporter.time("BM_Floor"), 150);
    printFloorFigure("startup_with_log", reporter.time("BM_StartupWithLog"), reporter.time("BM_Floor"), 150);
    return 0;
}
