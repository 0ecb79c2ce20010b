#pragma once

#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <cstddef>

// The names of the program's windows. A window's name is its class name: the window registry
// finds, loads and unloads a window by it, and it is the window's object name. Code names a
// window only through these constants, so that a misspelt name fails to compile.
namespace windowName {

inline constexpr QLatin1StringView frmMain{"frmMain"};
inline constexpr QLatin1StringView frmTitle{"frmTitle"};
inline constexpr QLatin1StringView frmAbout{"frmAbout"};
inline constexpr QLatin1StringView frmLegend{"frmLegend"};
inline constexpr QLatin1StringView frmOpenAnalyses{"frmOpenAnalyses"};
inline constexpr QLatin1StringView frmTOVIDisclosure{"frmTOVIDisclosure"};
inline constexpr QLatin1StringView frmTOVIchanges{"frmTOVIchanges"};
inline constexpr QLatin1StringView frmViewDocuments{"frmViewDocuments"};
inline constexpr QLatin1StringView frmPrint{"frmPrint"};

inline constexpr QLatin1StringView frmSiteWMU{"frmSiteWMU"};
inline constexpr QLatin1StringView frmSiteCOCs{"frmSiteCOCs"};
inline constexpr QLatin1StringView frmPrintSiteWMU{"frmPrintSiteWMU"};

inline constexpr QLatin1StringView frmCOCs{"frmCOCs"};
inline constexpr QLatin1StringView frmPassword{"frmPassword"};
inline constexpr QLatin1StringView frmCusCOC{"frmCusCOC"};
inline constexpr QLatin1StringView frmChngChems{"frmChngChems"};
inline constexpr QLatin1StringView frmCusCOSAndDAF{"frmCusCOSAndDAF"};

inline constexpr QLatin1StringView frmLimitResults{"frmLimitResults"};
inline constexpr QLatin1StringView frmTCLPResultsHQ{"frmTCLPResultsHQ"};
inline constexpr QLatin1StringView frmTCLPResultsRisk{"frmTCLPResultsRisk"};
inline constexpr QLatin1StringView frmTCLPResultsScreen{"frmTCLPResultsScreen"};
inline constexpr QLatin1StringView frmTotalResultsHQ{"frmTotalResultsHQ"};
inline constexpr QLatin1StringView frmTotalResultsRisk{"frmTotalResultsRisk"};
inline constexpr QLatin1StringView frmTotalResultsScreen{"frmTotalResultsScreen"};
inline constexpr QLatin1StringView frmAggResults{"frmAggResults"};
inline constexpr QLatin1StringView frmTCSSResults{"frmTCSSResults"};
inline constexpr QLatin1StringView frmExceedResults{"frmExceedResults"};

inline constexpr QLatin1StringView frmSoilPathwayDelisting{"frmSoilPathwayDelisting"};
inline constexpr QLatin1StringView frmAirNonCarc{"frmAirNonCarc"};
inline constexpr QLatin1StringView frmAirCarc{"frmAirCarc"};
inline constexpr QLatin1StringView frmSurfaceWaterNonCarc{"frmSurfaceWaterNonCarc"};
inline constexpr QLatin1StringView frmSurfaceCarc{"frmSurfaceCarc"};
inline constexpr QLatin1StringView frmGWNonCarc{"frmGWNonCarc"};
inline constexpr QLatin1StringView frmGWCarc{"frmGWCarc"};
inline constexpr QLatin1StringView frmGroundwaterDelistingLevel{"frmGroundwaterDelistingLevel"};
inline constexpr QLatin1StringView frmSurfacewaterPathwayDelisting{"frmSurfacewaterPathwayDelisting"};
inline constexpr QLatin1StringView frmAirExposureDelisting{"frmAirExposureDelisting"};

}   // namespace windowName

template <std::size_t N>
using WindowNames = std::array<QLatin1StringView, N>;

// The lists one after the other, as one list.
template <std::size_t... N>
constexpr WindowNames<(N + ...)> joinedWindowNames(const WindowNames<N>&... lists)
{
    WindowNames<(N + ...)> all{};
    auto* next = all.begin();
    ((next = std::copy(lists.begin(), lists.end(), next)), ...);
    return all;
}

// The ten forward result tables, in the order in which they are shown.
inline constexpr WindowNames<10> kForwardResultTables = {
    windowName::frmLimitResults,       windowName::frmTCLPResultsHQ,  windowName::frmTCLPResultsRisk,
    windowName::frmTCLPResultsScreen,  windowName::frmTotalResultsHQ, windowName::frmTotalResultsRisk,
    windowName::frmTotalResultsScreen, windowName::frmAggResults,     windowName::frmTCSSResults,
    windowName::frmExceedResults};

// The forward result windows as Show/Retile Results handles them: the altered-properties list,
// then the ten tables.
inline constexpr auto kForwardResultWindows =
    joinedWindowNames(WindowNames<1>{windowName::frmChngChems}, kForwardResultTables);

// The seven delisting result windows, in the order in which they are shown.
inline constexpr WindowNames<7> kDelistingResultWindows = {windowName::frmSoilPathwayDelisting,
                                                           windowName::frmAirNonCarc,
                                                           windowName::frmAirCarc,
                                                           windowName::frmSurfaceWaterNonCarc,
                                                           windowName::frmSurfaceCarc,
                                                           windowName::frmGWNonCarc,
                                                           windowName::frmGWCarc};

// The three pathway delisting windows, which no command shows.
inline constexpr WindowNames<3> kPathwayDelistingWindows = {windowName::frmGroundwaterDelistingLevel,
                                                            windowName::frmSurfacewaterPathwayDelisting,
                                                            windowName::frmAirExposureDelisting};

// The seven delisting result windows in the order in which a run and the program's end unload
// them.
inline constexpr WindowNames<7> kDelistingUnloadOrder = {
    windowName::frmSoilPathwayDelisting, windowName::frmGWCarc,  windowName::frmGWNonCarc, windowName::frmSurfaceCarc,
    windowName::frmSurfaceWaterNonCarc,  windowName::frmAirCarc, windowName::frmAirNonCarc};

// The two input windows of the open analysis.
inline constexpr WindowNames<2> kInputWindows = {windowName::frmSiteWMU, windowName::frmSiteCOCs};
