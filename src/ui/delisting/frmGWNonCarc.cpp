#include "ui/delisting/frmGWNonCarc.h"

namespace {

DelistingLayout design()
{
    DelistingLayout l;
    l.caption = QStringLiteral("Groundwater Exposure Pathways Delisting Analysis - Noncarcinogenic Chemicals");
    l.chemicalClass = kNoncarcinogen;
    l.clientWidthTwips = 7470;
    l.clientHeightTwips = 3540;
    l.columns = {
        DelistingColumn::chemicalName(5744),
        DelistingColumn::number(QStringLiteral("Dilution Attenuation Factor (DAF)"), QStringLiteral("H_DAF"), 1778),
        DelistingColumn::number(QStringLiteral("Waste Volume Adjusted DAF"), QStringLiteral("H_WVDAF"), 1583),
        DelistingColumn::number(QStringLiteral("Reference Dose (mg/kg-day)"), QStringLiteral("ORDO"), 1837),
        DelistingColumn::number(QStringLiteral("Inhalation Reference Dose (mg/kg-day)"), QStringLiteral("ORDI"), 1934),
        DelistingColumn::number(QStringLiteral("Groundwater Ingestion (mg/L)"), QStringLiteral("GWINGCgsh"), 1973),
        DelistingColumn::number(QStringLiteral("Adult Dermal Contact (mg/L)"), QStringLiteral("GWADULTCgsh"), 2032),
        DelistingColumn::number(QStringLiteral("Child Dermal Contact (mg/L)"), QStringLiteral("GWCHILDCgsh"), 2032),
        DelistingColumn::number(QStringLiteral("Adult Inhaltion of Volatiles (mg/L)"), QStringLiteral("GWINHCgsh"),
                                2130),
        DelistingColumn::number(QStringLiteral("Groundwater Ingestion (mg/L)"), QStringLiteral("GWINGsh"), 2071),
        DelistingColumn::number(QStringLiteral("Adult Dermal Contact (mg/L)"), QStringLiteral("GWADULTsh"), 1758),
        DelistingColumn::number(QStringLiteral("Child Dermal Contact (mg/L)"), QStringLiteral("GWCHILDsh"), 1915),
        DelistingColumn::number(QStringLiteral("Adult Inhalation of Volatitles (mg/L)"), QStringLiteral("GWINHsh"),
                                2188),
    };
    l.groups = {{QString(), 0, 5},
                {QStringLiteral("Maxinum Allowable Constituent Concentration"), 5, 4},
                {QStringLiteral("Pathway Leachate Concentration Delisting Level"), 9, 4}};
    return l;
}

}   // namespace

frmGWNonCarc::frmGWNonCarc() : DelistingResultWindow(design()) {}
