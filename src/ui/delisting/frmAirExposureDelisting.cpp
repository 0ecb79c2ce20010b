#include "ui/delisting/frmAirExposureDelisting.h"

namespace {

DelistingLayout design()
{
    const DelistingCell dash = DelistingCell::dash();
    const auto field = [](const char* name) { return DelistingCell::of(QString::fromLatin1(name)); };
    DelistingLayout l;
    l.caption = QStringLiteral("Air Exposure Pathways Delisting Level");
    l.clientWidthTwips = 13515;
    l.clientHeightTwips = 8475;
    l.gridLeftTwips = 0;
    l.gridTopTwips = 0;
    // Caption, width, then the cell of a carcinogen's row and of any other chemical's row.
    l.columns = {
        DelistingColumn::chemicalName(4963),
        {QStringLiteral("Dilution Attenuation Factor (DAF)"), 1739, field("DAF"), field("H_DAF")},
        {QStringLiteral("Oral (mg/kg-day)"), 1954, field("CSFO"), dash},
        {QStringLiteral("Inhalation (mg/kg-day)"), 1856, field("CSFI"), dash},
        {QStringLiteral("Oral (mg/kg-day)"), 1817, dash, field("ORDO")},
        {QStringLiteral("Inhalation (mg/kg-day)"), 1895, dash, field("ORDI")},
        {QStringLiteral("Landfill Particulates (mg/L)"), 2247, field("AIRINHPsr"), dash},
        {QStringLiteral("Landfill Volatiles (mg/L)"), 2188, field("AIRINHVsr"), dash},
        {QStringLiteral("Surface Impoundment Volatiles (mg/L)"), 2247, field("AIRSIsr"), dash},
        {QStringLiteral("Landfill Particulates (mg/L)"), 2091, dash, field("AIRINHPsh")},
        {QStringLiteral("Landfill Volatiles (mg/L)"), 1934, dash, field("AIRINHVsh")},
        {QStringLiteral("Surface Impoundment Volatiles (mg/L)"), 2384, dash, field("AIRSIsh")},
    };
    l.groups = {{QStringLiteral("Chemical Name"), 0, 2},
                {QStringLiteral("Slot Factor"), 2, 2},
                {QStringLiteral("Reference Does"), 4, 2},
                {QStringLiteral("Carcinogenic"), 6, 3},
                {QStringLiteral("Non Carcinogenic"), 9, 3}};
    return l;
}

}   // namespace

frmAirExposureDelisting::frmAirExposureDelisting() : DelistingResultWindow(design()) {}
