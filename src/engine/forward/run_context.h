#pragma once

#include "platform/db/connection.h"

#include <QString>

#include <optional>

// The fields of a waste unit row (WMUINFO) that the engines read. NULL is nullopt (or an
// empty text).
struct WasteUnit {
    QString WMUTYPE;                     // "LF" landfill, "SI" surface impoundment
    std::optional<double> WASTEVOL;      // waste volume per year, in the unit of WVOLUNIT
    std::optional<double> WVOLUNIT;      // 0 cubic yards, 1 cubic feet, 2 cubic metres
    std::optional<double> ACTVLIFE;      // active life, years
    std::optional<double> RISKFACT;      // target cancer risk
    std::optional<double> HQFACT;        // target hazard quotient
    std::optional<double> FLOWRATE;      // flow rate of an impoundment
};

// The waste unit row of an analysis. Fails when the analysis has no row or a number field
// holds text.
Result<WasteUnit> LoadWasteUnit(Connection& conn, qint32 siteKey);

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

    // Set by SetRunTargets before the constituent loop.
    float HQFACT = 0;           // target hazard quotient
    float RISKFACT = 0;         // target cancer risk
    double gVktOneWay = 0;      // gAnnualVolYd3 × 1.42 / 3650 + 7.4; the air steps use twice it as VKT

    // Set by the groundwater dispatch for each constituent.
    QString gWmuType;           // WMUTYPE of the waste unit
    float gDafScale = 0;        // DafScaleFactor(gWasteVolYd3, gWmuType)

    // Members that pathway steps leave for later steps of the same row are added below by the
    // steps that write them: the surface-water factors, the air dispersion and particulate
    // emission terms, the indoor-air concentrations.

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
// gAnnualVolYd3, as the constituent loop does after loading the exposure constants. Fails
// when a target does not fit single precision, leaving the context unchanged.
Status SetRunTargets(RunContext& ctx, const WasteUnit& unit);

// The waste-volume DAF scaling factor, never below 1: 108687 × V^−1.20644 when `wmuType` is
// exactly "SI", 120379 × V^−0.97952 otherwise (also for "si" or an empty type), in double
// precision, kept single. `wasteVolYd3` is the total volume in cubic yards, greater than 0 after
// a successful CalcWasteVolume.
float DafScaleFactor(double wasteVolYd3, const QString& wmuType);
