#include "ui/delisting/frmAirCarc.h"

namespace {

DelistingLayout design()
{
    DelistingLayout l;
    l.caption = QStringLiteral("Air Exposure Pathways Delisting Analysis - Carcinogenic Chemicals");
    l.chemicalClass = kCarcinogen;
    l.clientWidthTwips = 14205;
    l.clientHeightTwips = 2130;
    l.columns = {
        DelistingColumn::chemicalName(4728),
        DelistingColumn::number(QStringLiteral("Dilution Attenuation Factor (DAF)"), QStringLiteral("DAF"), 2012),
        DelistingColumn::number(QStringLiteral("Oral Cancer Slope Factor (mg/kg-day)"), QStringLiteral("CSFO"), 1739),
        DelistingColumn::number(QStringLiteral("Inhalation Cancer Slope Factor (mg/kg-day)"), QStringLiteral("CSFI"),
                                1661),
        DelistingColumn::number(QStringLiteral(" Max Allowable Respirable POE air concentration (mg/m\u00B3)"),
                                QStringLiteral("AIRCairsr"), 2638),
        DelistingColumn::number(QStringLiteral("Waste Constituenct  Particulates Max Allowable Emission Rate  (mg/L)"),
                                QStringLiteral("AIRQpsr"), 2989),
        DelistingColumn::number(QStringLiteral("Landfill Particulates (mg/L)"), QStringLiteral("AIRINHPsr"), 2325),
        DelistingColumn::number(QStringLiteral("Landfill Volatiles (mg/L)"), QStringLiteral("AIRINHVsr"), 1973),
        DelistingColumn::number(QStringLiteral("Surface Impoundment Volatitles (mg/L)"), QStringLiteral("AIRSIsr"),
                                2677),
    };
    l.groups = {{QString(), 0, 4},
                {QString(), 4, 2},
                {QStringLiteral("Pathway Leachate Concentration Delisting Level"), 6, 3}};
    return l;
}

}   // namespace

frmAirCarc::frmAirCarc() : DelistingResultWindow(design()) {}
