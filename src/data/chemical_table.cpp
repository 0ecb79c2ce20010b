#include "data/chemical_table.h"

#include "data/chemical_table_file.h"
#include "data/table_row_statements.h"
#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

#include <QHash>
#include <QSaveFile>

namespace {

constexpr int kCasColumn = 1;

// A CAS number as the uniqueness checks compare it: blanks at either end and letter case ignored.
QString casKey(const QString& cas)
{
    return nocaseKey(cas.trimmed());
}

// Every row of a chemical table holds a CAS number of its own.
Status checkCasNumbers(const std::vector<TableRow>& rows)
{
    QHash<QString, qsizetype> rowOf;
    for (size_t r = 0; r < rows.size(); ++r) {
        const QString cas = rows[r].value(kCasColumn).toString();
        const QString key = casKey(cas);
        if (key.isEmpty())
            return Error{kErrFormat, QStringLiteral("Row %1 of the file has no CAS number.").arg(r + 1)};
        if (const auto it = rowOf.constFind(key); it != rowOf.cend())
            return Error{kErrFormat, QStringLiteral("Rows %1 and %2 of the file have the same CAS number %3.")
                                         .arg(*it + 1)
                                         .arg(r + 1)
                                         .arg(cas)};
        rowOf.insert(key, qsizetype(r));
    }
    return {};
}

Result<std::vector<TableRow>> readRows(Connection& conn, const QString& order)
{
    Result<QueryRows> rows = conn.select(selectSql(cocsTable(), QStringLiteral("ORDER BY ") + order));
    if (!rows)
        return rows.error();
    return std::move(rows->rows);
}

}   // namespace

Result<std::vector<TableRow>> readChemicalTable(Connection& conn)
{
    return readRows(conn, QStringLiteral("rowid"));
}

Result<std::vector<TableRow>> snapshotChemicalTable(Connection& conn)
{
    return readRows(conn, QStringLiteral("CHEMNAME, rowid"));
}

Status exportChemicalTable(Connection& conn, const QString& path)
{
    Result<std::vector<TableRow>> rows = readChemicalTable(conn);
    if (!rows)
        return rows.error();
    Result<QByteArray> bytes = writeChemicalTableFile(*rows);
    if (!bytes)
        return bytes.error();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit())
        return Error{kErrFile, QStringLiteral("The file %1 could not be written.").arg(path)};
    return {};
}

Status replaceChemicalTable(Connection& conn, const QString& path)
{
    Result<std::vector<TableRow>> rows = readChemicalTableFileAt(path);
    if (!rows)
        return rows.error();
    if (Status s = checkCasNumbers(*rows); !s)
        return s;

    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    if (Result<int> r = conn.exec(QStringLiteral("DELETE FROM COCS")); !r)
        return r.error();
    Result<Statement> insert = conn.prepare(insertSql(cocsTable()));
    if (!insert)
        return insert.error();
    for (const TableRow& row : *rows)
        if (Status s = insert->exec(QVariantList(row.begin(), row.end())); !s)
            return s;
    return tx.commit();
}

Status checkCasIsUnique(Connection& conn, const TableDef& table, const QVariant& cas, qint64 rowid)
{
    const QString key = casKey(cas.toString());
    if (key.isEmpty())
        return {};
    Result<QueryRows> others = conn.select(
        QStringLiteral("SELECT CHEMCAS FROM %1 WHERE CHEMCAS IS NOT NULL AND rowid <> ?").arg(quotedName(table.name)),
        {rowid});
    if (!others)
        return others.error();
    for (const QVector<QVariant>& other : others->rows)
        if (casKey(other[0].toString()) == key)
            return Error{kErrConversion,
                         QStringLiteral("The CAS number %1 belongs to another chemical already.").arg(cas.toString())};
    return {};
}

RowStatements chemicalTableRowStatements(Connection& conn, const Recordset& rows)
{
    const int cas = rows.fieldIndex(QStringLiteral("CHEMCAS"));
    return tableRowStatements(conn, cocsTable(), rows,
                              [&conn, cas](const StoredRow& row, const QVector<bool>& changed) -> Status {
                                  if (row.rowid != 0 && !changed.value(cas))
                                      return {};
                                  return checkCasIsUnique(conn, cocsTable(), row.values.value(cas), row.rowid);
                              });
}
