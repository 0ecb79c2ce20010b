#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

// Ingestion of soil near a landfill on which one year of the unit's dust (PM30) has settled.

// Forward step at TOTCONC, right after the forward air step of the same row (its dispersion
// terms and VKT): the PM30 terms into the run context, then SOILINGh (0 when ORDO is 0) and
// SOILINGr (0 when CSFO is 0).
Status CalcSoilRisk(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out);

// Back-calculation from the dispersion terms of the particulate back-calculation: the PM30
// terms into the run context, then SOILINGsh and SOILINGsr; lead gets the level of a fixed
// allowable soil concentration of 100 and SOILINGsr = 0.
Status CalcSoilIngLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                         ConstituentResults& out);
