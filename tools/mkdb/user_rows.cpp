#include "user_rows.h"

#include "data/schema.h"
#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

namespace {

Status carryTable(Connection& from, Connection& to, const TableDef& table)
{
    Result<QueryRows> present = from.select(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
    if (!present)
        return present.error();
    QStringList names;
    std::vector<const ColumnDef*> columns;
    for (const ColumnDef& c : table.columns)
        for (const QVector<QVariant>& p : present->rows)
            if (p.front().toString().compare(c.name, Qt::CaseInsensitive) == 0) {
                names << quotedName(c.name);
                columns.push_back(&c);
                break;
            }
    if (columns.empty())
        return {};

    const QString list = names.join(QLatin1Char(','));
    Result<Statement> insert =
        to.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                       .arg(quotedName(table.name), list, QStringLiteral(",?").repeated(names.size() - 1)));
    if (!insert)
        return insert.error();
    QVariantList values;
    return from.forEachRow(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(list, quotedName(table.name)), {},
        [&](const RowReader& row) -> Status {
            values.clear();
            for (size_t i = 0; i < columns.size(); ++i) {
                Result<QVariant> v = convertToColumn(*columns[i], row.value(int(i)));
                if (!v)
                    return Error{v.error().number, table.name + QStringLiteral(": ") + v.error().description};
                values << *v;
            }
            return insert->exec(values);
        });
}

}   // namespace

const std::vector<const TableDef*>& carriedTables()
{
    static const std::vector<const TableDef*> tables = {&siteInfoTable(),    &wmuInfoTable(),    &siteCocsTable(),
                                                        &gwDelistingTable(), &delistCocsTable(), &cusCocsTable(),
                                                        &cusDafsTable(),     &dbChangeTable()};
    return tables;
}

Status carryUserRows(Connection& from, Connection& to)
{
    Transaction tx(to);
    if (!tx.started())
        return tx.started();
    for (const TableDef* table : carriedTables())
        if (Status s = carryTable(from, to, *table); !s)
            return s;
    return tx.commit();
}
