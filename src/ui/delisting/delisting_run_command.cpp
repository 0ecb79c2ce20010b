#include "ui/delisting/delisting_run_command.h"

#include "data/program_state.h"
#include "engine/delisting/delisting_run.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/delisting/delisting_windows.h"
#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace {

const QStringList kInputWindows = {QStringLiteral("frmSiteWMU"), QStringLiteral("frmSiteCOCs")};

void setRunPointer(int pointer)
{
    setMousePointer(frmMain::instance(), pointer);
    for (const QString& name : kInputWindows)
        setMousePointer(Forms::find(name), pointer);
}

QProgressBar* siteProgressBar()
{
    FormWindow* site = Forms::find(QStringLiteral("frmSiteWMU"));
    return site ? site->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")) : nullptr;
}

class WindowDelistingObserver : public DelistingObserver {
public:
    void resetResultForms() override
    {
        setRunPointer(vbHourglass);
        for (const char* name : kDelistingUnloadedWindows)
            Forms::unload(QString::fromLatin1(name));
    }

    int message(const QString& text, int style, const QString& title) override { return MsgBox(text, style, title); }

    void progressStart(int maximum) override
    {
        if (QProgressBar* bar = siteProgressBar()) {
            bar->setMinimum(0);
            bar->setValue(0);
            bar->setMaximum(maximum);
            bar->setVisible(true);
        }
    }

    void progressValue(int value) override
    {
        if (QProgressBar* bar = siteProgressBar()) {
            bar->setValue(value);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }

    void progressHide() override
    {
        if (QProgressBar* bar = siteProgressBar())
            bar->setVisible(false);
    }

    void failure(const Error& error) override { showGeneralError(error, kDelistingFailureTitle); }

    void finished() override
    {
        for (const QString& name : kInputWindows)
            if (FormWindow* w = Forms::find(name))
                w->setWindowStateCode(FormWindow::vbMinimized);
        showDelistingResultWindows();
    }

    void arrowPointers() override { setRunPointer(vbArrow); }
};

} // namespace

void RunDelistingAnalysisCommand()
{
    WindowDelistingObserver observer;
    RunDelistingAnalysis(programState(), observer);
}
