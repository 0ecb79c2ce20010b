#pragma once

#include "ui/results/groundwater_results_window.h"

// The groundwater-pathway carcinogenic risks of the open analysis's constituents.
class frmTCLPResultsRisk : public GroundwaterResultsWindow {
    Q_OBJECT
public:
    frmTCLPResultsRisk();
};
