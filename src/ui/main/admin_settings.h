#pragma once

#include "platform/db/result.h"

#include <QString>

// The program's three per-user settings, application "TOVI", section "Admin".
QString adminSetting(const QString& key);
Status saveAdminSetting(const QString& key, const QString& value);
// Tells the user that a setting could not be stored (the general error text).
void reportSettingFailure(const Error& error);

// Whether the disclosure is shown before runs: only when the setting "Disclosure" is "1" or empty.
bool disclosureWanted();
// Whether the Show Disclosure menu item is ticked: unless the setting is "0".
bool disclosureTicked();
// Stores the choice as "1" or "0"; false when the store failed, which is reported and leaves the
// setting as it was. The caller keeps the Show Disclosure menu item's tick in step.
[[nodiscard]] bool setDisclosureWanted(bool wanted);

// Whether start-up shows the changes notice: only when the setting is empty.
bool changesNoticeWanted();
