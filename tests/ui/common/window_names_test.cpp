#include "ui/chemdb/frmCOCs.h"
#include "ui/chemdb/frmChngChems.h"
#include "ui/chemdb/frmCusCOC.h"
#include "ui/chemdb/frmCusCOSAndDAF.h"
#include "ui/chemdb/frmPassword.h"
#include "ui/common/window_names.h"
#include "ui/delisting/frmAirCarc.h"
#include "ui/delisting/frmAirNonCarc.h"
#include "ui/delisting/frmGWCarc.h"
#include "ui/delisting/frmGWNonCarc.h"
#include "ui/delisting/frmSoilPathwayDelisting.h"
#include "ui/delisting/frmSurfaceCarc.h"
#include "ui/delisting/frmSurfaceWaterNonCarc.h"
#include "ui/input/frmPrintSiteWMU.h"
#include "ui/input/frmSiteCOCs.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmLegend.h"
#include "ui/main/frmOpenAnalyses.h"
#include "ui/main/frmTOVIDisclosure.h"
#include "ui/main/frmTOVIchanges.h"
#include "ui/main/frmTitle.h"
#include "ui/main/frmViewDocuments.h"
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

#include <gtest/gtest.h>

#include <utility>

// The registry finds a window by its class name: a catalogue name that differs from it would
// find nothing.
TEST(WindowNames, EachNameIsTheClassNameOfItsWindow)
{
    const std::pair<QLatin1StringView, const QMetaObject*> windows[] = {
        {windowName::frmTitle, &frmTitle::staticMetaObject},
        {windowName::frmAbout, &frmAbout::staticMetaObject},
        {windowName::frmLegend, &frmLegend::staticMetaObject},
        {windowName::frmOpenAnalyses, &frmOpenAnalyses::staticMetaObject},
        {windowName::frmTOVIDisclosure, &frmTOVIDisclosure::staticMetaObject},
        {windowName::frmTOVIchanges, &frmTOVIchanges::staticMetaObject},
        {windowName::frmViewDocuments, &frmViewDocuments::staticMetaObject},
        {windowName::frmPrint, &frmPrint::staticMetaObject},
        {windowName::frmSiteWMU, &frmSiteWMU::staticMetaObject},
        {windowName::frmSiteCOCs, &frmSiteCOCs::staticMetaObject},
        {windowName::frmPrintSiteWMU, &frmPrintSiteWMU::staticMetaObject},
        {windowName::frmCOCs, &frmCOCs::staticMetaObject},
        {windowName::frmPassword, &frmPassword::staticMetaObject},
        {windowName::frmCusCOC, &frmCusCOC::staticMetaObject},
        {windowName::frmChngChems, &frmChngChems::staticMetaObject},
        {windowName::frmCusCOSAndDAF, &frmCusCOSAndDAF::staticMetaObject},
        {windowName::frmLimitResults, &frmLimitResults::staticMetaObject},
        {windowName::frmTCLPResultsHQ, &frmTCLPResultsHQ::staticMetaObject},
        {windowName::frmTCLPResultsRisk, &frmTCLPResultsRisk::staticMetaObject},
        {windowName::frmTCLPResultsScreen, &frmTCLPResultsScreen::staticMetaObject},
        {windowName::frmTotalResultsHQ, &frmTotalResultsHQ::staticMetaObject},
        {windowName::frmTotalResultsRisk, &frmTotalResultsRisk::staticMetaObject},
        {windowName::frmTotalResultsScreen, &frmTotalResultsScreen::staticMetaObject},
        {windowName::frmAggResults, &frmAggResults::staticMetaObject},
        {windowName::frmTCSSResults, &frmTCSSResults::staticMetaObject},
        {windowName::frmExceedResults, &frmExceedResults::staticMetaObject},
        {windowName::frmSoilPathwayDelisting, &frmSoilPathwayDelisting::staticMetaObject},
        {windowName::frmAirNonCarc, &frmAirNonCarc::staticMetaObject},
        {windowName::frmAirCarc, &frmAirCarc::staticMetaObject},
        {windowName::frmSurfaceWaterNonCarc, &frmSurfaceWaterNonCarc::staticMetaObject},
        {windowName::frmSurfaceCarc, &frmSurfaceCarc::staticMetaObject},
        {windowName::frmGWNonCarc, &frmGWNonCarc::staticMetaObject},
        {windowName::frmGWCarc, &frmGWCarc::staticMetaObject}};
    for (const auto& [name, meta] : windows)
        EXPECT_EQ(name, QLatin1StringView(meta->className()));
}
