#include "platform/ui/data_grid.h"

#include "platform/ui/geometry.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace {
constexpr int kPadding = 6;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

QString captionText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

GroupHeaderView::GroupHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    // A wider or narrower column can change the height that its wrapped caption needs.
    connect(this, &QHeaderView::sectionResized, this, [this] {
        emit geometriesChanged();
        viewport()->update();
    });
}

const GridModel* GroupHeaderView::gridModel() const
{
    return qobject_cast<const GridModel*>(model());
}

int GroupHeaderView::wrappedHeight(const QString& text, int width) const
{
    const QRect bound = fontMetrics().boundingRect(QRect(0, 0, qMax(1, width - kPadding), 100000), kTextFlags,
                                                   captionText(text));
    return qMax(bound.height(), fontMetrics().height()) + kPadding;
}

int GroupHeaderView::groupBandHeight() const
{
    const GridModel* m = gridModel();
    if (!m || m->groups().isEmpty())
        return 0;
    int height = 0;
    for (int g = 0; g < m->groups().size(); ++g) {
        const GridGroup& group = m->groups()[g];
        int width = 0;
        for (int c = group.firstColumn; c < group.firstColumn + group.columnCount && c < count(); ++c)
            width += sectionSize(c);
        height = qMax(height, wrappedHeight(group.caption, width));
    }
    return height;
}

int GroupHeaderView::captionBandHeight() const
{
    int height = fontMetrics().height() + kPadding;
    if (const GridModel* m = gridModel())
        for (int c = 0; c < m->columnCount(); ++c)
            height = qMax(height, wrappedHeight(m->columns()[c].caption, sectionSize(c)));
    return height;
}

QSize GroupHeaderView::sizeHint() const
{
    QSize hint = QHeaderView::sizeHint();
    hint.setHeight(groupBandHeight() + captionBandHeight());
    return hint;
}

void GroupHeaderView::paintCell(QPainter* painter, const QRect& rect, const QString& text) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    painter->drawText(rect.adjusted(kPadding / 2, 0, -kPadding / 2, 0), kTextFlags, captionText(text));
}

void GroupHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const GridModel* m = gridModel();
    if (!m || logicalIndex >= m->columnCount())
        return;
    QRect captionRect = rect;
    if (m->groupOf(logicalIndex) >= 0)
        captionRect.setTop(rect.top() + groupBandHeight());
    painter->save();
    paintCell(painter, captionRect, m->columns()[logicalIndex].caption);
    painter->restore();
}

void GroupHeaderView::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    const GridModel* m = gridModel();
    const int band = groupBandHeight();
    if (!m || band == 0)
        return;
    QPainter painter(viewport());
    painter.setFont(font());
    for (const GridGroup& group : m->groups()) {
        if (group.firstColumn >= count())
            continue;
        int width = 0;
        for (int c = group.firstColumn; c < group.firstColumn + group.columnCount && c < count(); ++c)
            width += sectionSize(c);
        paintCell(&painter, QRect(sectionViewportPosition(group.firstColumn), 0, width, band), group.caption);
    }
}

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), m_header(new GroupHeaderView(this))
{
    setHorizontalHeader(m_header);
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    connect(&m_model, &GridModel::layoutColumnsChanged, this, &DataGrid::applyColumnLayout);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &DataGrid::applyColumnLayout);
}

void DataGrid::setGridFont(const QFont& font)
{
    setFont(font);
    m_header->setFont(font);
    m_model.setFont(font);
}

void DataGrid::applyColumnLayout()
{
    for (int c = 0; c < m_model.columnCount(); ++c)
        m_header->resizeSection(c, twipsToPx(m_model.columnWidthTwips(c)));
    m_header->setVisible(m_model.columnHeadersVisible());
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + kPadding);
    updateGeometries();
    m_header->viewport()->update();
}
