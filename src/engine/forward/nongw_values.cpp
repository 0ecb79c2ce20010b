#include "engine/forward/nongw_values.h"

#include "engine/common/engine_numbers.h"

#include <cmath>
#include <limits>

StepCheck::StepCheck(const ConstituentInputs& in, Mode mode) : m_in(in), m_mode(mode) {}

float StepCheck::single(double x, const char* field)
{
    if (const std::optional<float> s = toSingle(x); s && !failed())
        return *s;
    fail(field);
    return std::numeric_limits<float>::quiet_NaN();
}

void StepCheck::write(std::optional<double>& target, double x, const char* field, bool asSingle)
{
    if (asSingle)
        x = single(x, field);
    if (failed())
        return;
    if (!std::isfinite(x)) {
        fail(field);
        return;
    }
    target = x;
}

void StepCheck::refuse(const char* field, const QString& why)
{
    if (!failed())
        m_error = Error{kErrCalculation,
                        QStringLiteral("%1 (%2), %3: %4").arg(m_in.CHEMNAME, m_in.CHEMCAS, QLatin1String(field), why)};
}

Status StepCheck::status() const
{
    if (m_error)
        return *m_error;
    return {};
}

void StepCheck::fail(const char* field)
{
    if (m_mode == Mode::SkipStep)
        return;
    refuse(field, QStringLiteral("the calculation gives a value that cannot be stored (a division by zero, "
                                 "an overflow or an invalid operation)."));
}
