#pragma once

#include "platform/db/recordset.h"
#include "platform/ui/data_grid.h"

#include <QObject>

#include <functional>

// A grid bound to the rows of one table: one column per field, one row per record. Under the
// edit permissions the user changes rows, adds rows on the row for a new entry, and has rows
// deleted; a changed or new row is written when the user leaves it, and each write and each
// deletion is a transaction of its own. Cells keep the stored values: a number shows in its
// column's format and is edited from its full value, NULL is an empty cell.
class GridBinding : public QObject {
    Q_OBJECT
public:
    // Runs inside the write's transaction with the values about to be written and the row's
    // rowid (0 for a new row); a failure refuses the row.
    using RowCheck = std::function<Status(Connection& conn, const QVector<QVariant>& values, qint64 rowid)>;

    explicit GridBinding(DataGrid* grid);

    // Shows the rows of a table record set on `conn`; the grid's columns are rebuilt from its
    // fields, captions being the field names. Typed texts of `numberFields` are read as
    // numbers: the strict reading, empty for NULL; any other text is kept for the write to
    // refuse.
    void bind(Connection& conn, Recordset rows, const QVector<bool>& numberFields);
    // Empties the grid and lets go of the record set.
    void unbind();

    // The records as stored, in grid order: every write and deletion is reflected here. Its
    // position is the binding's to set before each use.
    Recordset& recordset() { return m_rows; }

    // The three edit permissions: changes, new rows, deletions (all off at first).
    void setEditPermissions(bool allowUpdate, bool allowAddNew, bool allowDelete);
    bool allowUpdate() const { return m_allowUpdate; }
    bool allowAddNew() const { return m_allowAddNew; }
    bool allowDelete() const { return m_allowDelete; }

    // The decision taken before a changed or new row is written; without one the row is written.
    void setBeforeUpdate(std::function<RowDecision(int row)> decide);
    void setRowCheck(RowCheck check);
    // How a refused write or deletion is reported to the user.
    void setFailureReport(std::function<void(const Error& error)> report);

    // Commits the open cell editor and the pending row as leaving the row does; false when the
    // row stays in edit. With `discardIfKept` a row that would stay in edit is discarded.
    bool commitPendingEdit(bool discardIfKept = false);

    // Deletes the grid's rows from the table in one transaction when deletions are allowed;
    // a pending edit of another row is committed first, one of the deleted rows is dropped.
    // False when nothing was deleted (a failure is reported).
    bool deleteRows(QList<int> rows);

signals:
    // Rows the grid shows are no longer in the table: the window should read the table again.
    void rowsOutdated();

private:
    RowDecision writePendingRow(int row);
    // Whether every one of the rows is still in the table.
    Result<bool> allStored(const QList<qint64>& rowids);
    GridCell typedCell(int field, const QString& text) const;
    void report(const Error& error);

    DataGrid* m_grid;
    Connection* m_conn = nullptr;
    Recordset m_rows;
    QVector<bool> m_numberFields;
    bool m_allowUpdate = false;
    bool m_allowAddNew = false;
    bool m_allowDelete = false;
    std::function<RowDecision(int row)> m_beforeUpdate;
    RowCheck m_rowCheck;
    std::function<void(const Error& error)> m_report;
};
