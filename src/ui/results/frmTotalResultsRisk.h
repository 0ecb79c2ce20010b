#pragma once

#include "ui/results/surface_results_window.h"

// The surface-pathway cancer risks of the open analysis's constituents.
class frmTotalResultsRisk : public SurfaceResultsWindow {
    Q_OBJECT
public:
    frmTotalResultsRisk();
};
