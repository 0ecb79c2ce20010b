#include "engine/forward/groundwater_dispatch.h"

#include "engine/forward/groundwater_dermal.h"
#include "engine/forward/groundwater_ingestion.h"
#include "engine/forward/groundwater_inhalation.h"

namespace {

const QString kFishMercury = QStringLiteral("22967-92-6");

void writeZeros(ConstituentResults& out)
{
    for (std::optional<double> ConstituentResults::*f :
         {&ConstituentResults::GWINGh,       &ConstituentResults::GWINGr,    &ConstituentResults::GWMaxINGsh,
          &ConstituentResults::GWMaxINGsr,   &ConstituentResults::GWINGsh,   &ConstituentResults::GWINGsr,
          &ConstituentResults::GWADULTh,     &ConstituentResults::GWADULTr,  &ConstituentResults::GWMaxADULTsh,
          &ConstituentResults::GWMaxADULTsr, &ConstituentResults::GWADULTsh, &ConstituentResults::GWADULTsr,
          &ConstituentResults::GWCHILDh,     &ConstituentResults::GWCHILDr,  &ConstituentResults::GWMaxCHILDsh,
          &ConstituentResults::GWMaxCHILDsr, &ConstituentResults::GWCHILDsh, &ConstituentResults::GWCHILDsr,
          &ConstituentResults::GWINHh,       &ConstituentResults::GWINHr,    &ConstituentResults::SHWRRATEh,
          &ConstituentResults::SHWRRATEr,    &ConstituentResults::BATHRATEh, &ConstituentResults::BATHRATEr,
          &ConstituentResults::HSERATEh,     &ConstituentResults::HSERATEr,  &ConstituentResults::GWMaxINHsh,
          &ConstituentResults::GWMaxINHsr,   &ConstituentResults::GWINHsh,   &ConstituentResults::GWINHsr})
        out.*f = 0;
}

}   // namespace

void CalcGWPathways(RunContext& ctx, const ExposureConstants& k, const DafCurves& dafs, const IndoorAirRuns& air,
                    const QString& wmuType, const ConstituentInputs& in, ConstituentResults& out)
{
    if (in.CHEMCAS == kFishMercury) {
        writeZeros(out);
        return;
    }
    ctx.gWmuType = wmuType;
    ctx.gDafScale = dafScaleFactor(ctx.gWasteVolYd3, ctx.gWmuType);

    CalcGWIngLevels(ctx, k, dafs, in, out);
    CalcGWIngRisk(ctx, k, dafs, in, out);
    CalcGWDermalLevels(ctx, k, dafs, in, out);
    CalcGWDermal(ctx, k, dafs, in, out);
    CalcGWInhRisk(ctx, k, dafs, air, in, out);
    CalcGWInhLevels(ctx, k, dafs, in, out);
}

void computeIndoorAirAhead(IndoorAirRuns& air, const RunContext& ctx, const DafCurves& dafs, const QString& wmuType,
                           std::span<const ConstituentInputs> rows)
{
    RunContext run = ctx;
    run.gWmuType = wmuType;
    run.gDafScale = dafScaleFactor(run.gWasteVolYd3, run.gWmuType);
    std::vector<IndoorAirInput> inputs;
    for (const ConstituentInputs& in : rows)
        if (in.CHEMCAS != kFishMercury)
            for (const IndoorAirInput& model : gwInhalationModelInputs(run, dafs, in))
                inputs.push_back(model);
    air.computeAhead(inputs);
}
