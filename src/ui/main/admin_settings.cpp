#include "ui/main/admin_settings.h"

#include "platform/ui/message_box.h"
#include "platform/ui/settings.h"
#include "ui/common/message_texts.h"

namespace {
const QString kApp = QStringLiteral("TOVI");
const QString kSection = QStringLiteral("Admin");
}   // namespace

QString adminSetting(const QString& key)
{
    return GetSetting(kApp, kSection, key);
}

Status saveAdminSetting(const QString& key, const QString& value)
{
    return SaveSetting(kApp, kSection, key, value);
}

void reportSettingFailure(const Error& error)
{
    showGeneralError(error, kUnableToSaveTitle);
}

bool disclosureWanted()
{
    const QString value = adminSetting(QStringLiteral("Disclosure"));
    return value.isEmpty() || value == QLatin1String("1");
}

bool disclosureTicked()
{
    return adminSetting(QStringLiteral("Disclosure")) != QLatin1String("0");
}

bool setDisclosureWanted(bool wanted)
{
    if (Status s = saveAdminSetting(QStringLiteral("Disclosure"), wanted ? QStringLiteral("1") : QStringLiteral("0"));
        !s) {
        reportSettingFailure(s.error());
        return false;
    }
    return true;
}

bool changesNoticeWanted()
{
    return adminSetting(QStringLiteral("ShowChanges")).isEmpty();
}
