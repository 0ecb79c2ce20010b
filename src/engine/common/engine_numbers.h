#pragma once

#include <QVariant>

#include <cmath>
#include <limits>
#include <optional>

// Numbers as the engines read and keep them.

// The number a field holds; nullopt for NULL and for anything that is not a number (text).
std::optional<double> fieldNumber(const QVariant& value);

// `x` rounded to single precision; nullopt when `x` is not finite or lies beyond the single
// range, where single-precision arithmetic overflows.
inline std::optional<float> toSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(x);
}

// A waste-unit value the run checks before it starts (volume, active life, targets): present
// and above 0 once rounded to single precision, as the run holds it, so a value too small for
// single precision counts as zero.
inline bool positiveUnitValue(const std::optional<double>& v)
{
    return v && float(*v) > 0;
}

// `x` rounded to single precision and kept as a double.
inline double roundSingle(double x)
{
    return double(float(x));
}

// Lead, whose allowable levels are fixed rather than computed.
inline const QString kLeadCas = QStringLiteral("7439-92-1");

// The share of a landfill's area that is worked (uncovered) at a time, 1.5 / 365, as the
// formulas hold it.
constexpr double kActiveAreaShare = 0.00410958904109589;
