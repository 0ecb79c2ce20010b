#include "platform/ui/grid_drop_down.h"

#include "platform/ui/geometry.h"

#include <QHeaderView>

GridDropDown::GridDropDown(QWidget* parent) : QTableView(parent)
{
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    verticalHeader()->hide();
    setFrameShape(QFrame::Box);
    hide();
    auto applyWidths = [this] {
        for (int c = 0; c < m_model.columnCount(); ++c)
            horizontalHeader()->resizeSection(c, twipsToPx(m_model.columnWidthTwips(c)));
    };
    connect(&m_model, &GridModel::layoutColumnsChanged, this, applyWidths);
    connect(&m_model, &QAbstractItemModel::modelReset, this, applyWidths);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit chosen(index.row());
    });
}

QString GridDropDown::valueText(int listRow) const
{
    if (listRow < 0 || listRow >= listRowCount() || m_valueColumn >= m_model.columnCount())
        return QString();
    return m_model.cell(listRow, m_valueColumn).text;
}

int GridDropDown::findPrefix(const QString& typed) const
{
    if (m_searchColumn >= m_model.columnCount())
        return -1;
    for (int r = 0; r < listRowCount(); ++r)
        if (m_model.cell(r, m_searchColumn).text.startsWith(typed, Qt::CaseInsensitive))
            return r;
    return -1;
}

int GridDropDown::position(const QString& typed)
{
    m_typed = typed;
    const int row = findPrefix(typed);
    setCurrentRow(row);
    return row;
}

void GridDropDown::positionOnValue(const QString& value)
{
    m_typed.clear();
    int row = -1;
    for (int r = 0; r < listRowCount() && !value.isEmpty() && row < 0; ++r)
        if (valueText(r) == value)
            row = r;
    setCurrentRow(row);
    if (row < 0)
        scrollToTop();
}

int GridDropDown::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void GridDropDown::setCurrentRow(int row)
{
    if (row < 0) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(m_model.index(row, m_searchColumn));
    scrollTo(currentIndex(), QAbstractItemView::PositionAtTop);
}
