#include "data/update_analyses.h"

#include "data/analysis_tables.h"
#include "data/program_state.h"
#include "platform/db/transaction.h"

#include <QHash>

#include <functional>
#include <limits>

namespace {

QVariantList params(const TableRow& row)
{
    return QVariantList(row.begin(), row.end());
}

Result<QVariant> shiftedKey(const QVariant& key, qint64 offset)
{
    if (!key.isValid())
        return QVariant();
    const qint64 shifted = key.toLongLong() + offset;
    if (shifted > std::numeric_limits<qint32>::max())
        return Error{kErrConversion, QStringLiteral("No analysis key is left for a copy.")};
    return QVariant(shifted);
}

// Copies every row of `table` with its key shifted; `adjust` changes a copy before it is stored.
Status copyRows(Connection& conn, const TableDef& table, qint64 offset, const std::function<void(TableRow&)>& adjust)
{
    Result<QueryRows> rows = conn.select(selectSql(table, QStringLiteral("ORDER BY rowid")));
    if (!rows)
        return rows.error();
    Result<Statement> insert = conn.prepare(insertSql(table));
    if (!insert)
        return insert.error();
    const int keyColumn = columnOf(table, QStringLiteral("SITEKEY"));
    for (TableRow& row : rows->rows) {
        Result<QVariant> key = shiftedKey(row[keyColumn], offset);
        if (!key)
            return key.error();
        row[keyColumn] = *key;
        adjust(row);
        if (Status s = convertRow(table, row); !s)
            return s;
        if (Status s = insert->exec(params(row)); !s)
            return s;
    }
    return {};
}

Result<std::vector<AnalysisTreeGroup>> copyAll(Connection& conn)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started().error();
    Result<qint64> offset = largestSiteKey(conn);
    if (!offset)
        return offset.error();

    // The chemical table's first row of each CAS number, compared exactly.
    Result<QueryRows> chemicals = conn.select(selectSql(cocsTable(), QStringLiteral("ORDER BY rowid")));
    if (!chemicals)
        return chemicals.error();
    QHash<QString, const TableRow*> byCas;
    const int chemicalCas = columnOf(cocsTable(), QStringLiteral("CHEMCAS"));
    for (const TableRow& row : chemicals->rows)
        if (row[chemicalCas].isValid() && !byCas.contains(row[chemicalCas].toString()))
            byCas.insert(row[chemicalCas].toString(), &row);

    const int fileName = columnOf(siteInfoTable(), QStringLiteral("FILENAME"));
    Status s = copyRows(conn, siteInfoTable(), *offset,
                        [fileName](TableRow& row) { row[fileName] = row[fileName].toString() + QStringLiteral("_U"); });
    if (s)
        s = copyRows(conn, wmuInfoTable(), *offset, [](TableRow&) {});
    if (s) {
        const TableDef& cocs = siteCocsTable();
        const int cas = columnOf(cocs, QStringLiteral("CHEMCAS"));
        QStringList copied = chemicalPropertyFields();
        copied << QStringLiteral("LOGKOW");
        s = copyRows(conn, cocs, *offset, [&](TableRow& row) {
            const TableRow* chemical = byCas.value(row[cas].toString());
            if (!chemical || !row[cas].isValid())
                return;
            for (const QString& p : copied)
                row[columnOf(cocs, p)] = (*chemical)[columnOf(cocsTable(), p)];
        });
    }
    if (s)
        s = copyRows(conn, gwDelistingTable(), *offset, [](TableRow&) {});
    if (!s)
        return s.error();

    Result<QueryRows> sites = conn.select(selectSql(siteInfoTable(), QStringLiteral("ORDER BY rowid")));
    if (!sites)
        return sites.error();
    if (Status c = tx.commit(); !c)
        return c.error();
    std::vector<AnalysisTreeGroup> tree;
    tree.reserve(sites->rows.size());
    for (const TableRow& row : sites->rows)
        tree.push_back(treeNodesOfSiteRow(row));
    return tree;
}

}   // namespace

std::optional<std::vector<AnalysisTreeGroup>> UpdateAnalyses(Connection& conn, AnalysisFilePrompts& ui)
{
    // Update Analyses is offered only while no analysis is open.
    if (programState().gCurSiteKey != 0)
        return std::nullopt;
    Result<std::vector<AnalysisTreeGroup>> tree = copyAll(conn);
    if (!tree) {
        ui.message(QStringLiteral("The program experienced an error while trying to update the database.\r\n")
                       + tree.error().description,
                   prompt::Critical, QStringLiteral("Update Error"));
        return std::nullopt;
    }
    return std::move(*tree);
}
