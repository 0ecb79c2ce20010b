#include "engine/forward/nongw_dispatch.h"

#include "engine/forward/air_particulate.h"
#include "engine/forward/air_volatile.h"
#include "engine/forward/nongw_values.h"
#include "engine/forward/soil_ingestion.h"
#include "engine/forward/surface_impoundment.h"
#include "engine/forward/surface_water.h"

namespace {

const QLatin1String kLandfill("LF");
const QLatin1String kFishOnlyMercury("22967-92-6");

Status ecologicalLevel(const RunContext& ctx, const ConstituentInputs& in, ConstituentResults& out)
{
    if (!(ctx.gSwFactor1 > 0))
        return {};
    if (in.ECOCHRONIsNull) {
        out.ECOCHRNs.reset();
        return {};
    }
    StepCheck step(in);
    step.write(out.ECOCHRNs, in.ECOCHRON / double(ctx.gSwFactor1), "ECOCHRNs");
    return step.status();
}

}   // namespace

Status CalcNonGWRisk(RunContext& ctx, ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out)
{
    const bool fishOnly = in.CHEMCAS == kFishOnlyMercury;
    if (ctx.gWmuType != kLandfill)
        return fishOnly ? Status() : CalcImpoundmentRisk(ctx, c, in, out);

    if (Status s = CalcSWFishRisk(ctx, c, in, out); !s || fishOnly)
        return s;
    CalcAirRisk(ctx, c, in, out);
    return CalcSoilRisk(ctx, c, in, out);
}

Status CalcNonGWLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                       ConstituentResults& out)
{
    const bool fishOnly = in.CHEMCAS == kFishOnlyMercury;
    if (ctx.gWmuType != kLandfill)
        return fishOnly ? Status() : CalcImpoundmentLevels(ctx, c, in, out);

    if (Status s = CalcSWFishLevels(ctx, c, in, out); !s)
        return s;
    if (Status s = ecologicalLevel(ctx, in, out); !s || fishOnly)
        return s;
    if (Status s = CalcAirPartLevels(ctx, c, in, out); !s)
        return s;
    if (Status s = CalcAirPartLevelsLead(ctx, c, in, out); !s)
        return s;
    if (Status s = CalcAirVolLevels(ctx, c, in, out); !s)
        return s;
    return CalcSoilIngLevels(ctx, c, in, out);
}
