#pragma once

#include "ui/delisting/delisting_result_window.h"

// The groundwater delisting levels of every chemical, by its class.
class frmGroundwaterDelistingLevel : public DelistingResultWindow {
    Q_OBJECT
public:
    frmGroundwaterDelistingLevel();
};
