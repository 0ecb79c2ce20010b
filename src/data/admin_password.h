#pragma once

#include <QString>

#include <optional>

// The administrator password as the per-user setting "Change" keeps it: every character's
// Windows-1252 code shifted by a fixed amount, and the shifted code written back as the
// character Windows-1252 gives it, so the setting holds one character per character of the
// password.

// The stored form of a password; none when a character has no Windows-1252 code or a code of
// 231 or more, whose shifted code would not fit in one byte.
std::optional<QString> ScramblePassword(const QString& password);
// The password of a stored form. A character that Windows-1252 lacks, which no stored form
// holds, is kept as it is.
QString UnscramblePassword(const QString& stored);

// Whether a new password may be stored: not empty, every character scrambles, and none of the
// codes 59 and 60, whose stored forms read back as 57 and 58.
bool isStorablePassword(const QString& password);
