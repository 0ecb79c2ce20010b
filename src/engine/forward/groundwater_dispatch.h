#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/indoor_air.h"

#include <span>

// The groundwater pathways of one constituent: sets the run's unit type and DAF scaling
// factor, then ingestion levels and risk, dermal levels and risk, inhalation risk and levels,
// in this order. Mercury for the fish pathway only (22967-92-6) has no groundwater pathway: its
// groundwater fields are 0 and the run context is not touched. The indoor-air model's runs come
// from `air`.
void CalcGWPathways(RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs, const IndoorAirRuns& air,
                    const QString& wmuType, const ConstituentInputs& in, ConstituentResults& out);

// Computes ahead, in one batch, the indoor-air runs that CalcGWPathways will ask for when it is
// called on these rows in a run with this context and unit type.
void computeIndoorAirAhead(IndoorAirRuns& air, const RunContext& ctx, const DafCurves& dafs, const QString& wmuType,
                           std::span<const ConstituentInputs> rows);
