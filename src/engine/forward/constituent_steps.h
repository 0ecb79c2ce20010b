#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/indoor_air.h"

#include <span>
#include <vector>

// What the steps of the constituent loop share during one run.
struct RowRun {
    RunContext& ctx;
    ExposureConstants& constants;
    const DafCurves& dafs;
    const WasteUnit& unit;
    IndoorAirRuns& indoorAir;   // the indoor-air model's runs of the groundwater steps
};

// One step of the constituent loop: computes result fields of one constituent row. A failure
// ends the run.
using ConstituentStep = Status (*)(RowRun& run, const ConstituentInputs& in, ConstituentResults& out);

// The steps run on every constituent row, in this order.
std::span<const ConstituentStep> constituentSteps();

// Runs the steps on every row, in the given order, each row starting with no result field
// written. The indoor-air runs of the groundwater steps are computed ahead in one batch.
Result<std::vector<ConstituentResults>> RunPathwayCalculations(RowRun& run, std::span<const ConstituentInputs> rows);
