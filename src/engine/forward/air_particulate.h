#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/nongw_values.h"

// Inhalation of the dust that wind erosion, vehicle traffic and unloading raise from the
// active area of a landfill, and the dispersion and emission terms that the other air and
// soil steps share.

// Side of the landfill's active area, the part of the unit area worked in one day:
// √(gUnitAreaM2 × 0.00410958904109589).
double ActiveAreaSide(const RunContext& ctx);

// Dispersion terms of a square source of side `side`, each kept single: the downwind
// distances xv = (side / 2 / 68.26)^(1 / 0.919) and x = side / 2000 + 0.3048, their sum
// (x + xv) × 1000 and the width x^B × A.
void CalcDispersionTerms(double side, const ExposureConstants& c, StepCheck& step, const char* field, float& xv,
                         float& x, float& xSum, float& sigma);

// PM10 wind-erosion term of the active area (the PM30 term is twice it).
double WindEmission10(const RunContext& ctx, const ExposureConstants& c);
// Vehicle-traffic term with the particle factor `kp` (KP10 or KP30), from the current VKT.
double TrafficEmission(const RunContext& ctx, const ExposureConstants& c, double kp);
// Hourly unloading term with the particle factor `kpl` (KPL10 or KPL30) over the active life.
double UnloadRate(const RunContext& ctx, const ExposureConstants& c, double kpl);

// The three PM30 terms into gWindEmis30, gTrafficEmis30, gUnloadRate30.
void CalcPm30Emissions(RunContext& ctx, const ExposureConstants& c, StepCheck& step, const char* field);

// Forward air step at TOTCONC: sets VKT to 2 × gVktOneWay, the forward dispersion and PM10
// terms, AIRINHPh and AIRINHPr, then the volatile half (AIRINHVh, AIRINHVr). A value that
// cannot be stored is skipped together with whatever depends on it: its run-context member
// becomes NaN and its field keeps its content. Never fails.
void CalcAirRisk(RunContext& ctx, ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out);

// Back-calculation: the dispersion terms and the six emission terms into the run context, then
// AIRINHPsh and AIRINHPsr (written as singles; 0 when ORDI or CSFI is 0).
Status CalcAirPartLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                         ConstituentResults& out);

// For lead only: replaces the levels of CalcAirPartLevels by the level of a fixed allowable
// air concentration (AIRINHPsr) and AIRINHPsh = 0. Does nothing for any other chemical.
Status CalcAirPartLevelsLead(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                             ConstituentResults& out);
