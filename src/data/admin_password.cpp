#include "data/admin_password.h"

#include "platform/text/windows1252.h"

namespace {

// A shift and the first code it applies to; a code takes the shift of the last row at or below it.
struct ShiftRow {
    int from;
    int shift;
};

constexpr ShiftRow kScramble[] = {{0, 0}, {54, 4}, {59, 2}, {64, 7}, {75, 8}, {83, 9}, {97, 13}, {107, 20}, {121, 25}};
constexpr ShiftRow kUnscramble[] = {{0, 0},   {54, -4},   {63, -2},   {66, -7},  {82, -8},
                                    {91, -9}, {106, -13}, {120, -20}, {141, -25}};

template <size_t N>
int shifted(const ShiftRow (&rows)[N], int code)
{
    int shift = 0;
    for (const ShiftRow& row : rows)
        if (code >= row.from)
            shift = row.shift;
    return code + shift;
}

// The character of a byte code; the setting keeps the stored form in these characters.
QChar characterOf(int code)
{
    return fromWindows1252(QByteArray(1, char(code))).at(0);
}

}   // namespace

std::optional<QString> ScramblePassword(const QString& password)
{
    QString stored;
    stored.reserve(password.size());
    for (const QChar c : password) {
        const std::optional<unsigned char> code = windows1252Byte(c);
        if (!code)
            return std::nullopt;
        const int scrambled = shifted(kScramble, *code);
        if (scrambled > 0xFF)
            return std::nullopt;
        stored.append(characterOf(scrambled));
    }
    return stored;
}

QString UnscramblePassword(const QString& stored)
{
    QString password;
    password.reserve(stored.size());
    for (const QChar c : stored) {
        const std::optional<unsigned char> code = windows1252Byte(c);
        password.append(code ? characterOf(shifted(kUnscramble, *code)) : c);
    }
    return password;
}

bool isStorablePassword(const QString& password)
{
    return !password.isEmpty() && !password.contains(QChar(59)) && !password.contains(QChar(60))
           && ScramblePassword(password).has_value();
}
