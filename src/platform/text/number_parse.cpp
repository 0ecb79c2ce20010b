#include "number_parse.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

// Length of the longest prefix of `s` that is a signed decimal number with an
// optional exponent; 0 when there is none.
std::size_t decimalPrefixLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && isSign(s[i]))
        ++i;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && isSign(s[j]))
            ++j;
        const std::size_t exponentStart = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i;
}

// The correctly rounded value of a decimal number; an infinity when it is too large.
double decimalValue(std::string_view number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string text(number);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

double integerValue(std::string_view digits, int base)
{
    double value = 0;
    for (const char c : digits) {
        int digit = base;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    return value;
}

}   // namespace

QString trimmedNumberText(const QString& text)
{
    const auto isEnd = [](QChar c) { return c == u' ' || c == u'\r' || c == u'\n'; };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isEnd(text[first]))
        ++first;
    while (last > first && isEnd(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

bool isNumber(const QString& text)
{
    return toNumberStrict(text).has_value();
}

std::optional<double> toNumberStrict(const QString& text)
{
    std::string ascii;
    const QString trimmed = trimmedNumberText(text);
    ascii.reserve(std::size_t(trimmed.size()));
    for (const QChar c : trimmed) {
        if (c.unicode() > 0x7F)
            return std::nullopt;
        ascii.push_back(char(c.unicode()));
    }
    const std::string_view s(ascii);
    const std::size_t length = decimalPrefixLength(s);
    if (length == 0 || length != s.size())
        return std::nullopt;
    const double value = decimalValue(s);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<double> toSingleStrict(const QString& text)
{
    const std::optional<double> value = toNumberStrict(text);
    // Compared before narrowing: a double beyond the float range has no float value.
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    if (*value != 0 && float(*value) == 0)
        return std::nullopt;
    return value;
}

double leadingNumber(const QString& text)
{
    std::string ascii;
    ascii.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (c.unicode() > 0x7F)
            break;
        ascii.push_back(char(c.unicode()));
    }
    const std::string_view s(ascii);

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return integerValue(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return integerValue(s.substr(2), 8);
    }
    const std::size_t length = decimalPrefixLength(s);
    return length == 0 ? 0.0 : decimalValue(s.substr(0, length));
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}
