#include "number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// A positive value rounded to a number of significant digits: the digits and
// the decimal exponent of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

template <typename T>
Decimal roundedDecimal(T magnitude, int significantDigits)
{
    char buffer[64];
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, significantDigits - 1)
            .ptr;
    Decimal result;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            result.digits.push_back(*p);
    }
    result.exponent = std::atoi(std::string(p + 1, end).c_str());
    return result;
}

QString exponentText(int exponent)
{
    return QStringLiteral("E%1%2")
        .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

template <typename T>
QString generalTextOf(T value, int significantDigits)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");

    Decimal d = roundedDecimal(std::fabs(value), significantDigits);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const QString digits = QString::fromLatin1(d.digits.data(), qsizetype(d.digits.size()));

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (d.exponent < -4 || d.exponent >= 15) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += QLatin1Char('.') + digits.mid(1);
        return text + exponentText(d.exponent);
    }
    if (d.exponent < 0)
        return text + QStringLiteral("0.") + QString(-d.exponent - 1, QLatin1Char('0')) + digits;

    const qsizetype integerDigits = d.exponent + 1;
    if (digits.size() <= integerDigits)
        return text + digits + QString(integerDigits - digits.size(), QLatin1Char('0'));
    return text + digits.left(integerDigits) + QLatin1Char('.') + digits.mid(integerDigits);
}

}   // namespace

QString formatScientific(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0.00E+00");

    const Decimal d = roundedDecimal(std::fabs(value), 15);
    std::string three = d.digits.substr(0, 3);
    int exponent = d.exponent;
    // Ties go away from zero, so the fourth digit alone decides.
    if (d.digits[3] >= '5') {
        int i = 2;
        while (i >= 0 && three[std::size_t(i)] == '9')
            three[std::size_t(i--)] = '0';
        if (i < 0) {
            three = "100";
            ++exponent;
        } else {
            ++three[std::size_t(i)];
        }
    }

    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += QLatin1Char(three[0]);
    text += QLatin1Char('.');
    text += QLatin1Char(three[1]);
    text += QLatin1Char(three[2]);
    return text + exponentText(exponent);
}

QString generalText(double value)
{
    return generalTextOf(value, 15);
}

QString generalTextSingle(float value)
{
    return generalTextOf(value, 7);
}
