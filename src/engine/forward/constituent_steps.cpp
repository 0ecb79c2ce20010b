#include "engine/forward/constituent_steps.h"

#include "engine/forward/groundwater_dispatch.h"

#include <array>

namespace {

Status groundwaterStep(RowRun& run, const ConstituentInputs& in, ConstituentResults& out)
{
    CalcGWPathways(run.ctx, run.constants, run.dafs, run.indoorAir, run.unit.WMUTYPE, in, out);
    return {};
}

constexpr std::array<ConstituentStep, 1> kSteps = {&groundwaterStep};

} // namespace

std::span<const ConstituentStep> constituentSteps()
{
    return kSteps;
}

Result<std::vector<ConstituentResults>> RunPathwayCalculations(RowRun& run, std::span<const ConstituentInputs> rows)
{
    computeIndoorAirAhead(run.indoorAir, run.ctx, run.dafs, run.unit.WMUTYPE, rows);
    std::vector<ConstituentResults> results(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        for (ConstituentStep step : constituentSteps())
            if (Status s = step(run, rows[i], results[i]); !s)
                return s.error();
    return results;
}
