#include "data/table_row_statements.h"

#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

namespace {

QString placeholders(qsizetype n)
{
    return QStringList(n, QStringLiteral("?")).join(QLatin1Char(','));
}

Error goneError(const TableDef& table)
{
    return Error{kErrRowGone, QStringLiteral("The row is no longer in the table %1.").arg(table.name)};
}

// Stores the row's changed fields, converted to their columns, in the caller's transaction; the
// row as stored.
Result<StoredRow> storeRow(Connection& conn, const TableDef& table, const QStringList& fields, StoredRow row,
                           const QVector<bool>& changed)
{
    QStringList columns;
    QVariantList params;
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (!changed.value(f))
            continue;
        if (const ColumnDef* c = table.column(fields[f])) {
            Result<QVariant> v = convertToColumn(*c, row.values[f]);
            if (!v)
                return v.error();
            row.values[f] = *v;
        }
        columns << quotedName(fields[f]);
        params << row.values[f];
    }
    if (row.rowid == 0) {
        const QString sql =
            columns.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedName(table.name))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quotedName(table.name), columns.join(QLatin1Char(',')), placeholders(columns.size()));
        Result<qint64> rowid = conn.insert(sql, params);
        if (!rowid)
            return rowid.error();
        row.rowid = *rowid;
        return row;
    }
    if (columns.isEmpty())
        return row;
    params << row.rowid;
    Result<int> r = conn.exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                  .arg(quotedName(table.name), columns.join(QStringLiteral(" = ?, "))),
                              params);
    if (!r)
        return r.error();
    return row;
}

Status deleteRows(Connection& conn, const TableDef& table, const QList<qint64>& rowids)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    Result<int> deleted = conn.exec(
        QStringLiteral("DELETE FROM %1 WHERE rowid IN (%2)").arg(quotedName(table.name), placeholders(rowids.size())),
        QVariantList(rowids.begin(), rowids.end()));
    if (!deleted)
        return deleted.error();
    if (*deleted != rowids.size())
        return goneError(table);
    return tx.commit();
}

}   // namespace

RowStatements tableRowStatements(Connection& conn, const TableDef& table, const Recordset& rows, RowCheck check)
{
    QStringList fields;
    for (int f = 0; f < rows.fieldCount(); ++f)
        fields << rows.fieldName(f);
    RowStatements statements;
    statements.write = [&conn, &table, fields, check](const StoredRow& row,
                                                      const QVector<bool>& changed) -> Result<StoredRow> {
        Transaction tx(conn);
        if (!tx.started())
            return tx.started().error();
        if (row.rowid != 0) {
            Result<QVariant> there = conn.scalar(
                QStringLiteral("SELECT count(*) FROM %1 WHERE rowid = ?").arg(quotedName(table.name)), {row.rowid});
            if (!there)
                return there.error();
            if (there->toLongLong() == 0)
                return goneError(table);
        }
        if (check)
            if (Status s = check(row, changed); !s)
                return s.error();
        Result<StoredRow> stored = storeRow(conn, table, fields, row, changed);
        if (!stored)
            return stored;
        if (Status s = tx.commit(); !s)
            return s.error();
        return stored;
    };
    statements.remove = [&conn, &table](const QList<qint64>& rowids) { return deleteRows(conn, table, rowids); };
    return statements;
}
