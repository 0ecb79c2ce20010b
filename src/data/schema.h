#pragma once

#include "platform/db/recordset.h"

#include <QString>
#include <QStringList>

#include <vector>

// What a column holds. Drives the table definitions, the conversions before every write, the
// analysis and chemical-table file codecs and the text boxes' length limits.
enum class ColumnKind { Text, Memo, Double, Single, Int16, Int32, Bool };

struct ColumnDef {
    QString name;
    ColumnKind kind;
    int width = 0;   // characters, for Text; 0 otherwise (Memo is unlimited)
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;

    int columnIndex(const QString& column) const;   // case-insensitive; -1 when absent
    const ColumnDef* column(const QString& column) const;
};

const TableDef& siteInfoTable();
const TableDef& wmuInfoTable();
const TableDef& siteCocsTable();
const TableDef& cocsTable();
const TableDef& cusCocsTable();
const TableDef& dafsTable();
const TableDef& cusDafsTable();
const TableDef& gwDelistingTable();
const TableDef& delistCocsTable();
const TableDef& constntsTable();
const TableDef& dbChangeTable();
const std::vector<const TableDef*>& allTables();
const TableDef* findTable(const QString& name);

inline const QString kSiteCocsQuery = QStringLiteral("SITECOCSQuery");

// The 25 chemical properties a constituent row copies from the chemical table, `MCL` to `KSW`.
const QStringList& chemicalPropertyFields();
// What a constituent row holds as input, as its window shows it: the chemical, its
// concentrations and flags, its properties and `LOGKOW`.
const QStringList& constituentInputFields();
// The 54 forward result fields of a constituent row, in catalogue order.
const QStringList& forwardResultFields();
// The result and DAF columns of a delisting row, in table order.
const QStringList& delistingResultFields();
// The 57 exposure constants, in table order.
const QStringList& exposureConstantFields();

// Creates every table, index and view in an empty database, in one transaction.
Status createSchema(Connection& conn);
// Fails when a table or view of the schema is missing, or a table's columns (names, order and
// types) or the view's column names differ from the program's. Reads only.
Status verifySchema(Connection& conn);

// The value a column stores for `value`, or a failure when it cannot hold it: text too long,
// a number out of range, text that is no number, a value that is not finite.
Result<QVariant> convertToColumn(const ColumnDef& column, const QVariant& value);

// A record set on one table whose writes convert every value to its column first.
Result<Recordset> openTableRecordset(Connection& conn, const TableDef& table, const QString& where = {},
                                     const QVariantList& params = {}, const QString& orderBy = QStringLiteral("rowid"),
                                     const QStringList& columns = {});
