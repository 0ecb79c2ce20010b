#pragma once

#include "ui/delisting/delisting_result_window.h"

// The groundwater delisting levels of the carcinogenic chemicals.
class frmGWCarc : public DelistingResultWindow {
    Q_OBJECT
public:
    frmGWCarc();
};
