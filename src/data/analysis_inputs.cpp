#include "data/analysis_inputs.h"

#include "data/recordset_helpers.h"
#include "data/schema.h"
#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

namespace {

QString quotedList(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& f : fields)
        quoted << quotedName(f);
    return quoted.join(QStringLiteral(", "));
}

// The rows with the key first, every value converted to its column.
Result<std::vector<QVariantList>> convertedRows(qint32 siteKey, const QStringList& written, const ConstituentRows& rows)
{
    const TableDef& table = siteCocsTable();
    std::vector<QVariantList> converted;
    converted.reserve(rows.rows.size());
    for (const QVariantList& row : rows.rows) {
        QVariantList values;
        for (int i = 0; i < written.size(); ++i) {
            Result<QVariant> value =
                convertToColumn(*table.column(written[i]), i == 0 ? QVariant(siteKey) : row.value(i - 1));
            if (!value)
                return value.error();
            values << *value;
        }
        converted.push_back(std::move(values));
    }
    return converted;
}

// The analysis's stored constituent rows, in stored order, each field as a save would write it.
Result<std::vector<QVariantList>> storedInputRows(Connection& conn, qint32 siteKey, const QStringList& fields)
{
    Result<QueryRows> read = conn.select(
        QStringLiteral("SELECT %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid").arg(quotedList(fields)), {siteKey});
    if (!read)
        return read.error();
    const TableDef& table = siteCocsTable();
    std::vector<QVariantList> rows;
    for (const QVector<QVariant>& stored : read->rows) {
        QVariantList values;
        for (int i = 0; i < fields.size(); ++i) {
            Result<QVariant> converted = convertToColumn(*table.column(fields[i]), stored.value(i));
            if (!converted)
                return converted.error();
            values << *converted;
        }
        rows.push_back(std::move(values));
    }
    return rows;
}

Status writeRow(Recordset& rs, const FieldValues& values)
{
    for (const auto& [field, value] : values)
        rs.setValue(field, value);
    return rs.update();
}

Status reopenConstituents(ProgramState& state)
{
    CloseRecordset(state.gRsSiteCocs);
    Result<Recordset> rows =
        openTableRecordset(*state.gConn, siteCocsTable(), QStringLiteral("SITEKEY = ?"), {state.gCurSiteKey});
    if (!rows)
        return rows.error();
    state.gRsSiteCocs = std::move(*rows);
    return {};
}

}   // namespace

Status openAnalysisRecordsets(ProgramState& state, qint32 siteKey)
{
    CloseRecordset(state.gRsSiteInfo);
    CloseRecordset(state.gRsWmuInfo);
    CloseRecordset(state.gRsSiteCocs);
    const std::pair<Recordset*, const TableDef*> sets[] = {{&state.gRsSiteInfo, &siteInfoTable()},
                                                           {&state.gRsWmuInfo, &wmuInfoTable()},
                                                           {&state.gRsSiteCocs, &siteCocsTable()}};
    for (const auto& [rs, table] : sets) {
        Result<Recordset> opened = openTableRecordset(*state.gConn, *table, QStringLiteral("SITEKEY = ?"), {siteKey});
        if (!opened)
            return opened.error();
        *rs = std::move(*opened);
    }
    return {};
}

void startPendingAnalysisRows(ProgramState& state)
{
    for (Recordset* rs : {&state.gRsSiteInfo, &state.gRsWmuInfo})
        if (rs->recordCount() == 0)
            rs->addNew();
}

void setPendingUnitType(ProgramState& state, const QVariant& unitType)
{
    if (state.gRsWmuInfo.editMode() == Recordset::EditMode::AddNew)
        state.gRsWmuInfo.setValue(QStringLiteral("WMUTYPE"), unitType);
}

Status saveAnalysisInputs(ProgramState& state, const AnalysisInputs& inputs)
{
    const bool siteAdding = state.gRsSiteInfo.editMode() == Recordset::EditMode::AddNew;
    const bool unitAdding = state.gRsWmuInfo.editMode() == Recordset::EditMode::AddNew;
    const QVariant pendingUnitType = state.gRsWmuInfo.value(QStringLiteral("WMUTYPE"));
    const Status saved = [&]() -> Status {
        Transaction tx(*state.gConn);
        if (!tx.started())
            return tx.started();
        if (inputs.site)
            if (Status s = writeRow(state.gRsSiteInfo, *inputs.site); !s)
                return s;
        if (inputs.unit)
            if (Status s = writeRow(state.gRsWmuInfo, *inputs.unit); !s)
                return s;
        if (inputs.constituents) {
            if (Status s = storeConstituentRows(*state.gConn, state.gCurSiteKey, *inputs.constituents); !s)
                return s;
            if (Status s = reopenConstituents(state); !s)
                return s;
        }
        return tx.commit();
    }();
    if (saved)
        return saved;
    // The rolled-back rows may stand in the record sets as stored: read them again. The save's
    // failure is the one to report.
    if (openAnalysisRecordsets(state, state.gCurSiteKey)) {
        if (siteAdding && state.gRsSiteInfo.recordCount() == 0)
            state.gRsSiteInfo.addNew();
        if (unitAdding && state.gRsWmuInfo.recordCount() == 0) {
            state.gRsWmuInfo.addNew();
            setPendingUnitType(state, pendingUnitType);
        }
    }
    return saved;
}

Status storeConstituentRows(Connection& conn, qint32 siteKey, const ConstituentRows& rows)
{
    const QStringList written = QStringList{QStringLiteral("SITEKEY")} + rows.fields;
    Result<std::vector<QVariantList>> values = convertedRows(siteKey, written, rows);
    if (!values)
        return values.error();

    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    // Rows written back as they are stored keep the results of the last run.
    Result<std::vector<QVariantList>> stored = storedInputRows(conn, siteKey, written);
    if (!stored)
        return stored.error();
    if (*stored == *values)
        return tx.commit();
    for (const char* sql : {"DELETE FROM SITECOCS WHERE SITEKEY = ?", "DELETE FROM GWDelisting WHERE SITEKEY = ?"})
        if (Result<int> r = conn.exec(QString::fromLatin1(sql), {siteKey}); !r)
            return r.error();
    QStringList marks;
    for (int i = 0; i < written.size(); ++i)
        marks << QStringLiteral("?");
    Result<Statement> insert =
        conn.prepare(QStringLiteral("INSERT INTO SITECOCS (%1) VALUES (%2)")
                         .arg(written.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    if (!insert)
        return insert.error();
    for (const QVariantList& row : *values)
        if (Status s = insert->exec(row); !s)
            return s;
    return tx.commit();
}
