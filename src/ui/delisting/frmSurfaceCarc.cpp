#include "ui/delisting/frmSurfaceCarc.h"

namespace {

DelistingLayout design()
{
    DelistingLayout l;
    l.caption = QStringLiteral("Surface Water Exposure Pathways Delisting Level Analysis - Carcinogenic Chemicals");
    l.chemicalClass = kCarcinogen;
    l.clientWidthTwips = 13380;
    l.clientHeightTwips = 2475;
    l.columns = {
        DelistingColumn::chemicalName(4728),
        DelistingColumn::number(QStringLiteral("Dilution Attenuation Factor (DAF)"), QStringLiteral("DAF"), 2188),
        DelistingColumn::number(QStringLiteral("Oral Cancer Slope Factor (mg/kg-day)"), QStringLiteral("CSFO"), 1973),
        DelistingColumn::number(QStringLiteral("Inhalation Cancer Sloope Factor (mg/kg-day)"), QStringLiteral("CSFI"),
                                1895),
        DelistingColumn::number(QStringLiteral("Max Allowable Conecntrion Surface Water Ingestion (mg/L)"),
                                QStringLiteral("SWINGCswsr"), 2560),
        DelistingColumn::number(QStringLiteral("Max Allowable Concentration Fish Tissue (mg/L)"),
                                QStringLiteral("FISHINGCfishsr"), 2560),
        DelistingColumn::number(QStringLiteral("Max Allowable Dissolved Phasw Water Concentration (mg/L)"),
                                QStringLiteral("FISHINGCswsr"), 2364),
        DelistingColumn::number(QStringLiteral("Surface Water Ingestion (mg/L)"), QStringLiteral("SWINGsr"), 2638),
        DelistingColumn::number(QStringLiteral("Fish Ingestion (mg/L)"), QStringLiteral("FISHINGsr"), 2735),
    };
    l.groups = {{QString(), 0, 4},
                {QString(), 4, 3},
                {QStringLiteral("Pathway Leachate Concentration Delisting Level"), 7, 2}};
    return l;
}

}   // namespace

frmSurfaceCarc::frmSurfaceCarc() : DelistingResultWindow(design()) {}
