#include "platform/ui/settings.h"

#include <QSettings>

namespace {
QSettings store(const QString& app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app);
}
} // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings s = store(app);
    return s.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings s = store(app);
    s.setValue(section + QLatin1Char('/') + key, value);
    s.sync();
}

void setSettingsFolder(const QString& folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
