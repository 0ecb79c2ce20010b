#pragma once

#include "ui/delisting/delisting_result_window.h"

// The surface-water and fish delisting levels of every chemical, by its class.
class frmSurfacewaterPathwayDelisting : public DelistingResultWindow {
    Q_OBJECT
public:
    frmSurfacewaterPathwayDelisting();
};
