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
// A never-saved analysis: a pending new row in gRsSiteInfo and in gRsWmuInfo when it holds none.
void startPendingAnalysisRows(ProgramState& state);
// The pending unit row takes the unit type (WMUTYPE) that the analysis's window shows, so that
// what reads it before the first save sees that type; a stored row is left alone.
void setPendingUnitType(ProgramState& state, const QVariant& unitType);

// Stores the inputs of the open analysis (gCurSiteKey) in one transaction and reads the stored
// constituent rows again into gRsSiteCocs. On failure nothing is stored: the three record sets
// are read again as stored and the pending new rows of a never-saved analysis start again, the
// unit row with its unit type.
Status saveAnalysisInputs(ProgramState& state, const AnalysisInputs& inputs);

// Replaces the constituent rows of the analysis and its groundwater delisting rows, in one
// transaction (a savepoint inside an open one). When the stored rows already hold exactly these
// inputs, nothing changes: the results of the last run stay.
Status storeConstituentRows(Connection& conn, qint32 siteKey, const ConstituentRows& rows);
