#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Windows-1252, with the five undefined bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D
// mapped to the control characters of the same number, so every byte round-trips.

// The bytes of a text; *ok is false (and the result empty) when a character has no byte.
QByteArray toWindows1252(const QString& text, bool* ok);

QString fromWindows1252(QByteArrayView bytes);

std::optional<unsigned char> windows1252Byte(QChar c);
