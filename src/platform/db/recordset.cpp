#include "platform/db/recordset.h"

#include "platform/db/sql_names.h"

namespace {

Error rowChanged()
{
    return Error{kErrRowChanged,
                 QStringLiteral("The row was changed or deleted by another program since it was read.")};
}

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// Whether two values are one stored value, as SQLite compares them: NULL only with NULL,
// numbers by value whatever their type, texts letter for letter.
bool sameStoredValue(const QVariant& a, const QVariant& b)
{
    if (bindsAsNull(a) || bindsAsNull(b))
        return bindsAsNull(a) == bindsAsNull(b);
    if (isNumber(a) && isNumber(b))
        return a.toDouble() == b.toDouble();
    return a == b;
}

}   // namespace

Result<Recordset> Recordset::openTable(Connection& conn, const QString& table, const QString& where,
                                       const QVariantList& params, const QString& orderBy, const QStringList& columns)
{
    QStringList selected;
    for (const QString& c : columns)
        selected << quotedName(c);
    QString sql = QStringLiteral("SELECT rowid, %1 FROM ")
                      .arg(selected.isEmpty() ? QStringLiteral("*") : selected.join(QLatin1Char(',')))
                  + quotedName(table);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderBy;
    Recordset rs;
    QStringList names;
    const Status read = conn.forEachRow(
        sql, params,
        [&rs](const RowReader& r) -> Status {
            const int n = r.columnCount();
            Row row;
            row.rowid = r.integer(0);
            row.values.resize(n - 1);
            for (int i = 1; i < n; ++i)
                row.values[i - 1] = r.value(i);
            rs.m_rows.push_back(std::move(row));
            return {};
        },
        &names);
    if (!read)
        return read.error();
    rs.m_conn = &conn;
    rs.m_open = true;
    rs.m_table = table;
    rs.m_select = sql;
    rs.m_params = params;
    rs.m_fields = names.mid(1);
    rs.m_exactFields = exactNameIndex(rs.m_fields);
    return rs;
}

Result<Recordset> Recordset::openQuery(Connection& conn, const QString& sql, const QVariantList& params)
{
    Result<QueryRows> rows = conn.select(sql, params);
    if (!rows)
        return rows.error();
    Recordset rs;
    rs.m_conn = &conn;
    rs.m_open = true;
    rs.m_fields = rows->columns;
    rs.m_exactFields = exactNameIndex(rs.m_fields);
    rs.m_rows.reserve(rows->rows.size());
    for (auto& r : rows->rows)
        rs.m_rows.push_back(Row{0, std::move(r)});
    return rs;
}

void Recordset::close()
{
    cancelUpdate();
    m_open = false;
    m_conn = nullptr;
    m_table.clear();
    m_select.clear();
    m_params.clear();
    m_fields.clear();
    m_exactFields.clear();
    m_rows.clear();
    m_pos = 0;
}

int Recordset::fieldIndex(const QString& name) const
{
    return indexOfName(m_fields, m_exactFields, name);
}

QVariant Recordset::value(int index) const
{
    if (index < 0 || index >= fieldCount())
        return QVariant();
    if (m_editMode != EditMode::None)
        return m_buffer[index];
    return hasCurrent() ? m_rows[m_pos].values[index] : QVariant();
}

QVariant Recordset::value(const QString& name) const
{
    return value(fieldIndex(name));
}

qint64 Recordset::rowid() const
{
    return hasCurrent() ? m_rows[m_pos].rowid : 0;
}

void Recordset::setValue(int index, const QVariant& value)
{
    if (index < 0 || index >= fieldCount()) {
        m_pendingError = Error{kErrRecordset, QStringLiteral("Item cannot be found in the collection.")};
        return;
    }
    if (m_editMode == EditMode::None) {
        if (!hasCurrent()) {
            m_pendingError = Error{kErrRecordset, QStringLiteral("There is no current record.")};
            return;
        }
        m_editMode = EditMode::Edit;
        m_buffer = m_rows[m_pos].values;
        m_dirty = QVector<bool>(fieldCount(), false);
    }
    m_buffer[index] = value;
    m_dirty[index] = true;
}

void Recordset::setValue(const QString& name, const QVariant& value)
{
    const int index = fieldIndex(name);
    if (index < 0) {
        m_pendingError = Error{kErrRecordset, QStringLiteral("Item cannot be found in the collection: %1.").arg(name)};
        return;
    }
    setValue(index, value);
}

void Recordset::addNew()
{
    m_editMode = EditMode::AddNew;
    m_buffer = QVector<QVariant>(fieldCount());
    m_dirty = QVector<bool>(fieldCount(), false);
}

Error Recordset::readOnlyError() const
{
    return Error{kErrRecordset, QStringLiteral("The record set cannot be changed.")};
}

Status Recordset::update()
{
    if (m_pendingError) {
        Error e = *m_pendingError;
        m_pendingError.reset();
        return e;
    }
    if (m_editMode == EditMode::None)
        return {};
    if (!m_open || m_table.isEmpty())
        return readOnlyError();

    QStringList cols;
    QVariantList params;
    QVector<QVariant> stored = m_buffer;
    for (int i = 0; i < fieldCount(); ++i) {
        if (!m_dirty[i])
            continue;
        if (m_converter) {
            Result<QVariant> v = m_converter(m_fields[i], m_buffer[i]);
            if (!v)
                return v.error();
            stored[i] = *v;
        }
        cols << quotedName(m_fields[i]);
        params << stored[i];
    }

    if (m_editMode == EditMode::AddNew) {
        QString sql = QStringLiteral("INSERT INTO ") + quotedName(m_table);
        if (cols.isEmpty())
            sql += QStringLiteral(" DEFAULT VALUES");
        else
            sql += QStringLiteral(" (%1) VALUES (%2)")
                       .arg(cols.join(QLatin1Char(',')),
                            QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        Result<qint64> rowid = m_conn->insert(sql, params);
        if (!rowid)
            return rowid.error();
        m_rows.push_back(Row{*rowid, stored});
        m_pos = recordCount() - 1;
    } else {
        if (!cols.isEmpty()) {
            QStringList sets;
            for (const QString& c : cols)
                sets << c + QStringLiteral("=?");
            QString where = QStringLiteral("rowid=?");
            params << m_rows[m_pos].rowid;
            if (Status s = appendReadValues(where, params, m_dirty); !s)
                return s;
            Result<int> r = m_conn->exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                             .arg(quotedName(m_table), sets.join(QLatin1Char(',')), where),
                                         params);
            if (!r)
                return r.error();
            if (*r == 0)
                return rowChanged();
        }
        m_rows[m_pos].values = stored;
    }
    m_editMode = EditMode::None;
    m_buffer.clear();
    m_dirty.clear();
    return {};
}

void Recordset::cancelUpdate()
{
    m_editMode = EditMode::None;
    m_buffer.clear();
    m_dirty.clear();
    m_pendingError.reset();
}

Status Recordset::deleteCurrent()
{
    cancelUpdate();
    if (!m_open || m_table.isEmpty())
        return readOnlyError();
    if (!hasCurrent())
        return Error{kErrRecordset, QStringLiteral("There is no current record.")};
    QString where = QStringLiteral("rowid=?");
    QVariantList params = {m_rows[m_pos].rowid};
    if (Status s = appendReadValues(where, params, QVector<bool>(fieldCount(), false)); !s)
        return s;
    Result<int> r = m_conn->exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(quotedName(m_table), where), params);
    if (!r)
        return r.error();
    if (*r == 0)
        return rowChanged();
    m_rows.erase(m_rows.begin() + m_pos);
    return {};
}

Status Recordset::appendReadValues(QString& where, QVariantList& params, const QVector<bool>& fields) const
{
    QVector<bool> compared = fields;
    for (const QString& key : m_keyColumns) {
        const int i = fieldIndex(key);
        if (i < 0)
            return Error{kErrRecordset, QStringLiteral("Item cannot be found in the collection: %1.").arg(key)};
        compared[i] = true;
    }
    for (int i = 0; i < fieldCount(); ++i)
        if (compared[i]) {
            // Texts compare letter for letter, whatever the column's collation.
            where += QStringLiteral(" AND %1 IS ? COLLATE BINARY").arg(quotedName(m_fields[i]));
            params << m_rows[m_pos].values[i];
        }
    return {};
}

Status Recordset::checkStored(const QStringList& fields) const
{
    if (!m_open || m_table.isEmpty())
        return readOnlyError();
    QVector<int> compared;
    for (const QString& name : m_keyColumns + fields) {
        const int i = fieldIndex(name);
        if (i < 0)
            return Error{kErrRecordset, QStringLiteral("Item cannot be found in the collection: %1.").arg(name)};
        compared << i;
    }
    size_t n = 0;
    const Status read = m_conn->forEachRow(m_select, m_params, [&](const RowReader& r) -> Status {
        if (n >= m_rows.size() || r.integer(0) != m_rows[n].rowid)
            return rowChanged();
        for (int i : compared)
            if (!sameStoredValue(r.value(i + 1), m_rows[n].values[i]))
                return rowChanged();
        ++n;
        return {};
    });
    if (!read)
        return read;
    return n == m_rows.size() ? Status{} : Status{rowChanged()};
}
