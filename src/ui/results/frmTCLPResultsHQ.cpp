#include "ui/results/frmTCLPResultsHQ.h"

frmTCLPResultsHQ::frmTCLPResultsHQ()
    : GroundwaterResultsWindow(
        {QStringLiteral("Groundwater Pathway Hazard Quotient"),
         QStringLiteral("h"),
         QStringLiteral("NON"),
         true,
         QStringLiteral("Petitioned Waste Non-carcinogenic Hazard Quotient - Groundwater Exposure Pathways"),
         QStringLiteral("Groundwater Pathway Aggregate Hazard Quotient"),
         {5821, 2223, 2302, 2355, 2725, 2725, 2752, 2725, 3122}})
{
}
