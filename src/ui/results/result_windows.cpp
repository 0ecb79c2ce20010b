#include "ui/results/result_windows.h"

#include "ui/results/frmAggResults.h"
#include "ui/results/frmExceedResults.h"
#include "ui/results/frmLimitResults.h"
#include "ui/results/frmTCLPResultsHQ.h"
#include "ui/results/frmTCLPResultsRisk.h"
#include "ui/results/frmTCLPResultsScreen.h"
#include "ui/results/frmTCSSResults.h"
#include "ui/results/frmTotalResultsHQ.h"
#include "ui/results/frmTotalResultsRisk.h"
#include "ui/results/frmTotalResultsScreen.h"

void showForwardResultWindows()
{
    // A run shows frmCusCOC, frmChngChems, frmLimitResults, frmTCLPResultsHQ, frmTCLPResultsRisk,
    // frmTCLPResultsScreen, frmTotalResultsHQ, frmTotalResultsRisk, frmTotalResultsScreen,
    // frmAggResults, frmTCSSResults and frmExceedResults, in this order, at 0, 330, 660 and so on.
    FormWindow* (*const windows[])() = {
        [] { return static_cast<FormWindow*>(Forms::get<frmLimitResults>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTCLPResultsHQ>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTCLPResultsRisk>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTCLPResultsScreen>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTotalResultsHQ>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTotalResultsRisk>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTotalResultsScreen>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmAggResults>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmTCSSResults>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmExceedResults>()); },
    };
    // frmCusCOC and frmChngChems, which this program does not have, keep their places at 0 and 330.
    int offset = 2 * 330;
    for (FormWindow* (*get)() : windows) {
        FormWindow* window = get();
        window->showForm();
        window->moveTwips(offset, offset);
        offset += 330;
    }
}
