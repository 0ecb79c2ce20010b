#include "windows1252.h"

namespace {

// Characters of bytes 0x80 to 0x9F; every other byte is the character of the same number.
constexpr char16_t kBytes80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}   // namespace

std::optional<unsigned char> windows1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kBytes80To9F[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

QByteArray toWindows1252(const QString& text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::optional<unsigned char> byte = windows1252Byte(c);
        if (!byte) {
            if (ok)
                *ok = false;
            return QByteArray();
        }
        bytes.append(static_cast<char>(*byte));
    }
    if (ok)
        *ok = true;
    return bytes;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? kBytes80To9F[byte - 0x80] : char16_t(byte)));
    }
    return text;
}
