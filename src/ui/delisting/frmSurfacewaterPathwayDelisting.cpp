#include "ui/delisting/frmSurfacewaterPathwayDelisting.h"

namespace {

DelistingLayout design()
{
    const DelistingCell dash = DelistingCell::dash();
    const auto field = [](const char* name) { return DelistingCell::of(QString::fromLatin1(name)); };
    DelistingLayout l;
    l.caption = QStringLiteral("Surface Water Exposure Pathways Delisting Level");
    l.clientWidthTwips = 14310;
    l.clientHeightTwips = 3120;
    l.gridLeftTwips = 0;
    l.gridTopTwips = 121;
    // Caption, width, then the cell of a carcinogen's row and of any other chemical's row.
    l.columns = {
        DelistingColumn::chemicalName(4162),
        {QStringLiteral("Dilution Attenuation Factor (DAF)"), 1895, field("DAF"), field("H_DAF")},
        {QStringLiteral("Oral (mg/kg-day)"), 1778, field("CSFO"), dash},
        {QStringLiteral("Inhaltion (mg/kg-day)"), 1856, field("CSFI"), dash},
        {QStringLiteral("Oral (mg/kg-day)"), 2012, dash, field("ORDO")},
        {QStringLiteral("Inhalation (mg/kg-day)"), 1798, dash, field("ORDI")},
        {QStringLiteral("Water Ingestion (mg/L)"), 2052, field("SWINGsr"), dash},
        {QStringLiteral("Fish Ingestion (mg/L)"), 1876, field("FISHINGsr"), dash},
        {QStringLiteral("Water Ingestion (mg/L)"), 1876, dash, field("SWINGsh")},
        {QStringLiteral("Fish Ingestion (mg/L)"), 1739, dash, field("FISHINGsh")},
    };
    l.groups = {{QString(), 0, 2},
                {QStringLiteral("Slot Factor"), 2, 2},
                {QStringLiteral("Reference Does"), 4, 2},
                {QStringLiteral("Carcinogenic"), 6, 2},
                {QStringLiteral("Non Carcinogenic"), 8, 2}};
    return l;
}

}   // namespace

frmSurfacewaterPathwayDelisting::frmSurfacewaterPathwayDelisting() : DelistingResultWindow(design()) {}
