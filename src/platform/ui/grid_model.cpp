#include "platform/ui/grid_model.h"

#include "platform/text/number_format.h"
#include "platform/ui/geometry.h"

#include <QBrush>

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

void GridModel::styleRow(Row& row) const
{
    GridRowStyle styling(row.cells);
    if (m_styler)
        m_styler(styling);
    row.text = std::move(styling.m_text);
    row.style = std::move(styling.m_style);
}

void GridModel::addRow(QVector<GridCell> cells)
{
    cells.resize(m_columns.size());
    Row row{std::move(cells), {}, {}};
    styleRow(row);
    const int at = rowCount();
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
    endResetModel();
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
    return parent.isValid() ? 0 : int(m_rows.size());
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
    switch (role) {
    case Qt::DisplayRole: return displayText(r, c);
    case Qt::FontRole: return cellFont(r, c);
    case Qt::ForegroundRole: return QBrush(colorFromBgr(cellColor(r, c)));
    case RawValueRole: return cell(r, c).value;
    case NonDetectRole: return cell(r, c).nonDetect;
    case StyleNameRole: return styleName(r, c);
    case StoredTextRole: return cell(r, c).text;
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].caption;
    if (role == Qt::FontRole)
        return m_font;
    return {};
}
