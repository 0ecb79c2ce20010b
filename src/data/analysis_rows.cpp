#include "data/analysis_rows.h"

#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

namespace {

QString columnList(const TableDef& table)
{
    QStringList names;
    for (const ColumnDef& c : table.columns)
        names << quotedName(c.name);
    return names.join(QLatin1Char(','));
}

QVariantList params(const TableRow& row)
{
    return QVariantList(row.begin(), row.end());
}

}   // namespace

TableRow emptyRow(const TableDef& table)
{
    return TableRow(qsizetype(table.columns.size()));
}

int columnOf(const TableDef& table, const QString& name)
{
    const int i = table.columnIndex(name);
    Q_ASSERT(i >= 0);
    return i;
}

QString insertSql(const TableDef& table)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedName(table.name), columnList(table),
             QStringList(qsizetype(table.columns.size()), QStringLiteral("?")).join(QLatin1Char(',')));
}

QString selectSql(const TableDef& table, const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM %2 %3").arg(columnList(table), quotedName(table.name), tail);
}

Status convertRow(const TableDef& table, TableRow& row)
{
    for (qsizetype i = 0; i < row.size(); ++i) {
        Result<QVariant> v = convertToColumn(table.columns[size_t(i)], row[i]);
        if (!v)
            return v.error();
        row[i] = *v;
    }
    return {};
}

AnalysisTreeGroup treeNodesOfSiteRow(const TableRow& site)
{
    return analysisTreeNodes([&site](const QString& name) { return site[columnOf(siteInfoTable(), name)]; });
}

Result<AnalysisTreeGroup> storeNewAnalysis(Connection& conn, AnalysisRows rows)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started().error();
    Result<qint32> key = newSiteKey(conn);
    if (!key)
        return key.error();

    rows.site[columnOf(siteInfoTable(), QStringLiteral("SITEKEY"))] = *key;
    rows.unit[columnOf(wmuInfoTable(), QStringLiteral("SITEKEY"))] = *key;
    if (Status s = convertRow(siteInfoTable(), rows.site); !s)
        return s.error();
    if (Status s = convertRow(wmuInfoTable(), rows.unit); !s)
        return s.error();
    if (auto r = conn.exec(insertSql(siteInfoTable()), params(rows.site)); !r)
        return r.error();
    if (auto r = conn.exec(insertSql(wmuInfoTable()), params(rows.unit)); !r)
        return r.error();

    Result<Statement> insertCoc = conn.prepare(insertSql(siteCocsTable()));
    if (!insertCoc)
        return insertCoc.error();
    const int keyColumn = columnOf(siteCocsTable(), QStringLiteral("SITEKEY"));
    for (TableRow& row : rows.constituents) {
        row[keyColumn] = *key;
        if (Status s = convertRow(siteCocsTable(), row); !s)
            return s.error();
        if (Status s = insertCoc->exec(params(row)); !s)
            return s.error();
    }
    if (Status s = tx.commit(); !s)
        return s.error();
    return treeNodesOfSiteRow(rows.site);
}
