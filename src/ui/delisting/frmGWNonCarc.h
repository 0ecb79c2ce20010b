#pragma once

#include "ui/delisting/delisting_result_window.h"

// The groundwater delisting levels of the noncarcinogenic chemicals.
class frmGWNonCarc : public DelistingResultWindow {
    Q_OBJECT
public:
    frmGWNonCarc();
};
