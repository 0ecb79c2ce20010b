#include "engine/delisting/delisting_levels.h"

bool calcChemicalDelistLevels(const DelistChemical& chem, const DelistingContext& ctx, const ExposureConstants& c,
                              const DelistDafMaxima& maxima, const DafCurves& curves, DelistResults& out)
{
    const std::optional<ChemicalDaf> daf = LookupDelistDAF(chem, ctx, maxima, out);
    if (!daf)
        return false;
    const bool IsCarc = chem.isCarcinogen();
    const bool IsLandfill = ctx.gWmuTypeDL == QLatin1String("LF");
    CalcGWDelistLevels(chem, IsCarc, ctx, c, *daf, curves, out);
    CalcSWDelistLevels(IsCarc, chem, ctx, c, out);
    CalcAirDelistLevels(chem, IsCarc, IsLandfill, ctx, c, out);
    CalcSoilDelistLevels(chem, IsCarc, ctx, c, out);
    return true;
}
