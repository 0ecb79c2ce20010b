#include "data/chemical_change_log.h"

#include "platform/db/transaction.h"
#include "platform/db/variant_number.h"
#include "platform/text/number_format.h"

namespace {

bool isNull(const QVariant& v)
{
    return !v.isValid() || v.isNull();
}

QString valueText(const QVariant& v)
{
    if (const std::optional<double> number = variantNumber(v))
        return generalText(*number);
    return v.toString();
}

bool differs(const QVariant& before, const QVariant& after)
{
    if (isNull(before) || isNull(after))
        return false;
    const std::optional<double> a = variantNumber(before);
    const std::optional<double> b = variantNumber(after);
    if (a && b)
        return *a != *b;
    return valueText(before) != valueText(after);
}

const TableRow* findByCas(const std::vector<TableRow>& rows, const QVariant& cas, int casColumn)
{
    if (isNull(cas))
        return nullptr;
    for (const TableRow& row : rows)
        if (!isNull(row[casColumn]) && row[casColumn].toString() == cas.toString())
            return &row;
    return nullptr;
}

}   // namespace

std::vector<ChemicalChange> compareChemicalTables(const std::vector<TableRow>& before,
                                                  const std::vector<TableRow>& after)
{
    const TableDef& table = cocsTable();
    const int nameColumn = columnOf(table, QStringLiteral("CHEMNAME"));
    const int casColumn = columnOf(table, QStringLiteral("CHEMCAS"));
    std::vector<ChemicalChange> changes;
    for (const TableRow& edited : after) {
        const TableRow* original = findByCas(before, edited.value(casColumn), casColumn);
        if (!original)
            continue;
        for (qsizetype c = 0; c < original->size() && c < edited.size(); ++c) {
            if (!differs((*original)[c], edited[c]))
                continue;
            changes.push_back({(*original)[nameColumn].toString(), (*original)[casColumn].toString(),
                               table.columns[size_t(c)].name, valueText((*original)[c]), valueText(edited[c])});
        }
    }
    return changes;
}

Status appendChangeLog(Connection& conn, const QDate& day, const std::vector<ChemicalChange>& changes)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    Result<Statement> insert = conn.prepare(insertSql(dbChangeTable()));
    if (!insert)
        return insert.error();
    const QString date = day.toString(QStringLiteral("yyyy-MM-dd"));
    for (const ChemicalChange& c : changes)
        if (Status s = insert->exec({date, c.chemName, c.chemCas, c.prop, c.oldValue, c.newValue}); !s)
            return s;
    return tx.commit();
}

Result<std::vector<ChemicalChange>> readChangeLog(Connection& conn)
{
    Result<QueryRows> rows =
        conn.select(QStringLiteral("SELECT CHEMNAME, CHEMCAS, PROP, OLDVAL, NEWVAL FROM DBCHANGE ORDER BY rowid"));
    if (!rows)
        return rows.error();
    std::vector<ChemicalChange> log;
    log.reserve(rows->rows.size());
    for (const QVector<QVariant>& r : rows->rows)
        log.push_back({r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString(), r[4].toString()});
    return log;
}
