#pragma once

#include "ui/results/surface_results_window.h"

// The surface-pathway hazard quotients of the open analysis's constituents.
class frmTotalResultsHQ : public SurfaceResultsWindow {
    Q_OBJECT
public:
    frmTotalResultsHQ();
};
