#include "ui/delisting/frmSurfaceWaterNonCarc.h"

namespace {

DelistingLayout design()
{
    DelistingLayout l;
    l.caption = QStringLiteral("Surface Water Exposure Pathways Delisting Level Analysis - Noncarcinogenic Chemicals");
    l.chemicalClass = kNoncarcinogen;
    l.clientWidthTwips = 9120;
    l.clientHeightTwips = 2295;
    l.columns = {
        DelistingColumn::chemicalName(3947),
        DelistingColumn::number(QStringLiteral("Dilution Attenuation Factor (DAF)"), QStringLiteral("H_DAF"), 1856),
        DelistingColumn::number(QStringLiteral("Reference Does (mg/kg-day)"), QStringLiteral("ORDO"), 1758),
        DelistingColumn::number(QStringLiteral("Inhalation Reference Does (mg/kg-day)"), QStringLiteral("ORDI"), 1993),
        DelistingColumn::number(QStringLiteral("Max Allowable Concentration Surface Water Ingestion (mg/L)"),
                                QStringLiteral("SWINGCswsh"), 2520),
        DelistingColumn::number(QStringLiteral("Max Allowable Concentration Fish Tissue (mg/L)"),
                                QStringLiteral("FISHINGCfishsh"), 2247),
        DelistingColumn::number(QStringLiteral("Max Allowable Dissolbed Phase Water Concentration (mg/L)"),
                                QStringLiteral("FISHINGCswsh"), 2266),
        DelistingColumn::number(QStringLiteral("Surface Water Ingestion (mg/L)"), QStringLiteral("SWINGsh"), 2755),
        DelistingColumn::number(QStringLiteral("Fish Ingestion (mg/L)"), QStringLiteral("FISHINGsh"), 2833),
    };
    l.groups = {{QString(), 0, 4},
                {QString(), 4, 3},
                {QStringLiteral("Pathway leachate Concentration Delisting Level"), 7, 2}};
    return l;
}

}   // namespace

frmSurfaceWaterNonCarc::frmSurfaceWaterNonCarc() : DelistingResultWindow(design()) {}
