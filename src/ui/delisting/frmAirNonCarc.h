#pragma once

#include "ui/delisting/delisting_result_window.h"

// The air delisting levels of the noncarcinogenic chemicals.
class frmAirNonCarc : public DelistingResultWindow {
    Q_OBJECT
public:
    frmAirNonCarc();
};
