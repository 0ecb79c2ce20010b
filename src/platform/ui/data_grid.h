#pragma once

#include "platform/ui/grid_model.h"

#include <QHeaderView>
#include <QTableView>

// The column header of a grid: the group captions in a band above the column captions,
// both wrapped to their widths.
class GroupHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit GroupHeaderView(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    const GridModel* gridModel() const;
    int groupBandHeight() const;
    int captionBandHeight() const;
    int wrappedHeight(const QString& text, int width) const;
    void paintCell(QPainter* painter, const QRect& rect, const QString& text) const;
};

// The grid of every table window: a read-only view on its own GridModel, column widths in twips.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    GridModel& grid() { return m_model; }
    const GridModel& grid() const { return m_model; }
    GroupHeaderView* groupHeader() const { return m_header; }

    // The font of the cells and headings, on the screen and in printouts.
    void setGridFont(const QFont& font);

private:
    void applyColumnLayout();

    GridModel m_model;
    GroupHeaderView* m_header;
};
