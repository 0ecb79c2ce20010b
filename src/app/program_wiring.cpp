#include "app/program_wiring.h"

#include "data/admin_password.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/chemdb/chemical_table_commands.h"
#include "ui/chemdb/frmCOCs.h"
#include "ui/chemdb/frmChngChems.h"
#include "ui/chemdb/frmChngDBProps.h"
#include "ui/chemdb/frmCusCOC.h"
#include "ui/chemdb/frmCusCOSAndDAF.h"
#include "ui/chemdb/frmPassword.h"
#include "ui/common/table_operations.h"
#include "ui/delisting/delisting_run_command.h"
#include "ui/delisting/frmAirCarc.h"
#include "ui/delisting/frmAirExposureDelisting.h"
#include "ui/delisting/frmAirNonCarc.h"
#include "ui/delisting/frmGWCarc.h"
#include "ui/delisting/frmGWNonCarc.h"
#include "ui/delisting/frmGroundwaterDelistingLevel.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/delisting/frmSurfaceCarc.h"
#include "ui/delisting/frmSurfaceWaterNonCarc.h"
#include "ui/delisting/frmSurfacewaterPathwayDelisting.h"
#include "ui/input/frmPrintSiteWMU.h"
#include "ui/input/frmSiteCOCs.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/input/site_window_services.h"
#include "ui/main/documents.h"
#include "ui/main/file_commands.h"
#include "ui/main/frmTOVIchanges.h"
#include "ui/main/main_window_services.h"
#include "ui/main/run_commands.h"
#include "ui/results/frmAggResults.h"
#include "ui/results/frmExceedResults.h"
#include "ui/results/frmLimitResults.h"
#include "ui/results/frmPrint.h"
#include "ui/results/frmTCLPResultsHQ.h"
#include "ui/results/frmTCLPResultsRisk.h"
#include "ui/results/frmTCLPResultsScreen.h"
#include "ui/results/frmTCSSResults.h"
#include "ui/results/frmTotalResultsHQ.h"
#include "ui/results/frmTotalResultsRisk.h"
#include "ui/results/frmTotalResultsScreen.h"

#include <concepts>

namespace {

template <class... T>
void registerWindows()
{
    (registerFormLoader(QString::fromLatin1(T::staticMetaObject.className()), [] { return Forms::get<T>(); }), ...);
}

// Windows that the print window prints.
template <std::derived_from<PrintableTable>... T>
void registerTableWindows()
{
    registerWindows<T...>();
}

}   // namespace

void installProgramWiring()
{
    MainWindowServices& services = mainWindowServices();
    services.runRiskAnalysis = runRiskAnalysisCommand;
    services.importV1File = importV1FileCommand;
    services.importV2File = importV2FileCommand;
    services.exportV2File = exportV2FileCommand;
    services.updateAnalyses = updateAnalysesCommand;
    services.showChangesNotice = showChangesNoticeDialog;
    services.showChangesDocument = showChangesDocument;
    services.showPrintWindow = showPrintWindow;
    services.scramblePassword = [](const QString& password) { return ScramblePassword(password).value_or(QString()); };
    services.showChangeLog = showChangeLog;
    services.replaceChemicalTable = replaceChemicalTableCommand;
    siteWindowServices().runDelistingAnalysis = runDelistingAnalysisCommand;

    registerWindows<frmSiteWMU, frmPassword>();
    registerTableWindows<frmSiteCOCs, frmPrintSiteWMU, frmCOCs, frmChngDBProps, frmCusCOC, frmChngChems,
                         frmCusCOSAndDAF>();
    registerTableWindows<frmLimitResults, frmTCLPResultsHQ, frmTCLPResultsRisk, frmTCLPResultsScreen, frmTotalResultsHQ,
                         frmTotalResultsRisk, frmTotalResultsScreen, frmAggResults, frmTCSSResults, frmExceedResults>();
    registerTableWindows<frmSoilPathwayDelisting, frmAirNonCarc, frmAirCarc, frmSurfaceWaterNonCarc, frmSurfaceCarc,
                         frmGWNonCarc, frmGWCarc>();
    // Loadable by name, as every window is, although no command shows them.
    registerTableWindows<frmGroundwaterDelistingLevel, frmSurfacewaterPathwayDelisting, frmAirExposureDelisting>();
}
