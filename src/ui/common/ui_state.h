#pragma once

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
UiState& uiState();

class ScopedUiState {
public:
    explicit ScopedUiState(UiState& state);
    ~ScopedUiState();
    ScopedUiState(const ScopedUiState&) = delete;
    ScopedUiState& operator=(const ScopedUiState&) = delete;

private:
    UiState* m_previous;
};
