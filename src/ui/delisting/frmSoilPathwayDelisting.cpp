#include "ui/delisting/frmSoilPathwayDelisting.h"

namespace {

DelistingLayout design()
{
    const DelistingCell dash = DelistingCell::dash();
    const auto field = [](const char* name) { return DelistingCell::of(QString::fromLatin1(name)); };
    DelistingLayout l;
    l.caption = QStringLiteral("Soil exposure Pathway Delisting Level");
    l.clientWidthTwips = 10980;
    l.clientHeightTwips = 3300;
    l.gridLeftTwips = 242;
    l.gridTopTwips = 242;
    // Caption, width, then the cell of a carcinogen's row and of any other chemical's row.
    l.columns = {
        DelistingColumn::chemicalName(4689),
        {QStringLiteral("Dilution Attenuation Factor (DAF)"), 1758, field("DAF"), field("H_DAF")},
        {QStringLiteral("Oral Cancer Slope Factor (mg/kg-day)"), 1719, field("CSFO"), dash},
        {QStringLiteral("Reference Does (mg/kg-day)"), 2032, dash, field("ORDO")},
        {QStringLiteral("Max Allowable Concentration (mg/kg)"), 2950, field("SOILINCsoilsr"), dash},
        {QStringLiteral("Soil Ingestion (mg/kg)"), 1993, field("SOILINGsr"), dash},
        {QStringLiteral("Max Allowable Concentration (mg/kg)"), 2872, dash, field("SOILINCsoilsh")},
        {QStringLiteral("Soil Ingestion (mg/kg)"), 2833, dash, field("SOILINGsh")},
    };
    l.groups = {{QString(), 0, 4}, {QStringLiteral("Carcinogenic"), 4, 2}, {QStringLiteral("Non Canrcinogenic"), 6, 2}};
    return l;
}

}   // namespace

frmSoilPathwayDelisting::frmSoilPathwayDelisting() : DelistingResultWindow(design()) {}
