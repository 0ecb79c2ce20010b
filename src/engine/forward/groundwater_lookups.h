#pragma once

#include "engine/common/daf_tables.h"
#include "engine/common/run_context.h"
#include "engine/forward/constituent.h"

// The DAF lookups of the groundwater steps: the run's scaling factor and unit type, the
// constituent's CAS number, DAFs first. The DAF they hand back is not used.

// The receptor-well concentration at the constituent's TCLP concentration.
inline float gwWellConc(const RunContext& ctx, const DafCurves& dafs, const ConstituentInputs& in,
                        const QString& chemClass)
{
    double daf = 0;
    return InterpWellConc(dafs, ctx.gDafScale, daf, in.CHEMCAS, ctx.gWmuType, chemClass, false, in.TCLPCONC);
}

// The leachate concentration that gives `wellConc` in the receptor well.
inline float gwLeachateConc(const RunContext& ctx, const DafCurves& dafs, const ConstituentInputs& in,
                            const QString& chemClass, float wellConc)
{
    double daf = 0;
    return InterpLeachateConc(dafs, ctx.gDafScale, daf, in.CHEMCAS, ctx.gWmuType, chemClass, wellConc, false);
}

inline const QString kClassCarc = QStringLiteral("CARC");
inline const QString kClassNon = QStringLiteral("NON");
