#include "platform/ui/grid_binding.h"

#include "platform/db/variant_number.h"
#include "platform/text/number_parse.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// The cell of a stored value: a number keeps its full value, and its text, which an edit starts
// from, is the shortest that reads back to it.
GridCell storedCell(const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return {};
    if (std::optional<double> n = variantNumber(stored))
        return {QString::number(*n, 'g', QLocale::FloatingPointShortest), *n, false};
    return GridCell::fromText(stored.toString());
}

}   // namespace

GridBinding::GridBinding(DataGrid* grid) : QObject(grid), m_grid(grid) {}

GridCell GridBinding::typedCell(int field, const QString& text) const
{
    if (text.isEmpty())
        return {};
    if (field < m_numberFields.size() && m_numberFields[field]) {
        if (std::optional<double> n = toNumberStrict(text))
            return {trimmedNumberText(text), *n, false};
        // A number beyond the double range: refused as such when the row is written.
        if (const double lead = leadingNumber(text); std::isinf(lead))
            return {text, lead, false};
    }
    return GridCell::fromText(text);
}

void GridBinding::bind(Recordset rows, const QVector<bool>& numberFields, RowStatements statements)
{
    m_statements = std::move(statements);
    m_numberFields = numberFields;
    GridModel& g = m_grid->grid();
    QVector<GridColumn> columns;
    for (int f = 0; f < rows.fieldCount(); ++f)
        columns << GridColumn{rows.fieldName(f), 1440, CellEditor::Text};
    g.setColumns(columns);
    g.setCommitCheck([this](int, int column, const QString& text) { return std::optional(typedCell(column, text)); });
    g.setRowWriter([this](int row) { return writePendingRow(row); });
    m_rows.clear();
    m_rows.reserve(size_t(rows.recordCount()));
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        StoredRow stored{rows.rowid(), {}};
        QVector<GridCell> cells;
        for (int f = 0; f < rows.fieldCount(); ++f) {
            stored.values << rows.value(f);
            cells << storedCell(stored.values.back());
        }
        m_rows.push_back(std::move(stored));
        g.addRow(std::move(cells));
    }
}

void GridBinding::unbind()
{
    m_grid->cancelPendingEdit();
    m_grid->grid().clearRows();
    m_rows.clear();
}

void GridBinding::setEditPermissions(bool allowUpdate, bool allowAddNew, bool allowDelete)
{
    m_allowUpdate = allowUpdate;
    m_allowAddNew = allowAddNew;
    m_allowDelete = allowDelete;
    m_grid->grid().setAllowUpdate(allowUpdate);
    m_grid->grid().setAllowAddNew(allowAddNew);
    m_grid->setEditable(allowUpdate || allowAddNew || allowDelete);
}

void GridBinding::setBeforeUpdate(std::function<RowDecision(int row)> decide)
{
    m_beforeUpdate = std::move(decide);
}

void GridBinding::setFailureReport(std::function<void(const Error& error)> report)
{
    m_report = std::move(report);
}

void GridBinding::report(const Error& error)
{
    if (m_report)
        m_report(error);
}

RowDecision GridBinding::writePendingRow(int row)
{
    if (m_beforeUpdate) {
        const RowDecision decision = m_beforeUpdate(row);
        if (decision != RowDecision::Write)
            return decision;
    }
    GridModel& g = m_grid->grid();
    const bool added = g.pendingRowAdded();
    const QVector<GridCell>& before = g.pendingRowBefore();
    const int fields = g.columnCount();
    StoredRow edited = added ? StoredRow{0, QVector<QVariant>(fields)} : m_rows[size_t(row)];
    QVector<bool> changed(fields, false);
    for (int f = 0; f < fields; ++f) {
        const QVariant& now = g.cell(row, f).value;
        changed[f] = added ? now.isValid() : now != before[f].value;
        if (changed[f])
            edited.values[f] = now;
    }

    Result<StoredRow> written = m_statements.write(edited, changed);
    if (!written) {
        report(written.error());
        if (written.error().number == kErrRowGone) {
            // The rows shown no longer match the table: read again once this commit is over.
            QMetaObject::invokeMethod(this, &GridBinding::rowsOutdated, Qt::QueuedConnection);
            return RowDecision::Discard;
        }
        return RowDecision::Stay;
    }
    if (added)
        m_rows.push_back(*written);
    else
        m_rows[size_t(row)] = *written;
    std::vector<std::pair<int, GridCell>> cells;
    for (int f = 0; f < fields; ++f)
        cells.emplace_back(f, storedCell(written->values.value(f)));
    g.setCells(row, cells);
    return RowDecision::Write;
}

bool GridBinding::commitPendingEdit(bool discardIfKept)
{
    if (m_grid->commitPendingEdit())
        return true;
    if (!discardIfKept)
        return false;
    m_grid->cancelPendingEdit();
    return true;
}

bool GridBinding::deleteRows(const QList<int>& rows)
{
    if (!m_allowDelete)
        return false;
    const int pending = m_grid->grid().pendingRow();
    if (pending >= 0 && rows.contains(pending))
        m_grid->cancelPendingEdit();
    else if (!m_grid->commitPendingEdit())
        return false;
    // A discarded new row is no longer there.
    QList<int> positions = rows;
    positions.removeIf([this](int r) { return r < 0 || r >= int(m_rows.size()); });
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    if (positions.isEmpty())
        return false;
    QList<qint64> rowids;
    for (int r : std::as_const(positions))
        rowids << m_rows[size_t(r)].rowid;

    if (Status deleted = m_statements.remove(rowids); !deleted) {
        report(deleted.error());
        emit rowsOutdated();
        return false;
    }
    const QSet<qint64> gone(rowids.begin(), rowids.end());
    for (int r = int(m_rows.size()) - 1; r >= 0; --r)
        if (gone.contains(m_rows[size_t(r)].rowid)) {
            m_grid->grid().removeRow(r);
            m_rows.erase(m_rows.begin() + r);
        }
    return true;
}
