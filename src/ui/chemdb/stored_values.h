#pragma once

#include "platform/ui/grid_model.h"

#include <QVariant>

// Cells and comparisons of values as a table stores them (NULL, number or text).

// The value as stored: a number in its general text form, a text as it is; empty for NULL.
GridCell storedCell(const QVariant& value);
// A number in "0.00E+00", a text as it is; empty for NULL.
GridCell scientificCell(const QVariant& value);

// Whether two stored values differ: numbers that are not exactly equal, texts that are not
// identical (letter case counts), a number against a text. A NULL on either side never differs.
bool storedValuesDiffer(const QVariant& a, const QVariant& b);
