// What the user waits for when opening an analysis of 200 constituents from the tree: from Open
// to both input windows shown, filled and painted, offscreen. The analysis is closed first.

#include "bench_support.h"
#include "program_windows.h"

#include "ui/common/window_names.h"

#include <benchmark/benchmark.h>

namespace {

ProgramWindows* g_program = nullptr;
const QStringList kInputWindowNames(kInputWindows.begin(), kInputWindows.end());

void BM_OpenAnalysis(benchmark::State& st)
{
    for (auto _ : st) {
        st.PauseTiming();
        g_program->main->cmdClose_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        st.ResumeTiming();
        g_program->watchPaints();
        g_program->openAnalysis();
        g_program->waitUntilPainted(kInputWindowNames);
    }
}

BENCHMARK(BM_OpenAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(21);

}   // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramWindows program;
    g_program = &program;

    TimesReporter reporter;
    runInterleaved(argc, argv, reporter);
    std::printf("\n");
    printFigure("open_analysis", reporter.time("BM_OpenAnalysis"), 100);
    return 0;
}
