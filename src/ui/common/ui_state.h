#pragma once

#include "data/current_state.h"
#include "engine/forward/forward_run.h"

#include <QtGlobal>

// What the windows share beside the core's program state: the flags they pass between them and
// the session of the forward runs. One instance for the program's run.
struct UiState {
    bool gAnalysisFormsOpen = false;
    bool gClosingAnalysis = false;
    qint16 gAcknowPage = 0;
    bool gHandCursorFailed = false;

    ForwardRunSession forwardRun;
};

// The windows' state. Tests install their own with ScopedUiState.
inline UiState& uiState()
{
    return CurrentState<UiState>::get();
}
using ScopedUiState = CurrentState<UiState>::Scope;
