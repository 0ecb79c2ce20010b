#pragma once

#include "platform/db/result.h"

#include <QByteArray>
#include <QString>

// What a reader does with a file longer than the most it can accept.
enum class LongerFile { Refuse, ReadFirstBytes };

// The bytes of the file at `path`, read once and at most `limit` of them. A longer file is
// refused before it is read (or only its first `limit` bytes are read), so neither time nor
// memory grows with it.
Result<QByteArray> readFileBytes(const QString& path, qint64 limit, LongerFile longer);
