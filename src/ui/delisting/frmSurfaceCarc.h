#pragma once

#include "ui/delisting/delisting_result_window.h"

// The surface-water and fish delisting levels of the carcinogenic chemicals.
class frmSurfaceCarc : public DelistingResultWindow {
    Q_OBJECT
public:
    frmSurfaceCarc();
};
