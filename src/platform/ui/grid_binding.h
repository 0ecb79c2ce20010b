#pragma once

#include "platform/db/recordset.h"
#include "platform/db/row_statements.h"
#include "platform/ui/data_grid.h"

#include <QObject>

#include <functional>

// A grid bound to the rows of one table: one column per field, one row per record, each row
// known by its rowid. Under the edit permissions the user changes rows, adds rows on the row for
// a new entry, and has rows deleted; a changed or new row is written when the user leaves it,
// through the table's row statements. Cells keep the stored values: a number shows in its
// column's format and is edited from its full value, NULL is an empty cell.
class GridBinding : public QObject {
    Q_OBJECT
public:
    explicit GridBinding(DataGrid* grid);

    // Shows the rows of a table record set, stored through `statements`; the grid's columns are
    // rebuilt from its fields, captions being the field names. Typed texts of `numberFields` are
    // read as numbers: the strict reading, empty for NULL; any other text is kept for the write
    // to refuse.
    void bind(Recordset rows, const QVector<bool>& numberFields, RowStatements statements);
    // Empties the grid and lets go of its rows.
    void unbind();

    // The rows as stored, in grid order: every write and deletion is reflected here.
    const std::vector<StoredRow>& storedRows() const { return m_rows; }

    // The three edit permissions: changes, new rows, deletions (all off at first).
    void setEditPermissions(bool allowUpdate, bool allowAddNew, bool allowDelete);
    bool allowUpdate() const { return m_allowUpdate; }
    bool allowAddNew() const { return m_allowAddNew; }
    bool allowDelete() const { return m_allowDelete; }

    // The decision taken before a changed or new row is written; without one the row is written.
    void setBeforeUpdate(std::function<RowDecision(int row)> decide);
    // How a refused write or deletion is reported to the user.
    void setFailureReport(std::function<void(const Error& error)> report);

    // Commits the open cell editor and the pending row as leaving the row does; false when the
    // row stays in edit. With `discardIfKept` a row that would stay in edit is discarded.
    bool commitPendingEdit(bool discardIfKept = false);

    // Deletes the rows at these grid positions from the table, all or none, when deletions are
    // allowed: the positions name the rows, which are then deleted by their rowids. A pending
    // edit of another row is committed first, one of the deleted rows is dropped. False when
    // nothing was deleted (a failure is reported).
    bool deleteRows(const QList<int>& rows);

signals:
    // Rows the grid shows are no longer in the table: the window should read the table again.
    void rowsOutdated();

private:
    RowDecision writePendingRow(int row);
    GridCell typedCell(int field, const QString& text) const;
    void report(const Error& error);

    DataGrid* m_grid;
    std::vector<StoredRow> m_rows;
    RowStatements m_statements;
    QVector<bool> m_numberFields;
    bool m_allowUpdate = false;
    bool m_allowAddNew = false;
    bool m_allowDelete = false;
    std::function<RowDecision(int row)> m_beforeUpdate;
    std::function<void(const Error& error)> m_report;
};
