#include "engine/forward/constituent_steps.h"

#include "engine/forward/groundwater_dispatch.h"
#include "engine/forward/nongw_dispatch.h"

#include <array>

namespace {

Status nonGroundwaterRiskStep(RowRun& run, const ConstituentInputs& in, ConstituentResults& out)
{
    return CalcNonGWRisk(run.ctx, run.constants, in, out);
}

Status nonGroundwaterLevelsStep(RowRun& run, const ConstituentInputs& in, ConstituentResults& out)
{
    return CalcNonGWLevels(run.ctx, run.constants, in, out);
}

Status groundwaterStep(RowRun& run, const ConstituentInputs& in, ConstituentResults& out)
{
    CalcGWPathways(run.ctx, run.constants, run.dafs, run.indoorAir, run.unit.WMUTYPE, in, out);
    return {};
}

constexpr std::array<ConstituentStep, 3> kSteps = {&nonGroundwaterRiskStep, &nonGroundwaterLevelsStep,
                                                   &groundwaterStep};

}   // namespace

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
