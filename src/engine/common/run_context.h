#pragma once

#include "platform/db/connection.h"

#include <QString>

#include <optional>

// The fields of a waste unit row (WMUINFO) that the engines read. NULL is nullopt (or an
// empty text).
struct WasteUnit {
    QString WMUTYPE;                  // "LF" landfill, "SI" surface impoundment
    std::optional<double> WASTEVOL;   // waste volume per year, in the unit of WVOLUNIT
    std::optional<double> WVOLUNIT;   // 0 cubic yards, 1 cubic feet, 2 cubic metres
    std::optional<double> ACTVLIFE;   // active life, years
    std::optional<double> RISKFACT;   // target cancer risk
    std::optional<double> HQFACT;     // target hazard quotient
    std::optional<double> FLOWRATE;   // flow rate of an impoundment
};

// The waste unit row of an analysis. Fails when the analysis has no row or a number field
// holds text.
Result<WasteUnit> loadWasteUnit(Connection& conn, qint32 siteKey);

// The values a run derives from its waste unit before the constituent loop and passes between
// pathway steps. A run starts from the previous run's context: a member that a run does not
// set keeps its earlier value. Single precision where declared float.
struct RunContext {
    // Set by CalcWasteVolume.
    float gWasteVolYd3 = 0;     // total waste volume over the active life, cubic yards
    float gWasteVolM3 = 0;      // the same in cubic metres
    float gAnnualVolYd3 = 0;    // gWasteVolYd3 / ACTVLIFE, cubic yards per year
    float gUnitAreaAcres = 0;   // exp(0.676889 × ln gWasteVolYd3 − 5.95477)
    float gUnitAreaM2 = 0;      // gUnitAreaAcres × 4046.873

    // Set by setRunTargets before the constituent loop.
    float HQFACT = 0;        // target hazard quotient
    float RISKFACT = 0;      // target cancer risk
    double gVktOneWay = 0;   // gAnnualVolYd3 × 1.42 / 3650 + 7.4; the air steps use twice it as VKT

    // Set by setRunTargets, before the non-groundwater steps of the first row need it, and
    // again by the groundwater dispatch for each constituent.
    QString gWmuType;      // WMUTYPE of the waste unit
    float gDafScale = 0;   // dafScaleFactor(gWasteVolYd3, gWmuType)

    // Members that pathway steps leave for later steps of the same row are added below by the
    // steps that write them: the surface-water factors, the air dispersion and particulate
    // emission terms, the indoor-air concentrations.

    // Non-groundwater pathways.
    double ACTVLIFE = 0;   // active life of the waste unit, years (unloading term); set by setRunTargets
    // Soil loss of the landfill and the two water bodies, the same for every constituent of a
    // run; written by the forward surface-water step, read by its back-calculation and the
    // ecological level.
    float gLSFactor = 0;           // length-slope factor
    float gSedDeliveryRatio = 0;   // sediment delivery ratio
    float gUnitSoilLoss = 0;       // soil loss per acre
    float gSedimentLoad = 0;       // sediment load reaching the water bodies
    float gSwFactor1 = 0;          // fish water body: water-column concentration per unit of TOTCONC
    float gSwFactor2 = 0;          // drinking-water body: concentration per unit of TOTCONC
    float gSuspSolids = 0;         // suspended solids of the fish water body
    // Dispersion terms of the air pathways (downwind distance terms, their sum, the width):
    // the back-calculations' set and the forward steps' set.
    float gDispXv = 0, gDispX = 0, gDispXSum = 0, gDispSigma = 0;
    float gFwdDispXv = 0, gFwdDispX = 0, gFwdDispXSum = 0, gFwdDispSigma = 0;
    // Particulate emission terms of the landfill's active area: wind erosion, vehicle traffic
    // and unloading, for PM10 and PM30, and the forward step's PM10 set.
    float gWindEmis10 = 0, gTrafficEmis10 = 0, gUnloadRate10 = 0;
    float gWindEmis30 = 0, gTrafficEmis30 = 0, gUnloadRate30 = 0;
    float gFwdWindEmis10 = 0, gFwdTrafficEmis10 = 0, gFwdUnloadRate10 = 0;
    // The constituent's particulate emission and air concentration of the last forward air
    // step (PM10), or of the forward soil step after it (PM30).
    float gFwdPartEmisRate = 0, gFwdPartAirConc = 0;
    // Left by the forward groundwater-inhalation step for the back-calculation of the same row:
    // 1000 × the indoor-air model's average of each compartment, capped at equilibrium, at the
    // carcinogen and at the noncarcinogen well concentration.
    float gShowerAirCarc = 0;
    float gBathAirCarc = 0;
    float gHouseAirCarc = 0;
    float gShowerAirNon = 0;
    float gBathAirNon = 0;
    float gHouseAirNon = 0;
};

// A volume in cubic metres: `unit` 0 cubic yards (÷ 1.30795), 1 cubic feet (÷ 35.3147),
// 2 cubic metres (unchanged); nullopt for any other unit.
std::optional<double> ConvertVolumeToM3(double value, int unit);

// Sets the five volume and area members from the waste unit. The run drivers refuse a unit
// other than 0, 1 and 2 and a waste volume or active life that is empty or not greater than 0
// before they call it; called with such a unit anyway, or when a value does not fit single
// precision, it fails naming the field and leaves the context unchanged.
Status CalcWasteVolume(RunContext& ctx, const WasteUnit& unit);

// Sets HQFACT and RISKFACT from the waste unit (NULL reads as 0) and gVktOneWay from
// gAnnualVolYd3, as the constituent loop does after loading the exposure constants, and the
// unit's gWmuType and ACTVLIFE (NULL as 0). Fails when a target does not fit single precision,
// leaving the context unchanged.
Status setRunTargets(RunContext& ctx, const WasteUnit& unit);

// The waste-volume DAF scaling factor, never below 1: 108687 × V^−1.20644 when `wmuType` is
// exactly "SI", 120379 × V^−0.97952 otherwise (also for "si" or an empty type), in double
// precision, kept single. `wasteVolYd3` is the total volume in cubic yards, greater than 0 after
// a successful CalcWasteVolume.
float dafScaleFactor(double wasteVolYd3, const QString& wmuType);
