#include "ui/results/frmTotalResultsRisk.h"

frmTotalResultsRisk::frmTotalResultsRisk()
    : SurfaceResultsWindow(QStringLiteral("Surface Pathway Risk"), QStringLiteral("r"),
                           QStringLiteral("Petitioned Waste Carcinogenic Risk - Surface Water Exposure Pathways"),
                           QStringLiteral("Surface Pathway Aggregate Cancer Risk"))
{
}
