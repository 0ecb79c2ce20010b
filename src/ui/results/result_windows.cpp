#include "ui/results/result_windows.h"

#include "ui/chemdb/frmChngChems.h"
#include "ui/chemdb/frmCusCOC.h"

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
    FormWindow* (*const windows[])() = {
        [] { return static_cast<FormWindow*>(Forms::get<frmCusCOC>()); },
        [] { return static_cast<FormWindow*>(Forms::get<frmChngChems>()); },
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
    int offset = 0;
    for (FormWindow* (*get)() : windows) {
        FormWindow* window = get();
        window->showForm();
        window->moveTwips(offset, offset);
        offset += 330;
    }
}
