#include "engine/forward/air_dispersion.h"

#include "engine/common/engine_numbers.h"
#include "engine/common/unit_conversions.h"

#include <cmath>

double activeAreaSide(const RunContext& ctx)
{
    return std::sqrt(ctx.gUnitAreaM2 * kActiveAreaShare);
}

void calcDispersionTerms(double side, const ExposureConstants& c, StepCheck& step, const char* field, float& xv,
                         float& x, float& xSum, float& sigma)
{
    xv = step.single(std::pow(side / 2 / 68.26, 1 / 0.919), field);
    x = step.single(side / 2000 + 0.3048, field);
    xSum = step.single((double(x) + xv) * 1000, field);
    sigma = step.single(std::pow(double(x), double(c.B)) * c.A, field);
}

double windEmission10(const RunContext& ctx, const ExposureConstants& c)
{
    return std::pow(4 / 5.445, 3) * ((1 - double(c.V)) * 0.036) * c.F_X * ctx.gUnitAreaM2 * kActiveAreaShare;
}

double trafficEmission(const RunContext& ctx, const ExposureConstants& c, double kp)
{
    return std::pow(c.WEIGHT / 2.7, 0.7) * (c.S / 12.0) * (kp * 1.7) * (c.SPEED / 48.0) * std::pow(c.W / 4.0, 0.5)
           * ((kDaysPerYear - double(c.PRECIP)) / kDaysPerYear) * (c.VKT * activeAreaSide(ctx) / 1000)
           * (1000 / double(kHoursPerDay));
}

double unloadRate(const RunContext& ctx, const ExposureConstants& c, double kpl)
{
    const double unload = (c.S / 5.0) * (4 / 2.2) * (c.DH / 1.5)
                          / (std::pow(c.M / 2.0, 2) * std::pow(c.YD / 4.6, 1 / 3.0)) * (kpl * 0.0009) * 1000
                          * ctx.gWasteVolYd3 * 1.289;
    return unload / (ctx.ACTVLIFE * kHoursPerYear);
}

void calcPm30Emissions(RunContext& ctx, const ExposureConstants& c, StepCheck& step, const char* field)
{
    ctx.gWindEmis30 = step.single(2 * windEmission10(ctx, c), field);
    ctx.gTrafficEmis30 = step.single(trafficEmission(ctx, c, c.KP30), field);
    ctx.gUnloadRate30 = step.single(unloadRate(ctx, c, c.KPL30), field);
}
