#pragma once

#include "data/program_state.h"

#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

// The open analysis's inputs as its windows store them: the site and unit rows through the
// shared record sets, the constituent rows in place of the stored ones.

// Field values of one row in the order a save writes them.
using FieldValues = std::vector<std::pair<QString, QVariant>>;

// Constituent rows as a save writes them: SITECOCS fields (the key aside) and, per row in order,
// a value per field before its conversion to the column.
struct ConstituentRows {
    QStringList fields;
    std::vector<QVariantList> rows;
};

// What one save of the open analysis stores; a part that is absent stays as stored.
struct AnalysisInputs {
    std::optional<FieldValues> site = std::nullopt;   // SITEINFO, through gRsSiteInfo
    std::optional<FieldValues> unit = std::nullopt;   // WMUINFO, through gRsWmuInfo
    std::optional<ConstituentRows> constituents = std::nullopt;
};

// Opens gRsSiteInfo, gRsWmuInfo and gRsSiteCocs on the analysis's rows.
Status openAnalysisRecordsets(ProgramState& state, qint32 siteKey);
// New Analysis: gCurSiteKey takes the key that no stored row has, provisionally (the first save
// takes its own, saveAnalysisInputs), and the three record sets open on it, read in the same
// state of the database, so they hold no row.
Status openNewAnalysis(ProgramState& state);
// A never-saved analysis: a pending new row in gRsSiteInfo and in gRsWmuInfo when it holds none.
void startPendingAnalysisRows(ProgramState& state);
// The pending unit row takes the unit type (WMUTYPE) that the analysis's window shows, so that
// what reads it before the first save sees that type; a stored row is left alone.
void setPendingUnitType(ProgramState& state, const QVariant& unitType);

// What of the open analysis a write relies on besides its site row.
struct RowsRead {
    bool unit = false;
    bool constituents = false;   // their inputs
};
// Run inside a write's transaction: fails with analysisGone() when the site row that this copy
// read (of a stored analysis) is no longer stored, and with analysisChangedElsewhere() when the
// unit row or the constituent rows asked for are no longer stored as gRsWmuInfo and gRsSiteCocs
// hold them.
Status checkRowsRead(ProgramState& state, RowsRead rows);
// Run inside the transaction of a copy or an export: whether the analysis that this copy shows
// is still stored as shown, the open one as checkRowsRead says (a never-saved one fails with
// kErrNotSaved), a listed one as checkListedAnalysis says of the name the list shows.
Status checkShownAnalysis(ProgramState& state, qint32 siteKey, const QString& listedName);

// Stores the inputs of the open analysis (gCurSiteKey) in one transaction and reads the three
// record sets again inside it. A new analysis takes its key here (gCurSiteKey changes) with the
// first rows it stores; until then it stores nothing. Fails, storing nothing, when the name is
// another analysis's (kErrNameTaken) or when another copy of the program changed or deleted
// the rows this copy read (checkRowsRead, and the site and unit rows written); the record sets
// and the key then stay as they were, pending rows and edits included.
Status saveAnalysisInputs(ProgramState& state, const AnalysisInputs& inputs);

// Replaces the constituent rows of the analysis and its groundwater delisting rows, in one
// transaction (a savepoint inside an open one). When the stored rows already hold exactly these
// inputs, nothing changes: the results of the last run stay.
Status storeConstituentRows(Connection& conn, qint32 siteKey, const ConstituentRows& rows);
