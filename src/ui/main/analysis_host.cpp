#include "ui/main/analysis_host.h"

#include "platform/text/number_parse.h"
#include "ui/main/main_window_services.h"

namespace {
AnalysisHost* g_host = nullptr;
}   // namespace

AnalysisHost* analysisHost()
{
    return g_host;
}

void setAnalysisHost(AnalysisHost* host)
{
    g_host = host;
}

void startRiskAnalysis()
{
    if (const auto& run = mainWindowServices().runRiskAnalysis)
        run();
}

FieldValues siteRowValues(qint32 siteKey, const SiteWindowInputs& in)
{
    // No state chosen is stored as an empty text, not as NULL.
    const QString state = in.stateEntry.isEmpty() ? QStringLiteral("") : in.stateEntry.left(2);
    return {
        {QStringLiteral("SITEKEY"), siteKey},        {QStringLiteral("FILENAME"), in.fileName},
        {QStringLiteral("PETNAME"), in.siteId},      {QStringLiteral("PETID"), in.petitionId},
        {QStringLiteral("FACID1"), in.facId1},       {QStringLiteral("FACID2"), in.facId2},
        {QStringLiteral("CITY"), in.city},           {QStringLiteral("STATE"), state},
        {QStringLiteral("ZIPCODE"), in.zipCode},     {QStringLiteral("ANALDATE"), in.submitDate},
        {QStringLiteral("DLSTDATE"), in.delistDate}, {QStringLiteral("USERNAME"), in.userName},
        {QStringLiteral("COMMENTS"), in.comments},   {QStringLiteral("KORRGION"), in.regionIndex},
        {QStringLiteral("WSTEDESC"), in.wasteDesc},  {QStringLiteral("WSTECODE"), in.wasteCode},
    };
}

FieldValues unitRowValues(qint32 siteKey, const SiteWindowInputs& in)
{
    return {
        {QStringLiteral("SITEKEY"), siteKey},
        {QStringLiteral("WMUTYPE"), in.landfill ? QStringLiteral("LF") : QStringLiteral("SI")},
        {QStringLiteral("WASTEVOL"), leadingNumber(in.volume)},
        {QStringLiteral("ACTVLIFE"), leadingNumber(in.activeLife)},
        {QStringLiteral("RISKFACT"), leadingNumber(in.riskValue)},
        {QStringLiteral("HQFACT"), leadingNumber(in.hqValue)},
        {QStringLiteral("WVOLUNIT"), in.volumeUnitIndex},
        {QStringLiteral("FLOWRATE"), float(leadingNumber(in.flowRate))},
    };
}
