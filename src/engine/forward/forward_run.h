#pragma once

#include "data/program_state.h"
#include "engine/common/run_context.h"
#include "engine/forward/indoor_air.h"
#include "engine/forward/run_observer.h"

enum class RunOutcome {
    NotRun,      // no analysis is open
    Refused,     // a check refused the run with its message
    Failed,      // the run failed; nothing of it was stored
    Completed,   // the results are stored
};

// What a forward run leaves for the next one. Its owner keeps one for the program's run and
// passes it to every forward run.
struct ForwardRunSession {
    // A run starts from it and, when it succeeds, leaves its values in it.
    RunContext context;
    // The indoor-air model's runs of the last run that reached its groundwater steps: the next
    // run takes those whose inputs are the same, bit for bit, instead of running the model again.
    IndoorAirRuns indoorAir;
};

// The forward run of the open analysis (gCurSiteKey, on gConn) in `session`, in one transaction
// that reads what it calculates and replaces the analysis's result fields and GWDelisting rows
// together: checks that the rows this copy read are stored as read (checkRowsRead), checks the
// stored waste unit row, then the constituent rows, computes every constituent's pathways, the
// limiting pathway and the groundwater delisting rows, and stores them. A run that a check
// refuses, that fails or that is ended before its commit leaves both as they were; under another
// program's write lock the run waits once and fails with its message. No message is shown while
// the transaction is open. gRsGwDelisting is left open on the analysis's GWDelisting rows.
RunOutcome RunRiskAnalysis(ProgramState& state, ForwardRunSession& session, RunObserver& observer);
