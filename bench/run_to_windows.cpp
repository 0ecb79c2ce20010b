// What the user waits for after Run TOVI on an analysis of 200 constituents: from the command to
// every result window shown, filled and painted, offscreen. The windows of the run before are
// closed first. Where the time goes: the run itself (reading, computing, storing) and the result
// windows (loading their rows, filling their grids, painting), each measured on its own.

#include "bench_support.h"
#include "program_windows.h"

#include "engine/forward/forward_run.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"
#include "ui/results/result_windows.h"

#include <benchmark/benchmark.h>

namespace {

ProgramWindows* g_program = nullptr;
const QStringList kResultWindows(kForwardResultTables.begin(), kForwardResultTables.end());

void closeResultWindows()
{
    for (const QString& name : kResultWindows)
        Forms::unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_RunToWindows(benchmark::State& st)
{
    for (auto _ : st) {
        st.PauseTiming();
        closeResultWindows();
        st.ResumeTiming();
        g_program->watchPaints();
        g_program->main->mnuRunAnalysis->trigger();
        g_program->waitUntilPainted(kResultWindows);
    }
}

void BM_EngineRun(benchmark::State& st)
{
    RunObserver quiet;
    for (auto _ : st)
        if (RunRiskAnalysis(g_program->db.state, uiState().forwardRun, quiet) != RunOutcome::Completed)
            st.SkipWithError("the run did not complete");
}

void BM_ResultWindows(benchmark::State& st)
{
    for (auto _ : st) {
        st.PauseTiming();
        closeResultWindows();
        st.ResumeTiming();
        g_program->watchPaints();
        showForwardResultWindows();
        g_program->waitUntilPainted(kResultWindows);
    }
}

BENCHMARK(BM_RunToWindows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15);
BENCHMARK(BM_EngineRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15);
BENCHMARK(BM_ResultWindows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15);

}   // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramWindows program;
    g_program = &program;
    program.openAnalysis();
    if (!program.main->mnuRunAnalysis->isEnabled()) {
        std::fprintf(stderr, "Run Analysis is not enabled on the open analysis\n");
        return 1;
    }

    TimesReporter reporter;
    runInterleaved(argc, argv, reporter);
    const double total = reporter.time("BM_RunToWindows");
    const double engine = reporter.time("BM_EngineRun");
    const double windows = reporter.time("BM_ResultWindows");
    std::printf("\nwhere it goes: the run %.2f ms, the ten result windows %.2f ms, the rest %.2f ms\n", engine, windows,
                total - engine - windows);
    printFigure("run_to_windows", total, 150);
    return 0;
}
