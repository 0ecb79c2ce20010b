#include "ui/delisting/frmGWCarc.h"

namespace {

DelistingLayout design()
{
    DelistingLayout l;
    l.caption = QStringLiteral("Groundwater Exposure Pathways Delisting Analysis - Carcinogenic Chemicals");
    l.chemicalClass = kCarcinogen;
    l.clientWidthTwips = 14190;
    l.clientHeightTwips = 5385;
    l.columns = {
        DelistingColumn::chemicalName(4787),
        DelistingColumn::number(QStringLiteral("Dilution Attenuation Factor (DAF)"), QStringLiteral("DAF"), 1641),
        DelistingColumn::number(QStringLiteral("Waste Volume-adjusted DAF"), QStringLiteral("WVDAF"), 1739),
        DelistingColumn::number(QStringLiteral("Oral Cancer Slope Factor (mg/kg-day)"), QStringLiteral("CSFO"), 1544),
        DelistingColumn::number(QStringLiteral("Inhalation Cancer Slope Factor (mg/kg-day)"), QStringLiteral("CSFI"),
                                1895),
        DelistingColumn::number(QStringLiteral("Groundwater Ingestion (mg/L)"), QStringLiteral("GWINGCgsr"), 1993),
        DelistingColumn::number(QStringLiteral("Adult Dermal Contact (mg/L)"), QStringLiteral("GWADULTCgsr"), 2071),
        DelistingColumn::number(QStringLiteral("Child Dermal Contact (mg/L)"), QStringLiteral("GWCHILDCgsr"), 2071),
        DelistingColumn::number(QStringLiteral("Adult Inhalation of Volatiles (mg/L)"), QStringLiteral("GWINHCgsr"),
                                2364),
        DelistingColumn::number(QStringLiteral("Groundwater Ingestion  (mg/L)"), QStringLiteral("GWINGsr"), 2149),
        DelistingColumn::number(QStringLiteral("Adult Dermal Contact (mg/L)"), QStringLiteral("GWADULTsr"), 1973),
        DelistingColumn::number(QStringLiteral("Child Dermail Contact (mg/L)"), QStringLiteral("GWCHILDsr"), 2012),
        DelistingColumn::number(QStringLiteral("Adult Inhalation of Volatitles (mg/L)"), QStringLiteral("GWINHsr"),
                                2325),
    };
    l.groups = {{QString(), 0, 5},
                {QStringLiteral("Maxinum Allowable Constituent Concentration"), 5, 4},
                {QStringLiteral("Pathway Leachate Concentration Delisting Level"), 9, 4}};
    return l;
}

}   // namespace

frmGWCarc::frmGWCarc() : DelistingResultWindow(design()) {}
