#include "app/program_wiring.h"

#include "platform/ui/forms.h"
#include "ui/main/main_window_services.h"
#include "ui/main/run_commands.h"
#include "ui/results/frmTCLPResultsHQ.h"
#include "ui/results/frmTCLPResultsRisk.h"
#include "ui/results/frmTotalResultsHQ.h"
#include "ui/results/frmTotalResultsRisk.h"

namespace {

template <class T>
void registerWindow()
{
    registerFormLoader(QString::fromLatin1(T::staticMetaObject.className()), [] { return Forms::get<T>(); });
}

} // namespace

void installProgramWiring()
{
    mainWindowServices().runRiskAnalysis = RunRiskAnalysisCommand;

    registerWindow<frmTCLPResultsHQ>();
    registerWindow<frmTCLPResultsRisk>();
    registerWindow<frmTotalResultsHQ>();
    registerWindow<frmTotalResultsRisk>();
}
