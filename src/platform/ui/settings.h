#pragma once

#include <QString>

// The per-user settings: string values by application, section and key; a value never
// stored reads as `defaultValue`.
QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value);

// Keeps the settings files in `folder` from now on (tests use a temporary folder).
void setSettingsFolder(const QString& folder);
