#pragma once

#include <QString>
#include <QTemporaryDir>

// Keeps the per-user settings in `folder` and stores there the answers that keep the program
// quiet: no disclosure before runs ("Disclosure" "0") and no changes notice at start-up
// ("ShowChanges" "No"). So no test reads the developer's own settings or waits on those dialogs.
// False when the folder cannot take them.
bool useQuietSettings(const QString& folder);

// A temporary folder for a test's per-user settings. When it goes, the settings go back to the
// folder they were kept in when it came: a test that moves them leaves them where it found them.
class TempSettingsFolder {
public:
    TempSettingsFolder();
    ~TempSettingsFolder();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
