#pragma once

#include "engine/forward/constituent.h"

#include <QString>

#include <span>

// The limiting non-groundwater pathway of each constituent: of the allowable concentrations
// SWING, FISHING, AIRINHV, AIRINHP and SOILING (sh and sr), the smallest positive one, its
// pathway's label in LMTPTHTO and its value in LMTTOTAL. The risk-based value governs a tie
// between the two sides; among equal values of one side the earlier pathway. A row without a
// positive value gets "Not Applicable" and keeps its LMTTOTAL.
void FindLimitingPathway(std::span<ConstituentResults> rows);

// Writes the label of the pathway of `field` (one of the ten names) and that field's value;
// any other name writes nothing.
void SetLimitingPathway(const QString& field, ConstituentResults& row);
