#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

// Drinking groundwater from the receptor well (adult).

// GWMaxINGsh/sr: the allowable well concentrations at the target hazard quotient and risk;
// GWINGsh/sr: the leachate concentrations that give them, through the DAF column of the
// constituent's class. Lead's risk-based well concentration is the fixed 0.015 mg/L.
void CalcGWIngLevels(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                     const ConstituentInputs& in, ConstituentResults& out);

// GWINGh and GWINGr at the well concentration of the TCLP concentration: the hazard quotient
// through the noncarcinogen DAF column, the risk through the carcinogen column.
void CalcGWIngRisk(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                   const ConstituentInputs& in, ConstituentResults& out);
