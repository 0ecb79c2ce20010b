#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/nongw_values.h"

// Inhalation of the dust that wind erosion, vehicle traffic and unloading raise from the
// active area of a landfill.

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
