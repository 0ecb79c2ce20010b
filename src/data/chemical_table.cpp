#include "data/chemical_table.h"

#include "data/chemical_table_file.h"
#include "data/table_row_statements.h"
#include "platform/db/transaction.h"

#include <QSaveFile>

namespace {

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
    Result<QVariant> n = conn.scalar(
        QStringLiteral("SELECT count(*) FROM \"%1\" WHERE CHEMCAS = ? AND rowid <> ?").arg(table.name), {cas, rowid});
    if (!n)
        return n.error();
    if (n->toLongLong() > 0)
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
