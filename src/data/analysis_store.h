#pragma once

#include "data/analysis_tables.h"
#include "platform/db/connection.h"

#include <QString>
#include <QStringList>

#include <optional>

// Whole stored analyses: whether one is stored, copying and deleting them, and dropping
// what a never-saved analysis left under its key.

// Whether SITEINFO holds a row for the key.
Result<bool> analysisIsStored(Connection& conn, qint32 siteKey);

// The stored name (FILENAME) of the key's analysis; none when SITEINFO holds no row for it.
Result<std::optional<QString>> storedAnalysisName(Connection& conn, qint32 siteKey);

// The number of stored constituent rows of the key.
Result<int> storedConstituentCount(Connection& conn, qint32 siteKey);

// The name of a copy of `sourceName`: the first of "Copy of X", "Copy of X(1)", "Copy of X(2)", …
// that none of `takenNames` holds, letter case of ASCII letters ignored.
QString copyName(const QString& sourceName, const QStringList& takenNames);

struct CopiedAnalysis {
    qint32 siteKey = 0;
    QString name;
    AnalysisTreeGroup nodes;
};

// Repeats every stored row of the analysis under the next free key and a new name, in one
// transaction. Fails with kErrNotSaved when the analysis has no SITEINFO row.
Result<CopiedAnalysis> copyAnalysis(Connection& conn, qint32 sourceKey);

// Removes every row of the key from SITEINFO, WMUINFO, SITECOCS, DelistCOCS and GWDelisting in
// one transaction.
Status deleteAnalysis(Connection& conn, qint32 siteKey);

// Removes what a never-saved analysis may have stored under its key (constituent, delisting and
// groundwater delisting rows) in one transaction.
Status discardUnsavedAnalysis(Connection& conn, qint32 siteKey);
