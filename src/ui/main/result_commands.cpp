// The main window's commands that show, retile and close the result windows.

#include "data/analysis_store.h"
#include "data/program_state.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/common/window_names.h"
#include "ui/main/analysis_session.h"
#include "ui/main/frmMain.h"

#include <QPointer>

#include <utility>

namespace {

constexpr double kForwardCascade = 330;
constexpr double kDelistingCascade = 300;

}   // namespace

void frmMain::mnuResults_Click()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    Result<int> rows = storedConstituentCount(*m_state.gConn, m_state.storedSiteKey());
    if (!rows || *rows <= 0)
        return;
    for (QLatin1StringView name : kForwardResultWindows) {
        if (FormWindow* w = Forms::find(name)) {
            w->setWindowStateCode(FormWindow::vbMinimized);
            w->unload();
        }
    }
    // Each window goes 330 twips right of and below the one before it, as that one stands; a
    // window this program does not have keeps its place in the cascade. The first window shown
    // takes the normal state, which ends a maximised display of the area, so that the others
    // are shown in their normal state too.
    QPointer<FormWindow> previous;
    float left = 0;
    float top = 0;
    bool first = true;
    for (size_t i = 0; i < kForwardResultWindows.size(); ++i) {
        FormWindow* w = loadForm(kForwardResultWindows[i]);
        if (w)
            w->showForm();
        if (i > 0) {
            if (previous) {
                left = float(previous->leftTwips());
                top = float(previous->topTwips());
            }
            left += float(kForwardCascade);
            top += float(kForwardCascade);
        }
        previous = w;
        if (!w)
            continue;
        if (std::exchange(first, false))
            w->setWindowStateCode(FormWindow::vbNormal);
        w->moveTwips(left, top);
    }
}

void frmMain::mnuDelistingLevel_Click()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    for (QLatin1StringView name : kDelistingResultWindows)
        Forms::unload(name);
    // The first window takes the normal state as in Show/Retile Results: a maximised display of
    // the area would otherwise maximise each window in turn and leave the cascade undone.
    double offset = 0;
    bool first = true;
    for (QLatin1StringView name : kDelistingResultWindows) {
        if (FormWindow* w = loadForm(name)) {
            w->showForm();
            if (std::exchange(first, false))
                w->setWindowStateCode(FormWindow::vbNormal);
            w->moveTwips(offset, offset);
        }
        offset += kDelistingCascade;
    }
}

void frmMain::mnuCloseResults_Click()
{
    m_session->closeResultScreens();
}
