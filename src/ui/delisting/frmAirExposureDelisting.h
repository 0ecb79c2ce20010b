#pragma once

#include "ui/delisting/delisting_result_window.h"

// The air delisting levels of every chemical, by its class.
class frmAirExposureDelisting : public DelistingResultWindow {
    Q_OBJECT
public:
    frmAirExposureDelisting();
};
