#pragma once

#include "ui/main/frmMain.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// The enabled state of the main window's switched commands, by control name ("tbSaveAnalysis" is
// the toolbar's Save Analysis button).
using CommandState = std::map<std::string, bool>;
// The toolbar buttons that the command state holds, by their names there.
const std::vector<std::pair<std::string, ToolbarButton>>& switchedToolbarButtons();
CommandState commandState(frmMain& window);
// The state right after the load, Close or Delete: only New and Import (with Update Analyses).
CommandState noAnalysisOpenState();
// The state after New (and the "Open" column of the command-state table).
CommandState analysisOpenState();
// The state after Open: the constituent window, shown after the command state is set, ends its
// load with its save, which enables Copy (button and toolbar).
CommandState analysisOpenedState();
CommandState with(CommandState state, const CommandState& changes);
