#pragma once

#include <QString>

// The main window's file commands: the analysis-file routines with the program's dialogs and
// the tree of analyses brought up to date after they have stored what they read.
void ImportV1FileCommand(const QString& path);
void ImportV2FileCommand(const QString& path);
void ExportV2FileCommand(const QString& path);
void UpdateAnalysesCommand();
