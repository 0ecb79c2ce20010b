#pragma once

#include "platform/db/result.h"

#include <QString>

// The 52 entries of the state list ("AK - Alaska" … "PR - Puerto Rico"), as the analysis
// window's state drop-down holds them.
constexpr int kStateCount = 52;

// The entry at a drop-down position: 0 to 51, or -1 (nothing chosen) for the empty text.
// Any other position fails.
Result<QString> GetStateListItem(qint16 position);

// The two-letter code of a full state name compared without letter case (nothing else is
// done to the name); the empty text when no name matches.
QString GetStateCode(const QString& name);
