#pragma once

#include "data/analysis_tables.h"
#include "data/schema.h"

#include <QVariant>
#include <QVector>

#include <vector>

// One row of a table: a value per column, in the table's column order.
using TableRow = QVector<QVariant>;

TableRow emptyRow(const TableDef& table);
// The position of a column the program knows to exist.
int columnOf(const TableDef& table, const QString& name);

// The most constituent rows an analysis file carries: the count that the analysis files of
// earlier versions of the program could hold.
inline constexpr qint32 kMaxConstituents = 32767;

// An analysis read from a file or copied, before it has a key.
struct AnalysisRows {
    TableRow site = emptyRow(siteInfoTable());
    TableRow unit = emptyRow(wmuInfoTable());
    std::vector<TableRow> constituents;   // each of SITECOCS's width
};

// "INSERT INTO <table> (<every column>) VALUES (?, …)".
QString insertSql(const TableDef& table);
// "SELECT <every column> FROM <table>" with the given tail ("WHERE …", "ORDER BY …").
QString selectSql(const TableDef& table, const QString& tail);
// Converts every value to its column; fails on the first value a column refuses.
Status convertRow(const TableDef& table, TableRow& row);

// Stores the analysis under a new key (the largest stored key plus one) in one transaction.
// Gives the tree nodes of the stored analysis.
Result<AnalysisTreeGroup> storeNewAnalysis(Connection& conn, AnalysisRows rows);

// The tree nodes of a SITEINFO row.
AnalysisTreeGroup treeNodesOfSiteRow(const TableRow& site);
