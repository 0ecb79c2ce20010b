#pragma once

#include "platform/db/connection.h"

#include <functional>
#include <optional>

// A static, client-side snapshot of rows with an exact count and a current position. Rows of a
// table snapshot can be added, edited and deleted; each change is written by rowid when it is
// made (update() / deleteCurrent()), inside whatever transaction the connection has open.
// Locking is optimistic: another program may change the table meanwhile, so an edit or a delete
// writes only where the row still holds what was read in its key columns and in the columns the
// edit writes, and fails with kErrRowChanged otherwise. A NULL value is an invalid QVariant.
class Recordset {
public:
    enum class EditMode { None, Edit, AddNew };
    // Turns a value into what its column stores, or fails; installed by the data layer.
    using Converter = std::function<Result<QVariant>(const QString& column, const QVariant& value)>;

    Recordset() = default;
    Recordset(const Recordset&) = default;
    Recordset& operator=(const Recordset&) = default;
    Recordset(Recordset&&) noexcept = default;
    Recordset& operator=(Recordset&&) noexcept = default;

    // The rows of one table that match `where` (SQL with ? parameters), in `orderBy` order, with
    // the given columns (all when none are given).
    static Result<Recordset> openTable(Connection& conn, const QString& table, const QString& where = {},
                                       const QVariantList& params = {},
                                       const QString& orderBy = QStringLiteral("rowid"),
                                       const QStringList& columns = {});
    // The rows of any query; read-only.
    static Result<Recordset> openQuery(Connection& conn, const QString& sql, const QVariantList& params = {});

    bool isOpen() const { return m_open; }
    void close();

    int recordCount() const { return int(m_rows.size()); }
    bool eof() const { return m_pos >= recordCount(); }
    bool bof() const { return m_pos < 0 || recordCount() == 0; }
    void moveFirst() { m_pos = 0; }
    void moveLast() { m_pos = recordCount() - 1; }
    void moveNext()
    {
        if (m_pos < recordCount())
            ++m_pos;
    }
    void movePrevious()
    {
        if (m_pos >= 0)
            --m_pos;
    }
    int position() const { return m_pos; }   // 0-based; recordCount() at the end
    void setPosition(int pos) { m_pos = pos; }

    int fieldCount() const { return int(m_fields.size()); }
    const QString& fieldName(int index) const { return m_fields[index]; }
    const QStringList& fieldNames() const { return m_fields; }
    int fieldIndex(const QString& name) const;   // case-insensitive; -1 when absent

    // Whether the record set is open with a row to read: a pending edit (a new row among them)
    // or the current row.
    bool hasRecord() const { return m_open && (m_editMode != EditMode::None || hasCurrent()); }
    // The current row's value, or the pending edit's; invalid when there is no current row.
    QVariant value(int index) const;
    QVariant value(const QString& name) const;
    qint64 rowid() const;

    // Starts an edit of the current row when none is pending. An unknown field or a missing
    // current row is remembered and makes the next update() fail.
    void setValue(int index, const QVariant& value);
    void setValue(const QString& name, const QVariant& value);

    void addNew();
    Status update();
    void cancelUpdate();
    EditMode editMode() const { return m_editMode; }
    Status deleteCurrent();

    void setConverter(Converter converter) { m_converter = std::move(converter); }
    // Columns that an edit or a delete compares with what was read besides the rowid: the ones
    // that say which record a row belongs to, so a rowid given again to another record never
    // matches.
    void setKeyColumns(const QStringList& columns) { m_keyColumns = columns; }
    const QString& table() const { return m_table; }

    // Reads the rows of the table snapshot again and fails with kErrRowChanged unless they are
    // the rows it holds as stored (pending edits aside): the same rowids in the same order, with
    // the same values in `fields`.
    Status checkStored(const QStringList& fields) const;

private:
    struct Row {
        qint64 rowid = 0;
        QVector<QVariant> values;
    };

    bool hasCurrent() const { return m_pos >= 0 && m_pos < recordCount(); }
    Error readOnlyError() const;
    // " AND c IS ?" for the key columns and the fields given, each with the current row's value.
    Status appendReadValues(QString& where, QVariantList& params, const QVector<bool>& fields) const;

    Connection* m_conn = nullptr;
    bool m_open = false;
    QString m_table;    // empty: read-only
    QString m_select;   // the table snapshot's query, rowid first
    QVariantList m_params;
    QStringList m_keyColumns;
    QStringList m_fields;
    QHash<QString, int> m_exactFields;
    std::vector<Row> m_rows;
    int m_pos = 0;

    EditMode m_editMode = EditMode::None;
    QVector<QVariant> m_buffer;
    QVector<bool> m_dirty;
    std::optional<Error> m_pendingError;
    Converter m_converter;
};
