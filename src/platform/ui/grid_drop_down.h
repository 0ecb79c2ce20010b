#pragma once

#include "platform/ui/grid_model.h"

#include <QTableView>

// A list that drops down under a grid cell while the cell is edited (attached to a column with
// DataGrid::setColumnDropDown) and closes when the cell is left. It shows the rows of its own
// grid model; it opens on the row that holds the cell's value, typing positions it on the first
// row, in list order, whose searched column starts with the typed text (on none when no row
// does), the arrow and page keys move through it, and a click on a row chooses it. It never
// takes the focus from the cell.
class GridDropDown : public QTableView {
    Q_OBJECT
public:
    explicit GridDropDown(QWidget* parent = nullptr);

    GridModel& list() { return m_model; }
    const GridModel& list() const { return m_model; }
    int listRowCount() const { return m_model.dataRowCount(); }

    // The column that typing searches and the column whose text a choice puts into the cell.
    void setSearchColumn(int column) { m_searchColumn = column; }
    int searchColumn() const { return m_searchColumn; }
    void setValueColumn(int column) { m_valueColumn = column; }
    int valueColumn() const { return m_valueColumn; }
    QString valueText(int listRow) const;

    // The first row whose searched text starts with `typed`, letter case ignored, taken
    // literally; -1 when none.
    int findPrefix(const QString& typed) const;
    // A search for the text typed in the cell: the first row that starts with it becomes current,
    // and none when no row does (-1).
    int position(const QString& typed);
    // The list as it opens on a cell: the first row whose value is `value` is current (none when
    // no row holds it), and nothing is typed.
    void positionOnValue(const QString& value);
    // The current row; -1 when none.
    int currentRow() const;
    // The text typed since the list opened on its cell's value; empty when none.
    const QString& typed() const { return m_typed; }

signals:
    // The user chose a row with the mouse.
    void chosen(int listRow);

private:
    // -1: no row is current.
    void setCurrentRow(int row);

    GridModel m_model;
    int m_searchColumn = 0;
    int m_valueColumn = 0;
    QString m_typed;
};
