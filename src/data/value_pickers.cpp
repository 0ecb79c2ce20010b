#include "data/value_pickers.h"

#include "platform/db/variant_number.h"

bool isPositive(const QVariant& v)
{
    const std::optional<double> n = variantNumber(v);
    return n && *n > 0;
}

QVariant LargerPositive(const QVariant& a, const QVariant& b)
{
    const bool pa = isPositive(a);
    const bool pb = isPositive(b);
    if (pa && pb)
        return a.toDouble() > b.toDouble() ? a : b;
    if (pa)
        return a;
    if (pb)
        return b;
    return QVariant();
}

QVariant SmallerPositive(const QVariant& a, const QVariant& b)
{
    const bool pa = isPositive(a);
    const bool pb = isPositive(b);
    if (pa && pb)
        return a.toDouble() > b.toDouble() ? b : a;
    if (pa)
        return a;
    if (pb)
        return b;
    return QVariant(0);
}

QString SmallerPositiveField(const Recordset& rs, const QString& first, const QString& second)
{
    return SmallerPositiveField(first, rs.value(first), second, rs.value(second));
}

QString SmallerPositiveField(const QString& first, const QVariant& firstValue, const QString& second,
                             const QVariant& secondValue)
{
    const bool pa = isPositive(firstValue);
    const bool pb = isPositive(secondValue);
    if (pa && pb)
        return secondValue.toDouble() < firstValue.toDouble() ? second : first;
    if (!pa && pb)
        return second;
    return first;
}

std::optional<double> LargerPositive(double a, double b)
{
    const bool pa = a > 0;
    const bool pb = b > 0;
    if (pa && pb)
        return a > b ? a : b;
    if (pa)
        return a;
    if (pb)
        return b;
    return std::nullopt;
}

double SmallerPositive(double a, double b)
{
    const bool pa = a > 0;
    const bool pb = b > 0;
    if (pa && pb)
        return a > b ? b : a;
    if (pa)
        return a;
    if (pb)
        return b;
    return 0;
}
