#include "engine/forward/engine_numbers.h"

#include <cmath>
#include <limits>

std::optional<double> FieldNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toDouble();
    default:
        return std::nullopt;
    }
}

std::optional<float> ToSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(x);
}
