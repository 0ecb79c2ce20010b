#include "ui/delisting/frmGroundwaterDelistingLevel.h"

namespace {

DelistingLayout design()
{
    const DelistingCell dash = DelistingCell::dash();
    const DelistingCell empty = DelistingCell::empty();
    const auto field = [](const char* name) { return DelistingCell::of(QString::fromLatin1(name)); };
    DelistingLayout l;
    l.caption = QStringLiteral("Groundwater Exposure Pathways Delisting Level - Carcinogenic Cheimcals Constituents");
    l.gridName = QStringLiteral("grdGroundwaterDL");
    l.clientWidthTwips = 9900;
    l.clientHeightTwips = 8490;
    // Caption, width, then the cell of a carcinogen's row and of any other chemical's row.
    l.columns = {
        DelistingColumn::chemicalName(2774),
        {QStringLiteral("Dilution Attenuation Factor (DAF)"), 2091, field("DAF"), field("H_DAF")},
        {QStringLiteral("Oral (mg/kg-day)"), 1739, field("CSFO"), empty},
        {QStringLiteral("Inhalation (mg/kg-day)"), 1700, field("CSFI"), empty},
        {QStringLiteral("Oral (mg/kg-day)"), 1583, dash, field("ORDO")},
        {QStringLiteral("Inhalation (mg/kg-day)"), 1622, dash, field("ORDI")},
        {QStringLiteral("Groundwater Ingestion (mg/L)"), 2052, field("GWINGsr"), empty},
        {QStringLiteral("Adult Dermal Contact (mg/L)"), 1778, field("GWADULTsr"), empty},
        {QStringLiteral("Child Dermal Contact (mg/L)"), 1641, field("GWCHILDsr"), empty},
        {QStringLiteral("Shower Inhalation (mg/L)"), 1719, field("GWINHsr"), empty},
        {QStringLiteral("Groundwater Ingestion (mg/L)"), 2188, dash, field("GWINGsh")},
        {QStringLiteral("Adult Dermal Contact (mg/L)"), 1719, dash, field("GWADULTsh")},
        {QStringLiteral("Child Dermal Contact (mg/L)"), 1544, dash, field("GWCHILDsh")},
        {QStringLiteral("Shower Inhalation (mg/L)"), 1758, dash, field("GWINHsh")},
    };
    l.groups = {{QString(), 0, 2},
                {QStringLiteral("Slot Factor"), 2, 2},
                {QStringLiteral("Reference Does"), 4, 2},
                {QStringLiteral("Carcinogenic Chemicals Consitituents"), 6, 4},
                {QStringLiteral("Non_Carcinogenic Chemicals Constituents"), 10, 4}};
    return l;
}

}   // namespace

frmGroundwaterDelistingLevel::frmGroundwaterDelistingLevel() : DelistingResultWindow(design()) {}
