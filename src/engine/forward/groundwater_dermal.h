#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

// Dermal contact with well water while showering or bathing, adult and child.

// The absorbed dose per event per unit well concentration for an event of `eventTime` hours:
// organic constituents the non-steady-state model (short event when TSTAR > eventTime, long
// event otherwise), inorganic ones steady-state permeation K × eventTime.
double dermalEventFactor(const ConstituentInputs& in, float eventTime);

// GWMax{ADULT,CHILD}sh/sr and GW{ADULT,CHILD}sh/sr: the allowable well concentrations at the
// targets and the leachate concentrations that give them; all 0 when K is 0.
void CalcGWDermalLevels(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                        const ConstituentInputs& in, ConstituentResults& out);

// GW{ADULT,CHILD}h and GW{ADULT,CHILD}r at the well concentration of the TCLP concentration;
// all four 0 when K is 0.
void CalcGWDermal(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs, const ConstituentInputs& in,
                  ConstituentResults& out);
