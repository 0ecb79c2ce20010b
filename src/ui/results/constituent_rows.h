#pragma once

#include <QString>

// The analysis's constituent rows in their order, for the windows that show no groundwater
// delisting level: reading them needs no pairing with those levels.
inline const QString kConstituentRowsSource = QStringLiteral("SELECT * FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid");
