#pragma once

#include <QString>

// Number texts that never depend on the user's locale. NaN and infinities give
// "NaN", "Infinity" and "-Infinity".

// "0.00E+00": rounded to 15 significant digits, then to 3 with ties away from zero.
QString formatScientific(double value);

// The general text form: the shortest text of at most 15 significant digits,
// plain for 0 and for 1E-4 <= |x| < 1E15, else mantissa, "E", sign and at least
// two exponent digits ("1E-05").
QString generalText(double value);

// The general text form of a single-precision value: at most 7 significant digits.
QString generalTextSingle(float value);
