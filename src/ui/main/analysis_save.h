#pragma once

#include "ui/main/input_windows.h"

#include <QVariant>

#include <utility>
#include <vector>

// Field values in the order the main window's Save writes them.
using FieldValues = std::vector<std::pair<QString, QVariant>>;

// The SITEINFO row of the analysis from the analysis information window's controls.
FieldValues siteRowValues(qint32 siteKey, const SiteWindowInputs& inputs);
// The WMUINFO row: numbers are the leading numbers of their texts; the flow rate is held in
// single precision.
FieldValues unitRowValues(qint32 siteKey, const SiteWindowInputs& inputs);
