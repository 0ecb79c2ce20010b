#pragma once

#include "data/current_state.h"
#include "data/deferred_recordset.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

#include <QString>

#include <memory>

// What the whole program shares: the database connection and the open analysis with its record
// sets. One instance for the program's run.
struct ProgramState {
    QString programFolder;   // the folder holding ChemDB/, Documents/, Help/
    std::unique_ptr<Connection> gConn;

    qint32 gCurSiteKey = 0;   // 0: no analysis is open
    // A new analysis holds its key only provisionally until its first row is stored: the save
    // that stores it takes the key then, so that another copy of the program can never have
    // taken the same one.
    bool provisionalKey = false;
    // The key under which the open analysis's rows are stored: 0 while a new analysis has stored
    // none, since its provisional key may be another copy's by then.
    qint32 storedSiteKey() const { return provisionalKey ? 0 : gCurSiteKey; }
    QString gCurFileName;
    Recordset gRsSiteInfo;
    Recordset gRsWmuInfo;
    Recordset gRsSiteCocs;
    DeferredRecordset gRsGwDelisting;
    Recordset gRsDelistCocs;

    QString databasePath() const;   // programFolder/ChemDB/TOVIv3.0.db
};

// The program's state. Tests install their own with ScopedProgramState.
inline ProgramState& programState()
{
    return CurrentState<ProgramState>::get();
}
using ScopedProgramState = CurrentState<ProgramState>::Scope;
