#pragma once

#include "ui/delisting/delisting_result_window.h"

// The air delisting levels of the carcinogenic chemicals.
class frmAirCarc : public DelistingResultWindow {
    Q_OBJECT
public:
    frmAirCarc();
};
