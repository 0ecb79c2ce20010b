#pragma once

#include "data/program_state.h"
#include "engine/delisting/delisting_observer.h"

enum class DelistingOutcome {
    Stored,    // DelistCOCS holds the run's rows
    Refused,   // a check on the waste unit refused the run; DelistCOCS unchanged
    Failed,    // the run failed after its checks; DelistCOCS unchanged
};

// The delisting-level run for the open analysis (state.gCurSiteKey), in one transaction that
// reads what it calculates: checks that its rows are stored as this copy read them
// (checkRowsRead), checks the waste unit's volume, active life and targets, then refills
// DelistCOCS with one row per chemical of COCS (in CHEMNAME order, all but CAS "16984-48-8")
// holding the chemical's delisting levels by pathway and receptor. Reports to `observer` as it
// goes; no message is shown while the transaction is open.
DelistingOutcome RunDelistingAnalysis(ProgramState& state, DelistingObserver& observer);
