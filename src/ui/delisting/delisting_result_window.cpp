#include "ui/delisting/delisting_result_window.h"

#include "data/program_state.h"
#include "platform/ui/geometry.h"

#include <QLayout>

DelistingResultWindow::DelistingResultWindow(const DelistingLayout& layout)
    : ResultGridWindow(layout.caption, layout.gridName), m_layout(layout)
{
    const int left = twipsToPx(layout.gridLeftTwips);
    this->layout()->setContentsMargins(left, twipsToPx(layout.gridTopTwips), left, 0);
}

void DelistingResultWindow::setupColumns(GridModel& grid)
{
    QVector<GridColumn> columns;
    for (const DelistingColumn& c : m_layout.columns)
        columns.push_back({c.caption, c.widthTwips});
    grid.setColumns(columns);
    grid.setGroups(m_layout.groups);
}

QString DelistingResultWindow::recordSource() const
{
    return m_layout.chemicalClass
               ? QStringLiteral("SELECT * FROM DelistCOCS WHERE CARCNON = ? AND SITEKEY = ? ORDER BY rowid")
               : QStringLiteral("SELECT * FROM DelistCOCS WHERE SITEKEY = ? ORDER BY rowid");
}

QVariantList DelistingResultWindow::recordParameters() const
{
    QVariantList params;
    if (m_layout.chemicalClass)
        params << *m_layout.chemicalClass;
    return params << programState().storedSiteKey();
}

std::optional<QVector<GridCell>> DelistingResultWindow::recordRow(const ResultRecord& record)
{
    const QVariant chemicalClass = record.value(QStringLiteral("CARCNON"));
    if (!chemicalClass.isValid() || chemicalClass.isNull())
        return std::nullopt;
    // The class test is exact: any other text, a different letter case included, is no carcinogen.
    const bool carcinogen = chemicalClass.toString() == kCarcinogen;
    QVector<GridCell> cells;
    for (const DelistingColumn& column : m_layout.columns) {
        const DelistingCell& cell = carcinogen ? column.carcinogen : column.noncarcinogen;
        switch (cell.kind) {
        case DelistingCell::Name:
            cells << GridCell::fromText(record.text(QStringLiteral("CHEMNAME")));
            break;
        case DelistingCell::Field:
            cells << GridCell::fromNumber(record.number(cell.field));
            break;
        case DelistingCell::Dash:
            cells << GridCell::dash();
            break;
        case DelistingCell::Empty:
            cells << GridCell();
            break;
        }
    }
    return cells;
}

void DelistingResultWindow::formLoad()
{
    ResultGridWindow::formLoad();
    // The window's size is that of its client area; the frame adds its borders and title bar.
    const QMargins frameMargins = frame() == this ? QMargins() : frame()->contentsMargins();
    frame()->resize(twipsToPx(m_layout.clientWidthTwips) + frameMargins.left() + frameMargins.right(),
                    twipsToPx(m_layout.clientHeightTwips) + frameMargins.top() + frameMargins.bottom());
}
