#include "ui/quiet_settings.h"

#include "platform/ui/settings.h"

bool useQuietSettings(const QString& folder)
{
    setSettingsFolder(folder);
    const QString app = QStringLiteral("TOVI");
    const QString section = QStringLiteral("Admin");
    return SaveSetting(app, section, QStringLiteral("Disclosure"), QStringLiteral("0")).ok()
           && SaveSetting(app, section, QStringLiteral("ShowChanges"), QStringLiteral("No")).ok();
}
