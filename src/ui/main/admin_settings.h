#pragma once

#include "platform/db/result.h"

#include <QString>

// The program's three per-user settings, application "TOVI", section "Admin".
QString adminSetting(const QString& key);
Status saveAdminSetting(const QString& key, const QString& value);
// Tells the user that a setting could not be stored (the general error text).
void reportSettingFailure(const Error& error);

// Whether the disclosure is shown before runs: any value but "0" reads as empty, which shows it.
bool disclosureWanted();
// Stores the choice as "1" or "0"; false when the store failed, which is reported and leaves the
// setting as it was. The caller keeps the Show Disclosure menu item's tick in step.
[[nodiscard]] bool setDisclosureWanted(bool wanted);

// Whether start-up shows the changes notice: any value but "No" reads as empty, which shows it.
bool changesNoticeWanted();
