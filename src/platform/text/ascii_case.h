#pragma once

#include <QString>

// The text with ASCII capitals made small and everything else kept: texts that are equal after
// it are equal to the database's case-blind comparison.
QString foldAsciiCase(const QString& text);
