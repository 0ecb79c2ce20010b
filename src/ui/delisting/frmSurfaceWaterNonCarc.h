#pragma once

#include "ui/delisting/delisting_result_window.h"

// The surface-water and fish delisting levels of the noncarcinogenic chemicals.
class frmSurfaceWaterNonCarc : public DelistingResultWindow {
    Q_OBJECT
public:
    frmSurfaceWaterNonCarc();
};
