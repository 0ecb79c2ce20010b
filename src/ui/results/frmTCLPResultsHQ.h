#pragma once

#include "ui/results/groundwater_results_window.h"

// The groundwater-pathway noncarcinogenic hazard quotients of the open analysis's constituents.
class frmTCLPResultsHQ : public GroundwaterResultsWindow {
    Q_OBJECT
public:
    frmTCLPResultsHQ();
};
