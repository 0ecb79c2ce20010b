#include "ui/chemdb/stored_values.h"

#include "platform/db/variant_number.h"
#include "platform/text/number_format.h"

namespace {

bool isNull(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

}   // namespace

GridCell storedCell(const QVariant& value)
{
    if (const std::optional<double> n = variantNumber(value))
        return {generalText(*n), *n, false};
    return isNull(value) ? GridCell{} : GridCell::fromText(value.toString());
}

GridCell scientificCell(const QVariant& value)
{
    if (const std::optional<double> n = variantNumber(value))
        return GridCell::fromNumber(*n);
    return isNull(value) ? GridCell{} : GridCell::fromText(value.toString());
}

bool storedValuesDiffer(const QVariant& a, const QVariant& b)
{
    if (isNull(a) || isNull(b))
        return false;
    const std::optional<double> x = variantNumber(a);
    const std::optional<double> y = variantNumber(b);
    if (x && y)
        return *x != *y;
    if (x || y)
        return true;
    return a.toString() != b.toString();
}
