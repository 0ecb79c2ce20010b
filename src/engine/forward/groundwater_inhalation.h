#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"
#include "engine/forward/indoor_air.h"

#include <vector>

// Indoor inhalation of what volatilises from well water in the shower, the bathroom and the
// rest of the house.

// GWINHh, GWINHr and the six ratio fields at the well concentrations of the TCLP
// concentration (noncarcinogen DAF column for the hazard side, carcinogen column for the
// risk side). Leaves the six compartment air concentrations in the run context for
// CalcGWInhLevels; all 0 when HENRY, DIFFW or DIFFA is 0. Takes the model's runs from `air`.
void CalcGWInhRisk(RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs, const IndoorAirRuns& air,
                   const ConstituentInputs& in, ConstituentResults& out);

// The indoor-air model runs CalcGWInhRisk asks for: at the carcinogen and at the
// noncarcinogen well concentration; none when HENRY, DIFFW or DIFFA is 0.
std::vector<IndoorAirInput> gwInhalationModelInputs(const RunContext& ctx, const DafCurves& dafs,
                                                    const ConstituentInputs& in);

// GWMaxINHsh/sr and GWINHsh/sr from the air concentrations CalcGWInhRisk left for the same
// constituent.
void CalcGWInhLevels(const RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs,
                     const ConstituentInputs& in, ConstituentResults& out);
