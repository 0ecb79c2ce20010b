#pragma once

#include <QString>
#include <QVariant>

#include <ostream>

// Readable failure output for texts and field values.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << (value.isValid() ? value.typeName() : "NULL") << ' ' << value.toString().toStdString();
}
