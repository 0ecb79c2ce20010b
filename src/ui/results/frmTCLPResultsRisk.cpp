#include "ui/results/frmTCLPResultsRisk.h"

frmTCLPResultsRisk::frmTCLPResultsRisk()
    : GroundwaterResultsWindow({QStringLiteral("Groundwater Pathway Risk"),
                                QStringLiteral("r"),
                                QStringLiteral("CARC"),
                                false,
                                QStringLiteral("Petitioned Waste Carcinogenic Risk - Groundwater Exposure Pathways"),
                                QStringLiteral("Groundwater Pathway Aggregate Risk"),
                                {4763, 1905, 2090, 2937, 2752, 2752, 2619, 2619, 2699}})
{
}
