#include "ui/delisting/frmAirNonCarc.h"

namespace {

DelistingLayout design()
{
    DelistingLayout l;
    l.caption = QStringLiteral("Air Exposure Pathways Delisting Analysis - Noncarcinogenic Chemicals");
    l.chemicalClass = kNoncarcinogen;
    l.clientWidthTwips = 8655;
    l.clientHeightTwips = 1950;
    l.columns = {
        DelistingColumn::chemicalName(4650),
        DelistingColumn::number(QStringLiteral("Dilution Attenuation Factor (DAF)"), QStringLiteral("H_DAF"), 1856),
        DelistingColumn::number(QStringLiteral("Reference Does (mg/kg-day)"), QStringLiteral("ORDO"), 1778),
        DelistingColumn::number(QStringLiteral("Inhaltion Reference Does (mg/kg-day)"), QStringLiteral("ORDI"), 1778),
        DelistingColumn::number(QStringLiteral("Max Allowable Respirable POE Air Concentraion (mg/ m3)"),
                                QStringLiteral("AIRCairsh"), 2696),
        DelistingColumn::number(QStringLiteral("Waste Constituent Particulates Max Allowable Emission Rate (mg/L)"),
                                QStringLiteral("AIRQpsh"), 2814),
        DelistingColumn::number(QStringLiteral("LandFill Particulate (mg/L)"), QStringLiteral("AIRINHPsh"), 1993),
        DelistingColumn::number(QStringLiteral("Landfill Volatiles (mg/L)"), QStringLiteral("AIRINHVsh"), 1915),
        DelistingColumn::number(QStringLiteral("Surface Impoundment Volatitles (mg/L)"), QStringLiteral("AIRSIsh"),
                                2345),
    };
    l.groups = {{QString(), 0, 4},
                {QString(), 4, 2},
                {QStringLiteral("Pathway Leachate Concentration Delisting Level"), 6, 3}};
    return l;
}

}   // namespace

frmAirNonCarc::frmAirNonCarc() : DelistingResultWindow(design()) {}
