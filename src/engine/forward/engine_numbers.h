#pragma once

#include <QVariant>

#include <cmath>
#include <limits>
#include <optional>

// Numbers as the engines read and keep them.

// The number a field holds; nullopt for NULL and for anything that is not a number (text).
std::optional<double> FieldNumber(const QVariant& value);

// `x` rounded to single precision; nullopt when `x` is not finite or lies beyond the single
// range, where single-precision arithmetic overflows.
inline std::optional<float> ToSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(x);
}
