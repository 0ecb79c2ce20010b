#include "data/analysis_store.h"

#include "data/schema.h"
#include "platform/db/transaction.h"
#include "platform/text/ascii_case.h"

#include <QSet>

namespace {

// "INSERT INTO t (all columns) SELECT …" that repeats the key's rows, with a parameter in place
// of each column named in `replaced`, in column order.
QString copyStatement(const TableDef& table, const QStringList& replaced)
{
    QStringList columns;
    QStringList selected;
    for (const ColumnDef& c : table.columns) {
        columns << c.name;
        selected << (replaced.contains(c.name) ? QStringLiteral("?") : c.name);
    }
    return QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE SITEKEY = ? ORDER BY rowid")
        .arg(table.name, columns.join(QLatin1Char(',')), selected.join(QLatin1Char(',')));
}

Result<int> countOf(Connection& conn, const QString& sql, qint32 siteKey)
{
    Result<QVariant> n = conn.scalar(sql, {siteKey});
    if (!n)
        return n.error();
    return n->toInt();
}

Status deleteRows(Connection& conn, const QStringList& tables, qint32 siteKey)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    for (const QString& table : tables)
        if (Result<int> r = conn.exec(QStringLiteral("DELETE FROM %1 WHERE SITEKEY = ?").arg(table), {siteKey}); !r)
            return r.error();
    return tx.commit();
}

}   // namespace

Result<bool> analysisIsStored(Connection& conn, qint32 siteKey)
{
    Result<int> n = countOf(conn, QStringLiteral("SELECT COUNT(*) FROM SITEINFO WHERE SITEKEY = ?"), siteKey);
    if (!n)
        return n.error();
    return *n > 0;
}

Result<std::optional<QString>> storedAnalysisName(Connection& conn, qint32 siteKey)
{
    Result<QueryRows> rows = conn.select(QStringLiteral("SELECT FILENAME FROM SITEINFO WHERE SITEKEY = ?"), {siteKey});
    if (!rows)
        return rows.error();
    if (rows->rows.empty())
        return std::optional<QString>();
    return std::optional<QString>(rows->rows.front().front().toString());
}

Result<int> storedConstituentCount(Connection& conn, qint32 siteKey)
{
    return countOf(conn, QStringLiteral("SELECT COUNT(*) FROM SITECOCS WHERE SITEKEY = ?"), siteKey);
}

QString copyName(const QString& sourceName, const QStringList& takenNames)
{
    QSet<QString> taken;
    for (const QString& n : takenNames)
        taken.insert(foldAsciiCase(n));
    const QString base = QStringLiteral("Copy of ") + sourceName;
    QString name = base;
    for (int i = 1; taken.contains(foldAsciiCase(name)); ++i)
        name = base + QStringLiteral("(%1)").arg(i);
    return name;
}

Error analysisChangedElsewhere()
{
    return Error{kErrRowChanged,
                 QStringLiteral(
                     "The analysis was changed or deleted in another copy of the program since it was opened "
                     "here.  Close it and open it again to see what is stored.")};
}

Error analysisNotSaved()
{
    return Error{kErrNotSaved, QStringLiteral("The analysis has not been saved.")};
}

Error analysisGone()
{
    return Error{kErrRowGone, QStringLiteral("The analysis no longer exists: it was deleted in another copy of the "
                                             "program.")};
}

Status compareListedName(const std::optional<QString>& storedName, const QString& listedName)
{
    if (!storedName)
        return analysisGone();
    if (*storedName != listedName)
        return Error{kErrRowChanged,
                     QStringLiteral("The analysis was changed or deleted in another copy of the program since it was "
                                    "listed here.  Start the program again to see what is stored.")};
    return {};
}

Status checkListedAnalysis(Connection& conn, qint32 siteKey, const QString& listedName)
{
    Result<std::optional<QString>> name = storedAnalysisName(conn, siteKey);
    if (!name)
        return name.error();
    return compareListedName(*name, listedName);
}

Result<CopiedAnalysis> copyAnalysis(Connection& conn, qint32 sourceKey, const std::function<Status()>& checkSource)
{
    // What is copied is read inside the transaction that stores the copy, its new key taken there.
    Transaction tx(conn);
    if (!tx.started())
        return tx.started().error();
    if (checkSource)
        if (Status s = checkSource(); !s)
            return s.error();
    const TableDef& siteTable = siteInfoTable();
    Result<QueryRows> source = conn.select(QStringLiteral("SELECT * FROM SITEINFO WHERE SITEKEY = ?"), {sourceKey});
    if (!source)
        return source.error();
    if (source->rows.empty())
        return analysisNotSaved();
    Result<int> units = countOf(conn, QStringLiteral("SELECT COUNT(*) FROM WMUINFO WHERE SITEKEY = ?"), sourceKey);
    if (!units)
        return units.error();
    Result<QueryRows> names = conn.select(QStringLiteral("SELECT FILENAME FROM SITEINFO"));
    if (!names)
        return names.error();
    Result<qint32> newKey = newSiteKey(conn);
    if (!newKey)
        return newKey.error();

    const QVector<QVariant>& row = source->rows.front();
    auto field = [&](const QString& name) { return row.value(source->columnIndex(name)); };
    QStringList taken;
    for (const QVector<QVariant>& n : names->rows)
        taken << n.front().toString();
    Result<QVariant> name = convertToColumn(*siteTable.column(QStringLiteral("FILENAME")),
                                            copyName(field(QStringLiteral("FILENAME")).toString(), taken));
    if (!name)
        return name.error();

    const QStringList keyOnly = {QStringLiteral("SITEKEY")};
    if (Result<int> r = conn.exec(copyStatement(siteTable, {QStringLiteral("SITEKEY"), QStringLiteral("FILENAME")}),
                                  {*newKey, *name, sourceKey});
        !r)
        return r.error();
    Result<int> unit = *units > 0 ? conn.exec(copyStatement(wmuInfoTable(), keyOnly), {*newKey, sourceKey})
                                  : conn.exec(QStringLiteral("INSERT INTO WMUINFO (SITEKEY) VALUES (?)"), {*newKey});
    if (!unit)
        return unit.error();
    for (const TableDef* table : {&siteCocsTable(), &gwDelistingTable()})
        if (Result<int> r = conn.exec(copyStatement(*table, keyOnly), {*newKey, sourceKey}); !r)
            return r.error();
    if (Status s = tx.commit(); !s)
        return s.error();

    CopiedAnalysis copy;
    copy.siteKey = *newKey;
    copy.name = name->toString();
    copy.nodes = analysisTreeNodes([&](const QString& f) -> QVariant {
        if (f == QLatin1String("SITEKEY"))
            return *newKey;
        return f == QLatin1String("FILENAME") ? *name : field(f);
    });
    return copy;
}

Status deleteAnalysis(Connection& conn, qint32 siteKey, const QString& listedName)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    if (Status s = checkListedAnalysis(conn, siteKey, listedName); !s)
        return s;
    if (Status s = deleteRows(conn,
                              {QStringLiteral("SITEINFO"), QStringLiteral("WMUINFO"), QStringLiteral("SITECOCS"),
                               QStringLiteral("DelistCOCS"), QStringLiteral("GWDelisting")},
                              siteKey);
        !s)
        return s;
    return tx.commit();
}

Status discardUnsavedAnalysis(Connection& conn, qint32 siteKey)
{
    return deleteRows(conn, {QStringLiteral("SITECOCS"), QStringLiteral("DelistCOCS"), QStringLiteral("GWDelisting")},
                      siteKey);
}
