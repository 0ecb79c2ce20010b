#pragma once

#include "ui/delisting/delisting_result_window.h"

// The soil ingestion delisting levels of every chemical, by its class.
class frmSoilPathwayDelisting : public DelistingResultWindow {
    Q_OBJECT
public:
    frmSoilPathwayDelisting();
};
