#pragma once

#include "platform/db/result.h"

#include <QCursor>
#include <QString>

// Reads a pointer file: the icon file layout with type 2, whose first image gives the picture
// and whose directory entry gives the hot spot. Fails on a missing, unreadable or damaged file.
Result<QCursor> loadCursorFile(const QString& path);
