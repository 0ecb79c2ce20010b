#include "platform/ui/settings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QSettings store(const QString& app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app);
}

Error storeError(const QSettings& s)
{
    return Error{kErrFile, QStringLiteral("The settings file %1 could not be read or written.").arg(s.fileName())};
}

}   // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings s = store(app);
    const QVariant value = s.value(section + QLatin1Char('/') + key);
    if (s.status() != QSettings::NoError || value.typeId() != QMetaType::QString)
        return defaultValue;
    return value.toString();
}

Status SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    // Reading every value first leaves the writer's status to the write alone: a file that is not
    // made of settings is not refused, it is rewritten with what could be read of it.
    QSettings reader = store(app);
    const QFileInfo file(reader.fileName());
    if (file.exists() && (!file.isFile() || !file.isReadable()))
        return storeError(reader);
    reader.allKeys();
    QSettings s = store(app);
    s.setValue(section + QLatin1Char('/') + key, value);
    s.sync();
    if (s.status() != QSettings::NoError)
        return storeError(s);
    return {};
}

void setSettingsFolder(const QString& folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
