#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

// Surface water and fish ingestion of a landfill: erosion of the unit's surface carries the
// waste at its total concentration into a drinking-water body and a fish water body.

// Forward step: the soil loss and water-body factors of the unit (into the run context), then
// AMBCONC, SWINGh, FISHINGh (0 when ORDO is 0) and SWINGr, FISHINGr (0 when CSFO is 0) at
// TOTCONC; mercury for the fish pathway only gets 0 for the two drinking-water values.
Status CalcSWFishRisk(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                      ConstituentResults& out);

// Back-calculation from the factors the forward step left: SWINGsh, SWINGsr, FISHINGsh,
// FISHINGsr, the total concentrations at the targets. Writes nothing when the drinking-water
// factor is 0.
Status CalcSWFishLevels(const RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                        ConstituentResults& out);

// The fish uptake factor: BAF when the LOGKOW threshold holds (LOGKOW > 4, or ≥ 4 when
// `fourCounts`) and BAF is not 0, else BCF when not 0, else BAF when not 0; nullopt without one.
std::optional<double> fishUptakeFactor(const ConstituentInputs& in, bool fourCounts);
