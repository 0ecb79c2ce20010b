#include "ui/quiet_settings.h"

#include "platform/ui/settings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// Where the settings are kept now: a store lies at <folder>/<organisation>/<application>.ini.
QString currentSettingsFolder()
{
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("o"), QStringLiteral("a"));
    return QFileInfo(QFileInfo(store.fileName()).path()).path();
}

}   // namespace

bool useQuietSettings(const QString& folder)
{
    setSettingsFolder(folder);
    const QString app = QStringLiteral("TOVI");
    const QString section = QStringLiteral("Admin");
    return SaveSetting(app, section, QStringLiteral("Disclosure"), QStringLiteral("0")).ok()
           && SaveSetting(app, section, QStringLiteral("ShowChanges"), QStringLiteral("No")).ok();
}

TempSettingsFolder::TempSettingsFolder() : m_previous(currentSettingsFolder()) {}

TempSettingsFolder::~TempSettingsFolder()
{
    setSettingsFolder(m_previous);
}
