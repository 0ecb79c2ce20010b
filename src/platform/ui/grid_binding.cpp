#include "platform/ui/grid_binding.h"

#include "platform/db/transaction.h"
#include "platform/db/variant_number.h"
#include "platform/text/number_parse.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

Error goneError(const QString& table)
{
    return Error{kErrRecordset, QStringLiteral("The row is no longer in the table %1.").arg(table)};
}

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

Result<bool> GridBinding::allStored(const QList<qint64>& rowids)
{
    const QString sql =
        QStringLiteral("SELECT count(*) FROM \"%1\" WHERE rowid IN (%2)")
            .arg(m_rows.table(), QStringList(rowids.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    Result<QVariant> n = m_conn->scalar(sql, QVariantList(rowids.begin(), rowids.end()));
    if (!n)
        return n.error();
    return n->toLongLong() == rowids.size();
}

GridCell GridBinding::typedCell(int field, const QString& text) const
{
    if (text.isEmpty())
        return {};
    if (field < m_numberFields.size() && m_numberFields[field]) {
        if (std::optional<double> n = toNumberStrict(text))
            return {text, *n, false};
        // A number beyond the double range: refused as such when the row is written.
        if (const double lead = leadingNumber(text); std::isinf(lead))
            return {text, lead, false};
    }
    return GridCell::fromText(text);
}

void GridBinding::bind(Connection& conn, Recordset rows, const QVector<bool>& numberFields)
{
    m_conn = &conn;
    m_rows = std::move(rows);
    m_numberFields = numberFields;
    GridModel& g = m_grid->grid();
    QVector<GridColumn> columns;
    for (int f = 0; f < m_rows.fieldCount(); ++f)
        columns << GridColumn{m_rows.fieldName(f), 1440, CellEditor::Text};
    g.setColumns(columns);
    g.setCommitCheck([this](int, int column, const QString& text) { return std::optional(typedCell(column, text)); });
    g.setRowWriter([this](int row) { return writePendingRow(row); });
    for (m_rows.moveFirst(); !m_rows.eof(); m_rows.moveNext()) {
        QVector<GridCell> cells;
        for (int f = 0; f < m_rows.fieldCount(); ++f)
            cells << storedCell(m_rows.value(f));
        g.addRow(std::move(cells));
    }
}

void GridBinding::unbind()
{
    m_grid->cancelPendingEdit();
    m_grid->grid().clearRows();
    m_rows.close();
    m_conn = nullptr;
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

void GridBinding::setRowCheck(RowCheck check)
{
    m_rowCheck = std::move(check);
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
    if (added)
        m_rows.addNew();
    else
        m_rows.setPosition(row);
    for (int f = 0; f < m_rows.fieldCount(); ++f) {
        const QVariant& now = g.cell(row, f).value;
        if (added ? now.isValid() : now != before[f].value)
            m_rows.setValue(f, now);
    }

    bool stored = false;
    bool gone = false;
    const Status written = [&]() -> Status {
        Transaction tx(*m_conn);
        if (!tx.started())
            return tx.started();
        if (!added) {
            Result<bool> there = allStored({m_rows.rowid()});
            if (!there)
                return there.error();
            if (!*there) {
                gone = true;
                return goneError(m_rows.table());
            }
        }
        if (m_rowCheck) {
            QVector<QVariant> values;
            for (int f = 0; f < m_rows.fieldCount(); ++f)
                values << m_rows.value(f);
            if (Status s = m_rowCheck(*m_conn, values, added ? 0 : m_rows.rowid()); !s)
                return s;
        }
        if (Status s = m_rows.update(); !s)
            return s;
        stored = true;
        return tx.commit();
    }();
    if (!written) {
        m_rows.cancelUpdate();
        report(written.error());
        if (stored || gone) {
            // The record set no longer matches the table: read again once this commit is over.
            QMetaObject::invokeMethod(this, &GridBinding::rowsOutdated, Qt::QueuedConnection);
            return RowDecision::Discard;
        }
        return RowDecision::Stay;
    }
    std::vector<std::pair<int, GridCell>> cells;
    for (int f = 0; f < m_rows.fieldCount(); ++f)
        cells.emplace_back(f, storedCell(m_rows.value(f)));
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

bool GridBinding::deleteRows(QList<int> rows)
{
    if (!m_allowDelete || !m_conn)
        return false;
    const int pending = m_grid->grid().pendingRow();
    if (pending >= 0 && rows.contains(pending))
        m_grid->cancelPendingEdit();
    else if (!m_grid->commitPendingEdit())
        return false;
    // A discarded new row is no longer there.
    rows.removeIf([this](int r) { return r < 0 || r >= m_rows.recordCount(); });
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return false;

    QList<qint64> rowids;
    for (int r : std::as_const(rows)) {
        m_rows.setPosition(r);
        rowids << m_rows.rowid();
    }
    Transaction tx(*m_conn);
    Status deleted = tx.started();
    if (deleted) {
        Result<bool> there = allStored(rowids);
        if (!there)
            deleted = there.error();
        else if (!*there)
            deleted = goneError(m_rows.table());
    }
    for (int i = 0; deleted && i < rows.size(); ++i) {
        m_rows.setPosition(rows[i]);
        deleted = m_rows.deleteCurrent();
    }
    if (deleted)
        deleted = tx.commit();
    if (!deleted) {
        tx.rollback();
        report(deleted.error());
        emit rowsOutdated();
        return false;
    }
    for (int r : std::as_const(rows))
        m_grid->grid().removeRow(r);
    return true;
}
