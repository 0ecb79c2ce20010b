#include "ui/results/frmTotalResultsHQ.h"

frmTotalResultsHQ::frmTotalResultsHQ()
    : SurfaceResultsWindow(QStringLiteral("Surface Pathway Hazard Quotient"), QStringLiteral("h"),
                           QStringLiteral(
                               "Petitioned Waste Non-carcinogenic Hazard Quotient - Surface Water Exposure Pathways"),
                           QStringLiteral("Surface Pathway Aggregate Hazard Quotient"))
{
}
