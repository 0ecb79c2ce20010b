#pragma once

#include "engine/common/daf_tables.h"
#include "engine/delisting/delisting_context.h"

// The delisting levels of one chemical, pathway by pathway: the largest waste concentration
// that keeps the receptor within the target risk (carcinogens, "sr" columns) or the target
// hazard quotient (noncarcinogens, "sh" columns), with the allowable media concentrations
// behind it. Each step writes only the columns of the branch the chemical's class selects; a
// missing (NULL or 0) property that a model needs, or a value that is not finite, gives 0 in
// that model's columns.

// Groundwater ingestion (through the concentration-dependent DAF curves of `curves`), then the
// dermal levels, then the inhalation columns, which are always 0.
void CalcGWDelistLevels(const DelistChemical& chem, bool IsCarc, const DelistingContext& ctx,
                        const ExposureConstants& c, const ChemicalDaf& daf, const DafCurves& curves,
                        DelistResults& out);

// Groundwater dermal absorption of the adult and the child, scaled by the chemical's single
// waste-volume adjusted DAF.
void CalcGWDermalDelistLevels(const DelistChemical& chem, bool IsCarc, const DelistingContext& ctx,
                              const ExposureConstants& c, const ChemicalDaf& daf, DelistResults& out);

// Surface-water drinking and fish ingestion.
void CalcSWDelistLevels(bool IsCarc, const DelistChemical& chem, const DelistingContext& ctx,
                        const ExposureConstants& c, DelistResults& out);

// Air: the allowable air concentration and emission rate, then the landfill particulate and
// volatile levels or the impoundment volatile level.
void CalcAirDelistLevels(const DelistChemical& chem, bool IsCarc, bool IsLandfill, const DelistingContext& ctx,
                         const ExposureConstants& c, DelistResults& out);

// Soil ingestion.
void CalcSoilDelistLevels(const DelistChemical& chem, bool IsCarc, const DelistingContext& ctx,
                          const ExposureConstants& c, DelistResults& out);

// Every step for one chemical: the DAF lookup and, when it succeeds, the four pathways.
// Returns whether the lookup succeeded.
bool calcChemicalDelistLevels(const DelistChemical& chem, const DelistingContext& ctx, const ExposureConstants& c,
                              const DelistDafMaxima& maxima, const DafCurves& curves, DelistResults& out);

// The particulate emissions of the unit used by the air levels (each capped at 10) and the
// soil levels (each capped at 30, their sum too). Exposed for the tests of the caps.
struct DustEmissions {
    float Ew = 0;   // wind erosion
    float Er = 0;   // vehicle traffic
    float Eu = 0;   // waste handling
};
DustEmissions airDustEmissions(const DelistingContext& ctx, const ExposureConstants& c);
DustEmissions soilDustEmissions(const DelistingContext& ctx, const ExposureConstants& c);
