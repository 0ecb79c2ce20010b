#pragma once

#include "platform/db/recordset.h"

#include <QVariant>

#include <optional>

// Choosing the limiting (smallest) or governing (largest) of two results, where values that
// are not positive (0, negative, NULL, empty) mean "does not apply". An invalid QVariant is
// both NULL and empty.

bool isPositive(const QVariant& v);

// The larger positive value, b on a tie; empty (invalid) when neither is positive.
QVariant LargerPositive(const QVariant& a, const QVariant& b);
// The smaller positive value, a on a tie; the integer 0 when neither is positive.
QVariant SmallerPositive(const QVariant& a, const QVariant& b);
// The name of the field of the current row whose value is the smaller positive, first on a
// tie; first when neither is positive.
QString SmallerPositiveField(const Recordset& rs, const QString& first, const QString& second);
// The same on two named values.
QString SmallerPositiveField(const QString& first, const QVariant& firstValue, const QString& second,
                             const QVariant& secondValue);

// The same on plain numbers, for the engines.
std::optional<double> LargerPositive(double a, double b);
double SmallerPositive(double a, double b);
