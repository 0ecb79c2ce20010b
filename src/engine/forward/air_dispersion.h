#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/nongw_values.h"

// The dispersion and particulate emission terms that the air, impoundment and soil steps share.

// Side of the landfill's active area, the part of the unit area worked in one day:
// √(gUnitAreaM2 × 0.00410958904109589).
double activeAreaSide(const RunContext& ctx);

// Dispersion terms of a square source of side `side`, each kept single: the downwind
// distances xv = (side / 2 / 68.26)^(1 / 0.919) and x = side / 2000 + 0.3048, their sum
// (x + xv) × 1000 and the width x^B × A.
void calcDispersionTerms(double side, const ExposureConstants& c, StepCheck& step, const char* field, float& xv,
                         float& x, float& xSum, float& sigma);

// PM10 wind-erosion term of the active area (the PM30 term is twice it).
double windEmission10(const RunContext& ctx, const ExposureConstants& c);
// Vehicle-traffic term with the particle factor `kp` (KP10 or KP30), from the current VKT.
double trafficEmission(const RunContext& ctx, const ExposureConstants& c, double kp);
// Hourly unloading term with the particle factor `kpl` (KPL10 or KPL30) over the active life.
double unloadRate(const RunContext& ctx, const ExposureConstants& c, double kpl);

// The three PM30 terms into gWindEmis30, gTrafficEmis30, gUnloadRate30.
void calcPm30Emissions(RunContext& ctx, const ExposureConstants& c, StepCheck& step, const char* field);
