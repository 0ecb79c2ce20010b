#include "ui/delisting/delisting_run_command.h"

#include "data/program_state.h"
#include "engine/delisting/delisting_run.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/window_names.h"
#include "ui/delisting/delisting_windows.h"
#include "ui/main/analysis_host.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressBar>

namespace {

// What a run unloads before it starts, in this order.
constexpr auto kUnloadedWindows =
    joinedWindowNames(WindowNames<1>{windowName::frmCusCOC}, kForwardResultWindows, kDelistingUnloadOrder);

void setRunPointer(int pointer)
{
    if (AnalysisHost* host = analysisHost())
        host->setMousePointer(pointer);
    for (QLatin1StringView name : kInputWindows)
        setMousePointer(Forms::find(name), pointer);
}

class WindowDelistingObserver : public DelistingObserver {
public:
    explicit WindowDelistingObserver(QProgressBar& bar) : m_bar(&bar) {}

    void disclosureGate() override { showDisclosureBeforeRun(); }

    void resetResultForms() override
    {
        setRunPointer(vbHourglass);
        for (QLatin1StringView name : kUnloadedWindows)
            Forms::unload(name);
    }

    int message(const QString& text, int style, const QString& title) override { return MsgBox(text, style, title); }

    void progressStart(int maximum) override
    {
        if (m_bar) {
            m_bar->setMinimum(0);
            m_bar->setValue(0);
            m_bar->setMaximum(maximum);
            m_bar->setVisible(true);
        }
    }

    void progressValue(int value) override
    {
        if (m_bar) {
            m_bar->setValue(value);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }

    void progressHide() override
    {
        if (m_bar)
            m_bar->setVisible(false);
    }

    void failure(const Error& error) override { showGeneralError(error, kUnableToSaveTitle); }

    void finished() override
    {
        for (QLatin1StringView name : kInputWindows)
            if (FormWindow* w = Forms::find(name))
                w->setWindowStateCode(FormWindow::vbMinimized);
        showDelistingResultWindows();
    }

    void arrowPointers() override { setRunPointer(vbArrow); }

private:
    QPointer<QProgressBar> m_bar;   // the window may go while the run processes events
};

}   // namespace

void runDelistingAnalysisCommand(QProgressBar& progressBar)
{
    WindowDelistingObserver observer(progressBar);
    RunDelistingAnalysis(programState(), observer);
}
