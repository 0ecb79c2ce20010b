#include "ui/main/run_commands.h"

#include "data/program_state.h"
#include "engine/forward/forward_run.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"
#include "ui/main/analysis_host.h"
#include "ui/results/result_windows.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <cmath>

namespace {

// What a run unloads before it starts, in this order.
constexpr auto kForwardWindows = joinedWindowNames(kForwardResultWindows, WindowNames<1>{windowName::frmCusCOC});

void setRunPointer(int pointer)
{
    if (AnalysisHost* host = analysisHost())
        host->setMousePointer(pointer);
    for (QLatin1StringView name : kInputWindows)
        setMousePointer(Forms::find(name), pointer);
}

class WindowRunObserver : public RunObserver {
public:
    void disclosureGate() override { showDisclosureBeforeRun(); }

    void runStarts() override
    {
        setRunPointer(vbHourglass);
        for (QLatin1StringView name : kForwardWindows) {
            if (FormWindow* w = Forms::find(name)) {
                w->setWindowStateCode(FormWindow::vbMinimized);
                w->unload();
            }
        }
    }

    void progress(float value) override
    {
        FormWindow* cocs = Forms::find(windowName::frmSiteCOCs);
        if (auto* bar = cocs ? cocs->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")) : nullptr) {
            bar->setValue(int(std::lround(value)));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }

    void message(const QString& text, int style, const QString& title) override { MsgBox(text, style, title); }

    void showResults() override
    {
        for (QLatin1StringView name : kInputWindows)
            if (FormWindow* w = Forms::find(name))
                w->setWindowStateCode(FormWindow::vbMinimized);
        showForwardResultWindows();
    }

    void runEnds() override { setRunPointer(vbArrow); }

    void failure(const Error& error, const QString& title) override { showGeneralError(error, title); }
};

}   // namespace

void runRiskAnalysisCommand()
{
    WindowRunObserver observer;
    RunRiskAnalysis(programState(), uiState().forwardRun, observer);
}
