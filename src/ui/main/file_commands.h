#pragma once

#include <QString>

// The main window's file commands: the analysis-file routines with the program's dialogs and
// the tree of analyses brought up to date after they have stored what they read.
void importV1FileCommand(const QString& path);
void importV2FileCommand(const QString& path);
void exportV2FileCommand(const QString& path);
void updateAnalysesCommand();
