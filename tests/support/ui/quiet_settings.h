#pragma once

#include <QString>

// Keeps the per-user settings in `folder` and stores there the answers that keep the program
// quiet: no disclosure before runs ("Disclosure" "0") and no changes notice at start-up
// ("ShowChanges" "No"). So no test reads the developer's own settings or waits on those dialogs.
// False when the folder cannot take them.
bool useQuietSettings(const QString& folder);
