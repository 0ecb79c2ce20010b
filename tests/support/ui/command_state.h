#pragma once

#include <map>
#include <string>

class frmMain;

// The enabled state of the main window's switched commands, by control name ("tb3" is toolbar
// button 3).
using CommandState = std::map<std::string, bool>;
CommandState commandState(frmMain& window);
// The state right after the load, Close or Delete: only New and Import (with Update Analyses).
CommandState noAnalysisOpenState();
// The state after New (and the "Open" column of the command-state table).
CommandState analysisOpenState();
// The state after Open: the constituent window, shown after the command state is set, ends its
// load with its save, which enables Copy (button and toolbar).
CommandState analysisOpenedState();
CommandState with(CommandState state, const CommandState& changes);
