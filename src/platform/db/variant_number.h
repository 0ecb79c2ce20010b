#pragma once

#include <QVariant>

#include <optional>

// The number a value holds: any integer or floating-point type; nullopt for NULL, text and
// everything else.
inline std::optional<double> variantNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return v.toDouble();
    default:
        return std::nullopt;
    }
}
