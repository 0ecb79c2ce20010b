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
// Stores the choice as "1" or "0" and keeps the Show Disclosure menu item's tick in step; a
// failed store is reported and leaves the setting and the tick as they were.
void setDisclosureWanted(bool wanted);

// Whether start-up shows the changes notice: any value but "No" reads as empty, which shows it.
bool changesNoticeWanted();
