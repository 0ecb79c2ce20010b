#pragma once

#include "platform/ui/grid_model.h"

#include <QHash>
#include <QHeaderView>
#include <QTableView>

#include <optional>

class GridDropDown;
class GridCellDelegate;

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
    void changeEvent(QEvent* event) override;

private:
    const GridModel* gridModel() const;
    int groupBandHeight() const;
    int captionBandHeight() const;
    int wrappedHeight(const QString& text, int width) const;
    void paintCell(QPainter* painter, const QRect& rect, const QString& text) const;

    // Heights of wrapped captions by text and width, in the current font: every resized column
    // asks for the heights of all captions again.
    mutable QHash<QPair<QString, int>, int> m_wrappedHeights;
};

// The grid of every table window: a view on its own GridModel, column widths in twips. Read-only
// unless made editable, when the columns' editors open on a double click, a typed key or F2, a
// check-box cell ticks with a click that makes it current, and record selectors on the left
// select whole rows.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    GridModel& grid() { return m_model; }
    const GridModel& grid() const { return m_model; }
    GroupHeaderView* groupHeader() const { return m_header; }

    // The font of the cells and headings, on the screen and in printouts.
    void setGridFont(const QFont& font);

    void setEditable(bool editable);
    // Attaches a list that drops down under the column's cells while they are edited: it opens
    // with the cell's editor, on the row that holds the cell's text. What is typed in such a cell
    // only searches the list and is never written into the cell: Enter or a click on a list row
    // reports a choice (dropDownChosen), and leaving the cell any other way, Escape included,
    // leaves it as it was. A text typed and then erased counts as none typed.
    void setColumnDropDown(int column, GridDropDown* list);

    using QTableView::edit;
    // Read-only grids only: an editable grid's keys never make another row current.
    void keyboardSearch(const QString& search) override;
    // A cell made current by a click comes into view by its row only: the columns stay where
    // they stand under the pointer, so the next click lands where the user aimed. Any other cell
    // comes into view in the grid and in the scrolling window around it.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void setCurrentCell(int row, int column);
    // Opens the editor (and drop-down list) of the current cell when it has one.
    void editCurrentCell();
    // The open editor of a cell; nullptr when none is open.
    QWidget* cellEditor() const;
    // Commits the open editor and the current row's pending edit; false when the check refused
    // the editor's text, which then stays open, or the row stays in edit.
    bool commitPendingEdit();
    // Discards the open editor and the current row's pending edit.
    void cancelPendingEdit();
    // The rows selected as whole rows, in ascending order, without the row for a new entry.
    QList<int> selectedWholeRows() const;
    // The height that shows the column captions and `rows` rows.
    int heightShowing(int rows) const;

signals:
    // Enter in a cell, after the open editor's text was taken.
    void enterPressed(int row, int column);
    void currentCellChanged(int row, int column);
    // The user changed the text of an open editor, before it is committed; not sent for a
    // drop-down column, whose typing only searches its list.
    void editorTextChanged(int row, int column);
    // Enter in a cell with a drop-down list, or a click on a row of the list: the list row chosen
    // (-1 when the text typed starts none) and the text typed since the list opened (empty when
    // none). Enter while the list is closed chooses as the list opened on the cell's value does.
    // Sent before enterPressed.
    void dropDownChosen(int row, int column, int listRow, const QString& typed);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Tab on the last cell and Shift+Tab on the first leave the grid for the next or previous
    // control, with or without an open editor.
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class GridCellDelegate;
    void applyColumnLayout();
    // Brings the cell into view in the scroll areas around the grid.
    void showInScrollingWindow(const QModelIndex& index);
    // Whether the current cell is the last (next) or the first cell of the grid.
    bool atEnd(bool next) const;
    bool commitEditor();
    // The list in the grid's font, its rows as high as the grid's.
    void fitDropDown(GridDropDown* list) const;
    // Opens the column's list under the cell; placeDropDown moves it only when it is open.
    void showDropDown(int column, const QRect& cellRect);
    void placeDropDown(int column, const QRect& cellRect);
    void hideDropDowns();
    // The arrow and page keys move through an open list; false when the key is not for it.
    bool moveInDropDown(const QModelIndex& index, int key);
    // After the cell check refused an editor's text (none: it took it).
    void keepRefusedCell(const QModelIndex& index, const std::optional<QString>& refusedText);
    void reopenRefusedCell();
    void dropDownTyped(const QModelIndex& index, const QString& typed);
    // Enter in a cell whose editor has closed: a choice from the column's list, then the key.
    void enterIn(const QModelIndex& index);
    void dropDownClicked(int column, int listRow);

    GridModel m_model;
    GroupHeaderView* m_header;
    GridCellDelegate* m_delegate;
    QHash<int, GridDropDown*> m_dropDowns;
    QPersistentModelIndex m_clickedCell;
    QPersistentModelIndex m_refusedCell;
    QString m_refusedText;
    bool m_returning = false;   // moving back to a row that stays in edit
};
