#pragma once

#include <QString>

#include <optional>

// Numbers read from texts, whatever the user's locale. The grammar: optional
// blanks and line breaks, optional sign, digits with at most one ".", at least one
// digit, an optional exponent (E or e, optional sign, digits), optional blanks and
// line breaks (a spreadsheet cell copies its number with a line break).

// A typed number's text without the blanks and line breaks at either end.
QString trimmedNumberText(const QString& text);

// The number check: the whole text matches the grammar and its value fits a double.
bool isNumber(const QString& text);

// The strict conversion: the value of a text that passes the number check.
std::optional<double> toNumberStrict(const QString& text);

// The strict conversion for a value held in single precision: none also when the value lies
// beyond single precision's range, or is not 0 but narrows to 0.
std::optional<double> toSingleStrict(const QString& text);

// The leading number: blanks, tabs and line feeds are skipped anywhere; "&H" and
// "&O" begin a hexadecimal or octal integer; reading stops at the first character
// that cannot continue the number; 0 when the text does not begin with one.
// A decimal number beyond the double range gives an infinity of its sign.
double leadingNumber(const QString& text);

// Rounds to an integer value, ties to the even one.
double roundHalfEven(double value);
