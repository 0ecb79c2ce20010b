#pragma once

#include "platform/db/result.h"

#include <QString>

// The per-user settings: string values by application, section and key. A value never stored,
// a store that cannot be read and a value that is not a single string read as `defaultValue`;
// lines of the file that are no settings leave the others readable.
QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// Stores a value. Fails, leaving the store as it was, when the store cannot be read (its other
// values would be lost) or cannot be written (a write-protected file or folder included); later
// reads then give the file's values. A file that holds no settings is rewritten.
Status SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);

// Keeps the settings files in `folder` from now on (tests use a temporary folder).
void setSettingsFolder(const QString& folder);
