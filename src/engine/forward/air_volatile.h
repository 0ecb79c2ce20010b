#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/nongw_values.h"

// Inhalation of the vapour that diffuses from the waste through the cover of a landfill's
// active area.

// Saturated vapour concentration VAPORP × MW / (T × RGAS), kept single.
float vaporSaturationConc(const ExposureConstants& c, const ConstituentInputs& in, StepCheck& step, const char* field);

// The volatile half of the forward air step (CalcAirRisk), after its particulate half and with
// its step check: AIRINHVh and AIRINHVr at TOTCONC, from the forward dispersion terms.
void calcAirVolatileRisk(const RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                         ConstituentResults& out, StepCheck& step);

// Back-calculation: the dispersion terms into the run context, then AIRINHVsh and AIRINHVsr;
// a level is 0 when ORDI (CSFI) is 0, when the saturated vapour concentration is 0 and when
// DIFFA is 0 or empty (no volatile limit).
Status CalcAirVolLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                        ConstituentResults& out);
