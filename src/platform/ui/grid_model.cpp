#include "platform/ui/grid_model.h"

#include "platform/db/variant_number.h"
#include "platform/text/number_format.h"
#include "platform/ui/geometry.h"

#include <QBrush>

namespace {

bool isTextEditor(CellEditor editor)
{
    return editor == CellEditor::Text || editor == CellEditor::DropDown || editor == CellEditor::ComboBox;
}

}   // namespace

GridCell GridCell::fromText(const QString& text)
{
    return {text, text, false};
}

GridCell GridCell::fromNumber(std::optional<double> value)
{
    if (!value)
        return {};
    return {formatScientific(*value), *value, false};
}

GridCell GridCell::dash()
{
    return {QStringLiteral("---"), {}, false};
}

QFont GridStyle::applyTo(QFont font) const
{
    if (bold)
        font.setBold(*bold);
    if (italic)
        font.setItalic(*italic);
    if (underline)
        font.setUnderline(*underline);
    if (pointSize)
        font.setPointSizeF(*pointSize);
    return font;
}

GridRowStyle::GridRowStyle(const QVector<GridCell>& cells) : m_cells(cells), m_style(cells.size())
{
    m_text.reserve(cells.size());
    for (const GridCell& c : cells)
        m_text << c.text;
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setColumns(const QVector<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    m_groups.clear();
    m_rows.clear();
    forgetPendingRow();
    endResetModel();
    emit layoutColumnsChanged();
}

void GridModel::setColumnCaption(int column, const QString& caption)
{
    m_columns[column].caption = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
    emit layoutColumnsChanged();
}

void GridModel::setColumnWidthTwips(int column, int twips)
{
    m_columns[column].widthTwips = twips;
    emit layoutColumnsChanged();
}

void GridModel::setColumnHeadersVisible(bool visible)
{
    m_headersVisible = visible;
    emit layoutColumnsChanged();
}

void GridModel::setGroups(const QVector<GridGroup>& groups)
{
    m_groups = groups;
    emit layoutColumnsChanged();
}

int GridModel::groupOf(int column) const
{
    for (int g = 0; g < m_groups.size(); ++g)
        if (column >= m_groups[g].firstColumn && column < m_groups[g].firstColumn + m_groups[g].columnCount)
            return g;
    return -1;
}

int GridModel::groupWidthTwips(int group) const
{
    const GridGroup& g = m_groups[group];
    int width = 0;
    for (int c = g.firstColumn; c < g.firstColumn + g.columnCount && c < m_columns.size(); ++c)
        width += m_columns[c].widthTwips;
    return width;
}

void GridModel::addStyle(const GridStyle& style)
{
    for (GridStyle& s : m_styles)
        if (s.name == style.name) {
            s = style;
            return;
        }
    m_styles.push_back(style);
}

const GridStyle* GridModel::style(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const GridStyle& s : m_styles)
        if (s.name == name)
            return &s;
    return nullptr;
}

void GridModel::setRowStyler(RowStyler styler)
{
    m_styler = std::move(styler);
    for (Row& row : m_rows)
        styleRow(row);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::setFont(const QFont& font)
{
    m_font = font;
    emit layoutColumnsChanged();
}

void GridModel::setColumnFormat(int column, bool scientific, bool centred)
{
    m_columns[column].scientific = scientific;
    m_columns[column].centred = centred;
    for (Row& row : m_rows)
        styleRow(row);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void GridModel::setCommitCheck(CommitCheck check)
{
    m_commitCheck = std::move(check);
}

void GridModel::setRowLoader(RowLoader loader)
{
    m_rowLoader = std::move(loader);
}

void GridModel::setRowWriter(RowWriter writer)
{
    m_rowWriter = std::move(writer);
}

void GridModel::setAllowUpdate(bool allow)
{
    m_allowUpdate = allow;
}

void GridModel::setAllowAddNew(bool allow)
{
    if (allow == m_allowAddNew)
        return;
    const int at = dataRowCount();
    if (allow) {
        beginInsertRows({}, at, at);
        m_allowAddNew = true;
        endInsertRows();
    } else {
        beginRemoveRows({}, at, at);
        m_allowAddNew = false;
        endRemoveRows();
    }
}

void GridModel::loadRow(Row& row) const
{
    if (m_rowLoader)
        m_rowLoader(row.cells);
}

void GridModel::styleRow(Row& row) const
{
    GridRowStyle styling(row.cells);
    for (int c = 0; c < row.cells.size() && c < m_columns.size(); ++c)
        if (m_columns[c].scientific && variantNumber(row.cells[c].value))
            styling.m_text[c] = formatScientific(row.cells[c].value.toDouble());
    if (m_styler)
        m_styler(styling);
    row.text = std::move(styling.m_text);
    row.style = std::move(styling.m_style);
}

void GridModel::addRow(QVector<GridCell> cells)
{
    cells.resize(m_columns.size());
    Row row{std::move(cells), {}, {}};
    loadRow(row);
    styleRow(row);
    const int at = dataRowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void GridModel::addTextRow(const QString& tabText)
{
    QVector<GridCell> cells;
    for (const QString& part : tabText.split(QLatin1Char('\t')))
        cells << GridCell::fromText(part);
    addRow(std::move(cells));
}

void GridModel::clearRows()
{
    beginResetModel();
    m_rows.clear();
    forgetPendingRow();
    endResetModel();
}

bool GridModel::beginRowEdit(int row)
{
    if (row < 0 || row > dataRowCount() || (row == dataRowCount() && !m_allowAddNew))
        return false;
    if (row == m_pendingRow)
        return true;
    if (!commitPendingRow())
        return false;
    if (row == dataRowCount()) {
        // The row of a new entry becomes a row; a new empty one follows it.
        Row added{QVector<GridCell>(m_columns.size()), {}, {}};
        loadRow(added);
        styleRow(added);
        beginInsertRows({}, row + 1, row + 1);
        m_rows.push_back(std::move(added));
        endInsertRows();
        m_pendingAdded = true;
    } else {
        m_pendingCells = m_rows[size_t(row)].cells;
    }
    m_pendingRow = row;
    return true;
}

void GridModel::rowChanged(int row)
{
    Row& r = m_rows[size_t(row)];
    loadRow(r);
    styleRow(r);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void GridModel::setCells(int row, const std::vector<std::pair<int, GridCell>>& cells)
{
    if (!beginRowEdit(row))
        return;
    Row& r = m_rows[size_t(row)];
    for (const auto& [column, cell] : cells)
        if (column >= 0 && column < r.cells.size())
            r.cells[column] = cell;
    rowChanged(row);
}

void GridModel::removeRow(int row)
{
    if (row < 0 || row >= dataRowCount())
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    if (row == m_pendingRow)
        forgetPendingRow();
    else if (row < m_pendingRow)
        --m_pendingRow;
    endRemoveRows();
}

void GridModel::forgetPendingRow()
{
    m_pendingRow = -1;
    m_pendingAdded = false;
    m_pendingCells.clear();
}

bool GridModel::commitPendingRow()
{
    if (m_pendingRow < 0)
        return true;
    if (!m_rowWriter) {
        forgetPendingRow();
        return true;
    }
    // A question of the writer may bring events that commit again: the first decision holds.
    if (m_committing)
        return false;
    m_committing = true;
    const RowDecision decision = m_rowWriter(m_pendingRow);
    m_committing = false;
    switch (decision) {
    case RowDecision::Write:
        forgetPendingRow();
        return true;
    case RowDecision::Discard:
        cancelPendingRow();
        return true;
    case RowDecision::Stay:
        break;
    }
    return false;
}

void GridModel::cancelPendingRow()
{
    const int row = m_pendingRow;
    if (row < 0)
        return;
    if (m_pendingAdded) {
        // Ended first: removing the row can move the view's current row, which commits.
        forgetPendingRow();
        removeRow(row);
        return;
    }
    Row& r = m_rows[size_t(row)];
    r.cells = m_pendingCells;
    forgetPendingRow();
    styleRow(r);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

QFont GridModel::cellFont(int row, int column) const
{
    const GridStyle* s = style(styleName(row, column));
    return s ? s->applyTo(m_font) : m_font;
}

int GridModel::cellColor(int row, int column) const
{
    const GridStyle* s = style(styleName(row, column));
    return s ? s->foreColor : 0;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : dataRowCount() + (m_allowAddNew ? 1 : 0);
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int r = index.row();
    const int c = index.column();
    const GridColumn& column = m_columns[c];
    const bool checkBox = column.editor == CellEditor::CheckBox;
    if (role == Qt::TextAlignmentRole)
        return column.centred ? QVariant(int(Qt::AlignCenter)) : QVariant();
    if (r >= dataRowCount()) {
        if (role == Qt::CheckStateRole && checkBox)
            return int(Qt::Unchecked);
        return role == Qt::FontRole ? QVariant(m_font) : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return checkBox ? QVariant() : QVariant(displayText(r, c));
    case Qt::EditRole:
        return cell(r, c).text;
    case Qt::CheckStateRole:
        return checkBox ? QVariant(int(cell(r, c).value.toBool() ? Qt::Checked : Qt::Unchecked)) : QVariant();
    case Qt::FontRole:
        return cellFont(r, c);
    case Qt::ForegroundRole:
        return QBrush(colorFromBgr(cellColor(r, c)));
    case RawValueRole:
        return cell(r, c).value;
    case NonDetectRole:
        return cell(r, c).nonDetect;
    case StyleNameRole:
        return styleName(r, c);
    case StoredTextRole:
        return cell(r, c).text;
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() >= columnCount())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_allowUpdate && index.row() < dataRowCount())
        return f;
    const CellEditor editor = m_columns[index.column()].editor;
    if (isTextEditor(editor))
        f |= Qt::ItemIsEditable;
    else if (editor == CellEditor::CheckBox)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return false;
    const int r = index.row();
    const int c = index.column();
    const CellEditor editor = m_columns[c].editor;
    const bool newEntry = r == dataRowCount();
    if (!m_allowUpdate && !newEntry)
        return false;
    GridCell cell;
    if (role == Qt::CheckStateRole && editor == CellEditor::CheckBox) {
        const bool on = value.toInt() == Qt::Checked;
        cell = {on ? QStringLiteral("True") : QStringLiteral("False"), on, false};
    } else if (role == Qt::EditRole && isTextEditor(editor)) {
        const QString text = value.toString();
        if (newEntry ? text.isEmpty() : text == m_rows[size_t(r)].cells[c].text)
            return true;
        std::optional<GridCell> checked = m_commitCheck ? m_commitCheck(r, c, text) : GridCell::fromText(text);
        if (!checked)
            return false;
        cell = std::move(*checked);
    } else {
        return false;
    }
    if (!beginRowEdit(r))
        return false;
    m_rows[size_t(r)].cells[c] = std::move(cell);
    rowChanged(r);
    emit cellEdited(r, c);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Record selectors: blank, with a star on the row for a new entry.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return isAddNewRow(section) ? QStringLiteral("*") : QString();
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].caption;
    if (role == Qt::FontRole)
        return m_font;
    return {};
}
