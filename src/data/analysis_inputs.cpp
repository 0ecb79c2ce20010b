#include "data/analysis_inputs.h"

#include "data/analysis_store.h"
#include "data/analysis_tables.h"
#include "data/recordset_helpers.h"
#include "data/schema.h"
#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"

#include <array>

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

// Writes the fields of a row, its key as the analysis now has it.
Status writeRow(Recordset& rs, const FieldValues& values, qint32 siteKey)
{
    for (const auto& [field, value] : values)
        rs.setValue(field, field == QLatin1String("SITEKEY") ? QVariant(siteKey) : value);
    return rs.update();
}

// Fails when another stored analysis has the name that the site row is given (letter case
// ignored, as the stored names are told apart).
Status checkNameFree(Connection& conn, const FieldValues& site, qint32 siteKey)
{
    for (const auto& [field, value] : site) {
        if (field != QLatin1String("FILENAME"))
            continue;
        Result<QVariant> taken = conn.scalar(
            QStringLiteral("SELECT COUNT(*) FROM SITEINFO WHERE FILENAME = ? AND SITEKEY <> ?"), {value, siteKey});
        if (!taken)
            return taken.error();
        if (taken->toInt() > 0)
            return Error{kErrNameTaken, QStringLiteral("Another analysis is named %1.").arg(value.toString())};
    }
    return {};
}

// Reads again, on the key, those of gRsSiteInfo, gRsWmuInfo and gRsSiteCocs that `which` names.
Status readRecordsets(ProgramState& state, qint32 siteKey, const std::array<bool, 3>& which)
{
    const std::pair<Recordset*, const TableDef*> sets[] = {{&state.gRsSiteInfo, &siteInfoTable()},
                                                           {&state.gRsWmuInfo, &wmuInfoTable()},
                                                           {&state.gRsSiteCocs, &siteCocsTable()}};
    for (size_t i = 0; i < which.size(); ++i) {
        if (!which[i])
            continue;
        CloseRecordset(*sets[i].first);
        Result<Recordset> opened =
            openTableRecordset(*state.gConn, *sets[i].second, QStringLiteral("SITEKEY = ?"), {siteKey});
        if (!opened)
            return opened.error();
        *sets[i].first = std::move(*opened);
    }
    return {};
}

}   // namespace

Status openAnalysisRecordsets(ProgramState& state, qint32 siteKey)
{
    return readRecordsets(state, siteKey, {true, true, true});
}

Status openNewAnalysis(ProgramState& state)
{
    Transaction tx(*state.gConn, Transaction::Kind::Read);
    if (!tx.started())
        return tx.started();
    Result<qint32> key = newSiteKey(*state.gConn);
    if (!key)
        return key.error();
    state.gCurSiteKey = *key;
    state.provisionalKey = true;
    if (Status s = openAnalysisRecordsets(state, *key); !s)
        return s;
    return tx.commit();
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

Status checkRowsRead(ProgramState& state, RowsRead rows)
{
    // A record set that this copy did not read has nothing to compare.
    const Recordset& site = state.gRsSiteInfo;
    if (state.provisionalKey || !site.isOpen())
        return {};
    // The site row that this copy read is gone, or stands with other values (or one has come
    // where there was none).
    Status same = site.checkStored({});
    if (!same && same.error().number == kErrRowChanged && site.recordCount() > 0)
        return analysisGone();
    if (same)
        same = site.checkStored(site.fieldNames());
    if (same && rows.unit && state.gRsWmuInfo.isOpen())
        same = state.gRsWmuInfo.checkStored(state.gRsWmuInfo.fieldNames());
    if (same && rows.constituents && state.gRsSiteCocs.isOpen())
        same = state.gRsSiteCocs.checkStored(constituentInputFields());
    return !same && same.error().number == kErrRowChanged ? Status{analysisChangedElsewhere()} : same;
}

Status checkShownAnalysis(ProgramState& state, qint32 siteKey, const QString& listedName)
{
    if (siteKey != state.gCurSiteKey || siteKey <= 0)
        return checkListedAnalysis(*state.gConn, siteKey, listedName);
    // Nothing of a new analysis is stored under its provisional key, which may be another copy's.
    if (state.provisionalKey)
        return analysisNotSaved();
    return checkRowsRead(state, {.unit = true, .constituents = true});
}

Status saveAnalysisInputs(ProgramState& state, const AnalysisInputs& inputs)
{
    const bool storesRows = inputs.site || inputs.unit || (inputs.constituents && !inputs.constituents->rows.empty());
    // A new analysis that stores nothing yet keeps its key provisional, and stores nothing under it.
    if (state.provisionalKey && !storesRows)
        return {};
    // What the record sets hold, for a save that fails: this copy's rows and pending edits.
    const Recordset site = state.gRsSiteInfo;
    const Recordset unit = state.gRsWmuInfo;
    const Recordset constituents = state.gRsSiteCocs;
    const qint32 key = state.gCurSiteKey;
    const bool provisional = state.provisionalKey;
    const Status saved = [&]() -> Status {
        Transaction tx(*state.gConn);
        if (!tx.started())
            return tx.started();
        if (provisional) {
            Result<qint32> taken = newSiteKey(*state.gConn);
            if (!taken)
                return taken.error();
            state.gCurSiteKey = *taken;
        } else if (Status s = checkRowsRead(state, {.unit = false, .constituents = inputs.constituents.has_value()});
                   !s) {
            return s;
        }
        if (inputs.site) {
            if (Status s = checkNameFree(*state.gConn, *inputs.site, state.gCurSiteKey); !s)
                return s;
            if (Status s = writeRow(state.gRsSiteInfo, *inputs.site, state.gCurSiteKey); !s)
                return s;
        }
        if (inputs.unit)
            if (Status s = writeRow(state.gRsWmuInfo, *inputs.unit, state.gCurSiteKey); !s)
                return s;
        if (inputs.constituents)
            if (Status s = storeConstituentRows(*state.gConn, state.gCurSiteKey, *inputs.constituents); !s)
                return s;
        // The record sets written read what is now stored, inside the save, so that the next
        // write compares with exactly that; the others keep what this copy read and shows. Under
        // a key just taken all read anew, and rows still never saved wait again.
        if (Status s = readRecordsets(state, state.gCurSiteKey,
                                      {provisional || inputs.site, provisional || inputs.unit,
                                       provisional || inputs.constituents});
            !s)
            return s;
        if (provisional && !inputs.site)
            state.gRsSiteInfo.addNew();
        if (provisional && !inputs.unit) {
            state.gRsWmuInfo.addNew();
            setPendingUnitType(state, unit.value(QStringLiteral("WMUTYPE")));
        }
        return tx.commit();
    }();
    if (saved) {
        // A new analysis whose constituents were its only rows and are saved empty has nothing
        // stored any more, so it holds its key no more.
        state.provisionalKey = state.gRsSiteInfo.recordCount() == 0 && state.gRsSiteCocs.recordCount() == 0;
        return saved;
    }
    state.gRsSiteInfo = site;
    state.gRsWmuInfo = unit;
    state.gRsSiteCocs = constituents;
    state.gCurSiteKey = key;
    return saved.error().number == kErrRowChanged ? Status{analysisChangedElsewhere()} : saved;
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
