#include "platform/ui/settings.h"

#include "platform/db/file_access.h"

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
    // A line that is no setting leaves the values around it readable.
    const QVariant value = store(app).value(section + QLatin1Char('/') + key);
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

Status SaveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    // Reading every value first leaves the writer's status to the write alone: a file that is not
    // made of settings is not refused, it is rewritten with what could be read of it.
    QSettings reader = store(app);
    const QFileInfo file(reader.fileName());
    if (file.exists() && (!file.isFile() || !file.isReadable()))
        return storeError(reader);
    // The file is replaced through a new file beside it, so its folder must take one.
    const QFileInfo folder(file.path());
    if ((file.exists() && !isWritable(file)) || (folder.exists() && !isWritable(folder)))
        return storeError(reader);
    reader.allKeys();
    const QString name = section + QLatin1Char('/') + key;
    const QVariant stored = reader.value(name);
    QSettings s = store(app);
    s.setValue(name, value);
    s.sync();
    if (s.status() == QSettings::NoError)
        return {};
    // Every store of the file shares the value that could not be written: it goes back to the
    // file's own, so that later reads give what the file holds.
    if (stored.isValid())
        s.setValue(name, stored);
    else
        s.remove(name);
    return storeError(s);
}

void setSettingsFolder(const QString& folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}
