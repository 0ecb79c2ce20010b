#pragma once

#include <QString>

// A table or field name as an SQL identifier, in double quotes.
inline QString quotedName(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// A text as a NOCASE column compares it: ASCII letters folded to lower case, nothing else.
// A text without upper-case ASCII letters (most CAS numbers) is its own key.
inline QString nocaseKey(const QString& text)
{
    const auto upper = [](QChar ch) { return ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'); };
    QString key = text;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (upper(text[i]))
            key[i] = QChar(text[i].unicode() + ('a' - 'A'));
    return key;
}
