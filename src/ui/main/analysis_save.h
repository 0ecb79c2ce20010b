#pragma once

#include "data/analysis_inputs.h"
#include "ui/main/input_windows.h"

// The SITEINFO row of the analysis from the analysis information window's controls.
FieldValues siteRowValues(qint32 siteKey, const SiteWindowInputs& inputs);
// The WMUINFO row: numbers are the leading numbers of their texts; the flow rate is held in
// single precision.
FieldValues unitRowValues(qint32 siteKey, const SiteWindowInputs& inputs);
