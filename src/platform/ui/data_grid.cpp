#include "platform/ui/data_grid.h"

#include "platform/ui/geometry.h"
#include "platform/ui/grid_drop_down.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

namespace {
constexpr int kPadding = 6;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

QString captionText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
}   // namespace

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
    const QPair<QString, int> key(text, width);
    if (const auto it = m_wrappedHeights.constFind(key); it != m_wrappedHeights.constEnd())
        return *it;
    const QRect bound =
        fontMetrics().boundingRect(QRect(0, 0, qMax(1, width - kPadding), 100000), kTextFlags, captionText(text));
    const int height = qMax(bound.height(), fontMetrics().height()) + kPadding;
    m_wrappedHeights.insert(key, height);
    return height;
}

void GroupHeaderView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_wrappedHeights.clear();
    QHeaderView::changeEvent(event);
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

// The editors of an editable grid: a line edit for text and drop-down columns, a combo box of the
// column's items, none for check boxes (the view ticks them). Enter commits the editor and
// reports the key to the grid; a drop-down column's editor only searches its list and commits
// nothing.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* editor() const { return m_editor; }
    bool lastCommitRefused() const { return m_refused; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const GridColumn& column = m_grid->grid().columns()[index.column()];
        QWidget* editor = nullptr;
        const QPersistentModelIndex at(index);
        DataGrid* grid = m_grid;
        auto changed = [grid, at] {
            if (at.isValid())
                emit grid->editorTextChanged(at.row(), at.column());
        };
        if (column.editor == CellEditor::ComboBox) {
            auto* combo = new QComboBox(parent);
            combo->addItems(column.items);
            QObject::connect(combo, &QComboBox::activated, grid, changed);
            editor = combo;
        } else if (column.editor == CellEditor::Text || column.editor == CellEditor::DropDown) {
            auto* line = new QLineEdit(parent);
            line->setFrame(false);
            if (column.maxLength > 0)
                line->setMaxLength(column.maxLength);
            // What is typed in a drop-down column only searches its list: no edit of the cell.
            if (column.editor == CellEditor::DropDown)
                QObject::connect(line, &QLineEdit::textEdited, grid,
                                 [grid, at](const QString& typed) { grid->dropDownTyped(at, typed); });
            else
                QObject::connect(line, &QLineEdit::textEdited, grid, changed);
            editor = line;
        }
        m_editor = editor;
        m_index = index;
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(text);
        else if (auto* combo = qobject_cast<QComboBox*>(editor))
            combo->setCurrentIndex(combo->findText(text));
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        m_refused = false;
        if (m_grid->m_dropDowns.contains(index.column()))
            return;
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const QString text = line->text();
            m_refused = !model->setData(index, text, Qt::EditRole);
            m_grid->keepRefusedCell(index, m_refused ? std::optional<QString>(text) : std::nullopt);
        } else if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->currentIndex() >= 0) {
            m_refused = !model->setData(index, combo->currentText(), Qt::EditRole);
        }
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override
    {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        m_grid->placeDropDown(index.column(), option.rect);
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        m_grid->hideDropDowns();
        QStyledItemDelegate::destroyEditor(editor, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && editor == m_editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (m_grid->moveInDropDown(m_index, key))
                return true;
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                const QPersistentModelIndex index = m_index;
                emit commitData(editor);
                if (m_refused)
                    return true;
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                if (index.isValid())
                    m_grid->enterIn(index);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    DataGrid* m_grid;
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_index;
    mutable bool m_refused = false;

    friend class DataGrid;
};

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent), m_header(new GroupHeaderView(this)), m_delegate(new GridCellDelegate(this))
{
    setHorizontalHeader(m_header);
    setItemDelegate(m_delegate);
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    connect(&m_model, &GridModel::layoutColumnsChanged, this, &DataGrid::applyColumnLayout);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &DataGrid::applyColumnLayout);
}

DataGrid::~DataGrid() = default;

void DataGrid::setGridFont(const QFont& font)
{
    setFont(font);
    m_header->setFont(font);
    m_model.setFont(font);
    for (GridDropDown* list : std::as_const(m_dropDowns))
        fitDropDown(list);
}

void DataGrid::fitDropDown(GridDropDown* list) const
{
    list->setFont(font());
    list->horizontalHeader()->setFont(font());
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + kPadding);
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

void DataGrid::setEditable(bool editable)
{
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                   | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                             : QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(editable);
    verticalHeader()->setSectionsClickable(editable);
}

void DataGrid::setColumnDropDown(int column, GridDropDown* list)
{
    if (GridDropDown* old = m_dropDowns.value(column); old && old != list)
        old->hide();
    if (!list) {
        m_dropDowns.remove(column);
        return;
    }
    list->setParent(this);
    list->hide();
    fitDropDown(list);
    m_dropDowns.insert(column, list);
    disconnect(list, &GridDropDown::chosen, this, nullptr);
    connect(list, &GridDropDown::chosen, this, [this, column](int listRow) { dropDownClicked(column, listRow); });
}

void DataGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || index != m_clickedCell) {
        QTableView::scrollTo(index, hint);
        if (index.isValid())
            showInScrollingWindow(index);
        return;
    }
    const int columns = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(columns);
}

void DataGrid::showInScrollingWindow(const QModelIndex& index)
{
    // A window below its smallest size scrolls its content, the grid with it: the cell must show
    // in the window as well as in the grid.
    const QRect cell = visualRect(index).intersected(viewport()->rect());
    if (cell.isEmpty())
        return;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(w);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(this))
            continue;
        const QRect shown(viewport()->mapTo(area->widget(), cell.topLeft()), cell.size());
        area->ensureVisible(shown.center().x(), shown.center().y(), shown.width() / 2 + 1, shown.height() / 2 + 1);
    }
}

void DataGrid::setCurrentCell(int row, int column)
{
    m_clickedCell = QPersistentModelIndex();
    setCurrentIndex(m_model.index(row, column));
}

void DataGrid::editCurrentCell()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && state() != QAbstractItemView::EditingState)
        edit(current);
}

QWidget* DataGrid::cellEditor() const
{
    return state() == QAbstractItemView::EditingState ? m_delegate->editor() : nullptr;
}

bool DataGrid::commitEditor()
{
    if (QWidget* editor = cellEditor()) {
        commitData(editor);
        if (m_delegate->lastCommitRefused())
            return false;
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    return true;
}

bool DataGrid::commitPendingEdit()
{
    return commitEditor() && m_model.commitPendingRow();
}

void DataGrid::cancelPendingEdit()
{
    m_refusedCell = QPersistentModelIndex();
    if (QWidget* editor = cellEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    m_model.cancelPendingRow();
    viewport()->update();
}

QList<int> DataGrid::selectedWholeRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (!m_model.isAddNewRow(index.row()))
            rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool DataGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A cell that opened its editor as it became current is being edited already.
    if (state() == QAbstractItemView::EditingState && m_delegate->m_index == index)
        return true;
    if (!QTableView::edit(index, trigger, event))
        return false;
    // An editor opened by a key comes into view, also on a cell that a click left half shown.
    if ((trigger == AnyKeyPressed || trigger == EditKeyPressed) && state() == QAbstractItemView::EditingState)
        scrollTo(index);
    // A typed key has already opened the list on what it found.
    GridDropDown* list = m_dropDowns.value(index.column());
    if (list && !list->isVisible() && state() == QAbstractItemView::EditingState && m_delegate->m_index == index) {
        list->positionOnValue(index.data(Qt::EditRole).toString());
        showDropDown(index.column(), visualRect(index));
    }
    return true;
}

int DataGrid::heightShowing(int rows) const
{
    const int captions = m_model.columnHeadersVisible() ? m_header->sizeHint().height() : 0;
    return captions + rows * verticalHeader()->defaultSectionSize() + horizontalScrollBar()->sizeHint().height()
           + 2 * frameWidth();
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    m_clickedCell = QPersistentModelIndex();
    const bool editable = editTriggers() != QAbstractItemView::NoEditTriggers;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && editable && currentIndex().isValid()) {
        // The list is closed: it stands on the cell's value, whatever was typed before.
        if (GridDropDown* list = m_dropDowns.value(currentIndex().column()))
            list->positionOnValue(currentIndex().data(Qt::EditRole).toString());
        enterIn(currentIndex());
        return;
    }
    // A click on the current cell opens its editor only once no double click can follow; a key
    // that opens an editor drops that wait, so the editor opens at once and takes the key.
    const bool modified = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool typed = !event->text().isEmpty() && event->text().front().isPrint() && !modified;
    const bool opensEditor = typed || event->key() == Qt::Key_F2;
    if (editable && opensEditor && state() != QAbstractItemView::EditingState && currentIndex().isValid())
        QTableView::edit(currentIndex(), QAbstractItemView::CurrentChanged, nullptr);
    QTableView::keyPressEvent(event);
}

void DataGrid::keyboardSearch(const QString& search)
{
    // In an editable grid the keys are values for the current cell, never a search for another row.
    if (editTriggers() == QAbstractItemView::NoEditTriggers)
        QTableView::keyboardSearch(search);
}

void DataGrid::enterIn(const QModelIndex& index)
{
    const QPersistentModelIndex at(index);
    if (GridDropDown* list = m_dropDowns.value(index.column()))
        emit dropDownChosen(index.row(), index.column(), list->currentRow(), list->typed());
    if (at.isValid())
        emit enterPressed(at.row(), at.column());
}

void DataGrid::mousePressEvent(QMouseEvent* event)
{
    // The item view hands a press on a check box to the box alone; the cell becomes current too,
    // so that the keys that follow act on it.
    const QModelIndex index = indexAt(event->position().toPoint());
    m_clickedCell = index;
    if (event->button() == Qt::LeftButton && (index.flags() & Qt::ItemIsUserCheckable) && index != currentIndex())
        setCurrentIndex(index);
    QTableView::mousePressEvent(event);
}

bool DataGrid::atEnd(bool next) const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return true;
    int visual = next ? m_header->count() - 1 : 0;
    while (visual >= 0 && visual < m_header->count() && m_header->isSectionHidden(m_header->logicalIndex(visual)))
        visual += next ? -1 : 1;
    return current.row() == (next ? m_model.rowCount() - 1 : 0) && current.column() == m_header->logicalIndex(visual);
}

bool DataGrid::focusNextPrevChild(bool next)
{
    if (atEnd(next))
        return QAbstractScrollArea::focusNextPrevChild(next);
    return QTableView::focusNextPrevChild(next);
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    if ((next || hint == QAbstractItemDelegate::EditPreviousItem) && atEnd(next)) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QAbstractScrollArea::focusNextPrevChild(next);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.row() != previous.row() && !m_returning) {
        const int pending = m_model.pendingRow();
        if (!m_model.commitPendingRow()) {
            // The row stays in edit, and the user on it.
            m_returning = true;
            setCurrentIndex(m_model.index(pending, qMax(0, previous.column())));
            m_returning = false;
            // The key or click that moved away selects its cell after this; the cell in edit keeps the selection.
            QMetaObject::invokeMethod(
                this, [this] { selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect); },
                Qt::QueuedConnection);
            return;
        }
    }
    if (current.isValid())
        emit currentCellChanged(current.row(), current.column());
}

void DataGrid::placeDropDown(int column, const QRect& cellRect)
{
    if (GridDropDown* list = m_dropDowns.value(column); list && list->isVisible())
        showDropDown(column, cellRect);
}

void DataGrid::showDropDown(int column, const QRect& cellRect)
{
    GridDropDown* list = m_dropDowns.value(column);
    if (!list)
        return;
    constexpr int kShownRows = 8;
    const int frame = 2 * list->frameWidth();
    int width = frame;
    for (int c = 0; c < list->list().columnCount(); ++c)
        width += list->horizontalHeader()->sectionSize(c);
    const bool scrolls = width > this->width();
    width = qMin(width, this->width());
    const int rows = qBound(1, list->listRowCount(), kShownRows);
    const int height = frame + list->horizontalHeader()->sizeHint().height()
                       + rows * list->verticalHeader()->defaultSectionSize()
                       + (scrolls ? list->horizontalScrollBar()->sizeHint().height() : 0);
    const QPoint below = viewport()->mapTo(this, cellRect.bottomLeft() + QPoint(0, 1));
    const QPoint above = viewport()->mapTo(this, cellRect.topLeft());
    const int y = below.y() + height <= this->height() || above.y() < height ? below.y() : above.y() - height;
    const int x = qBound(0, below.x(), qMax(0, this->width() - width));
    list->setGeometry(x, y, width, height);
    // A press on the list leaves the focus in the cell's editor, so the choice reaches the cell.
    list->setFocusProxy(m_delegate->editor());
    list->show();
    list->raise();
}

void DataGrid::hideDropDowns()
{
    for (GridDropDown* list : std::as_const(m_dropDowns)) {
        list->setFocusProxy(nullptr);
        list->hide();
    }
}

void DataGrid::dropDownTyped(const QModelIndex& index, const QString& typed)
{
    GridDropDown* list = m_dropDowns.value(index.column());
    if (!list || !index.isValid())
        return;
    showDropDown(index.column(), visualRect(index));
    // Erased, the text counts as never typed: the list stands on the cell's value again.
    if (typed.isEmpty())
        list->positionOnValue(index.data(Qt::EditRole).toString());
    else
        list->position(typed);
}

bool DataGrid::moveInDropDown(const QModelIndex& index, int key)
{
    GridDropDown* list = m_dropDowns.value(index.column());
    if (!list || !list->isVisible() || !index.isValid() || list->listRowCount() == 0)
        return false;
    const int page = qMax(1, list->viewport()->height() / qMax(1, list->verticalHeader()->defaultSectionSize()) - 1);
    int step = 0;
    switch (key) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -page;
        break;
    case Qt::Key_PageDown:
        step = page;
        break;
    default:
        return false;
    }
    const int current = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
    const int row = qBound(0, current + step, list->listRowCount() - 1);
    list->setCurrentIndex(list->list().index(row, list->searchColumn()));
    list->scrollTo(list->currentIndex());
    return true;
}

void DataGrid::keepRefusedCell(const QModelIndex& index, const std::optional<QString>& refusedText)
{
    if (!refusedText) {
        if (m_refusedCell == index)
            m_refusedCell = QPersistentModelIndex();
        return;
    }
    // The check refused the text and has said why: whatever took the user out of the cell (a
    // key, a click, the message itself), the cell stays current with the text as typed.
    const bool queued = m_refusedCell.isValid();
    m_refusedCell = index;
    m_refusedText = *refusedText;
    if (!queued)
        QMetaObject::invokeMethod(this, &DataGrid::reopenRefusedCell, Qt::QueuedConnection);
}

void DataGrid::reopenRefusedCell()
{
    const QPersistentModelIndex cell = std::exchange(m_refusedCell, QPersistentModelIndex());
    if (!cell.isValid())
        return;
    if (currentIndex() != cell)
        setCurrentIndex(cell);
    if (state() != QAbstractItemView::EditingState)
        edit(cell);
    auto* line = qobject_cast<QLineEdit*>(cellEditor());
    if (!line || m_delegate->m_index != cell)
        return;
    line->setText(m_refusedText);
    // What the user types next replaces the refused text.
    line->selectAll();
    line->setFocus(Qt::OtherFocusReason);
}

void DataGrid::dropDownClicked(int column, int listRow)
{
    GridDropDown* list = m_dropDowns.value(column);
    const QPersistentModelIndex index = m_delegate->m_index;
    if (!list || !cellEditor() || !index.isValid() || index.column() != column)
        return;
    const QString typed = list->typed();
    commitEditor();
    if (index.isValid())
        emit dropDownChosen(index.row(), column, listRow, typed);
}
