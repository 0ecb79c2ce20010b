#pragma once

#include "engine/common/exposure_constants.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

// The non-groundwater pathways of one constituent row, chosen by the run's unit type and the
// constituent's CAS number. The constituent loop calls CalcNonGWRisk, then CalcNonGWLevels,
// then the groundwater pathways: the back-calculations read what the forward steps of the same
// row leave in the run context.
//
// gWmuType "LF" (exactly) runs the landfill pathways: surface water and fish, then (not for
// mercury for the fish pathway only, 22967-92-6) air particulates and volatiles and soil. Any
// other unit type runs the impoundment pathways, which write 0 to the surface-water, fish,
// particulate and soil fields, and nothing for 22967-92-6.
//
// A value that cannot be stored fails the call, naming the constituent and the field, with
// the results half written: the run rolls back. The forward air step is the exception: it
// skips such a value and leaves its field NULL.

// Forward step at the waste concentration (TOTCONC for a landfill, TCLPCONC for an
// impoundment). The forward air step sets the exposure constant VKT to 2 × gVktOneWay, the
// same value at every call of a run, so nothing has to track the first call: VKT stays so
// until the constants are loaded again.
Status CalcNonGWRisk(RunContext& ctx, ExposureConstants& c, const ConstituentInputs& in, ConstituentResults& out);

// Back-calculation of the allowable waste concentrations at the targets, and for a landfill
// the ecological level ECOCHRNs = ECOCHRON / gSwFactor1 (NULL for a NULL ECOCHRON, not written
// when the factor is not positive).
Status CalcNonGWLevels(RunContext& ctx, const ExposureConstants& c, const ConstituentInputs& in,
                       ConstituentResults& out);
