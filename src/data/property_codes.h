#pragma once

#include <QString>

// The texts the user reads for a chemical-property code (`MCL`, `HENRY`, …). The code is
// compared exactly (letter case counts, no trimming); an unknown code gives the empty text.
QString GetPropertyDescription(const QString& code);
QString GetPropertySymbol(const QString& code);
QString GetPropertyUnits(const QString& code);
