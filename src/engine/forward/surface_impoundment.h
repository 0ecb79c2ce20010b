#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/nongw_values.h"

// Inhalation of the constituents that volatilise from the liquid surface of a surface
// impoundment, the one non-groundwater pathway of an impoundment; the others are 0.

// The mass-transfer terms of the impoundment, single precision: wind speed, fetch, depth,
// fetch-to-depth ratio, liquid-phase coefficient, gas-phase Schmidt number, effective
// diameter, gas-phase coefficient, dimensionless Henry coefficient, overall coefficient and the
// days to remove 99 per cent. The last three, and with them the four terms that divide by a
// diffusion coefficient, stay 0 for a HENRY of 0.
struct ImpoundmentTransfer {
    float uWind = 0, fetch = 0, depth = 0, FD = 0, kL = 0, ScG = 0, de = 0, kG = 0, Keq = 0, Kol = 0, tRem = 0;
};

// The terms for a liquid depth `depth`. With HENRY not 0, a DIFFA or DIFFW of 0 (or empty)
// fails, naming the field.
ImpoundmentTransfer calcImpoundmentTransfer(const RunContext& ctx, const ExposureConstants& c,
                                            const ConstituentInputs& in, float depth, StepCheck& step,
                                            const char* field);

// Forward step at TCLPCONC with the depth gWasteVolM3 / gUnitAreaM2: the forward dispersion
// terms of the whole unit area into the run context, AIRINHVh and AIRINHVr (singles; 0 when
// ORDI or CSFI is 0), then 0 for the eight other forward non-groundwater fields.
Status CalcImpoundmentRisk(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                           ConstituentResults& out);

// Back-calculation with the fixed depth 7.191: the dispersion terms into the run context,
// AIRINHVsh and AIRINHVsr (allowable TCLP concentrations), then 0 for the eight other
// back-calculated non-groundwater fields.
Status CalcImpoundmentLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                             ConstituentResults& out);
