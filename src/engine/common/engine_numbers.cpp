#include "engine/common/engine_numbers.h"

#include "platform/db/variant_number.h"

std::optional<double> fieldNumber(const QVariant& value)
{
    return variantNumber(value);
}
