#include "engine/forward/engine_numbers.h"

#include "platform/db/variant_number.h"

#include <cmath>
#include <limits>

std::optional<double> FieldNumber(const QVariant& value)
{
    return variantNumber(value);
}

std::optional<float> ToSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(x);
}
