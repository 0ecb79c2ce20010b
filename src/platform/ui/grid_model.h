#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// One cell as a window adds it: the text it shows before row styling, the value behind it
// (a number, a text, or invalid for none) and its flags.
struct GridCell {
    QString text;
    QVariant value;
    bool nonDetect = false;

    static GridCell fromText(const QString& text);
    // "0.00E+00" for a number; an empty cell for none.
    static GridCell fromNumber(std::optional<double> value);
    // "---": a cell without a value of its own.
    static GridCell dash();
};

// A named cell style: text colour (a 0xBBGGRR value) and the font attributes it sets; an
// attribute left unset keeps the grid's font.
struct GridStyle {
    QString name;
    int foreColor = 0;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<double> pointSize;

    QFont applyTo(QFont font) const;
};

// How the user edits a column's cells; None keeps the column read-only.
enum class CellEditor { None, Text, DropDown, ComboBox, CheckBox };

struct GridColumn {
    QString caption;
    int widthTwips = 1440;
    CellEditor editor = CellEditor::None;
    QStringList items = {};    // the fixed items of a ComboBox column
    bool scientific = false;   // cells holding a number show it as "0.00E+00"
    bool centred = false;      // cell texts centred
    int maxLength = 0;         // the characters a Text or DropDown editor takes; 0: no limit
};

// A caption over consecutive columns; as wide as its columns together.
struct GridGroup {
    QString caption;
    int firstColumn = 0;
    int columnCount = 1;
};

// One row as the row-styling function sees it: the cells as added, and the text and style
// each cell shows, which the function may change.
class GridRowStyle {
public:
    explicit GridRowStyle(const QVector<GridCell>& cells);

    int columnCount() const { return int(m_cells.size()); }
    const GridCell& cell(int column) const { return m_cells[column]; }
    const QString& text(int column) const { return m_text[column]; }
    void setText(int column, const QString& text) { m_text[column] = text; }
    const QString& style(int column) const { return m_style[column]; }
    void setStyle(int column, const QString& style) { m_style[column] = style; }

private:
    friend class GridModel;
    const QVector<GridCell>& m_cells;
    QVector<QString> m_text;
    QVector<QString> m_style;
};

// The row styling of a grid: a pure function of the row, run once when the row is added.
// The view, the printout and the exports all show its result.
using RowStyler = std::function<void(GridRowStyle& row)>;

// The user's text for a cell, checked when the edit is committed: the cell to store, or none to
// refuse the text (the check tells the user why).
using CommitCheck = std::function<std::optional<GridCell>(int row, int column, const QString& text)>;

// Runs whenever a row is added or its cells change, before the row styling: may fill its cells.
using RowLoader = std::function<void(QVector<GridCell>& cells)>;

// What becomes of a row with pending edits when it is committed (the user leaves it, or code
// commits it): written, kept in edit with the user staying on it, or discarded as it was.
enum class RowDecision { Write, Stay, Discard };
// Decides on the pending row, writing it when it decides Write.
using RowWriter = std::function<RowDecision(int row)>;

// Roles beside the display text, font and colour.
enum GridRole : int {
    RawValueRole = Qt::UserRole + 1,   // the value behind the cell
    NonDetectRole,                     // the cell's value rests on a detection limit
    StyleNameRole,                     // the name of the style the row styling gave it
    StoredTextRole,                    // the text as added, before row styling
};

// The one table model of every grid: columns with captions and widths in twips, column groups,
// named cell styles, and rows of cells with their styled texts.
//
// Columns with an editor make the grid editable. The user's edits of a row stay pending until
// the row is committed (the view commits it when the current row changes) or cancelled, which
// restores the row as it was. With add-new on, an empty last row takes a new entry: editing it
// adds a row. A row writer, when set, decides each commit.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    // Replaces the columns; the groups and rows go with the old ones.
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return m_columns; }
    void setColumnCaption(int column, const QString& caption);
    void setColumnWidthTwips(int column, int twips);
    int columnWidthTwips(int column) const { return m_columns[column].widthTwips; }
    void setColumnHeadersVisible(bool visible);
    bool columnHeadersVisible() const { return m_headersVisible; }

    void setGroups(const QVector<GridGroup>& groups);
    const QVector<GridGroup>& groups() const { return m_groups; }
    int groupOf(int column) const;   // -1 when the column is in no group
    int groupWidthTwips(int group) const;

    void addStyle(const GridStyle& style);
    const GridStyle* style(const QString& name) const;
    void setRowStyler(RowStyler styler);
    void setFont(const QFont& font);
    const QFont& font() const { return m_font; }

    // Adds a row; missing cells are empty, cells beyond the last column are dropped.
    void addRow(QVector<GridCell> cells);
    // Adds a row given as one text, the cells separated by TAB characters.
    void addTextRow(const QString& tabText);
    void clearRows();

    // Editing.
    void setColumnFormat(int column, bool scientific, bool centred);
    void setCommitCheck(CommitCheck check);
    void setRowLoader(RowLoader loader);
    void setRowWriter(RowWriter writer);
    // Whether the user may change the rows that hold cells (on at first); the row for a new
    // entry follows add-new alone.
    void setAllowUpdate(bool allow);
    void setAllowAddNew(bool allow);
    bool allowAddNew() const { return m_allowAddNew; }
    // The rows that hold cells, without the empty row for a new entry.
    int dataRowCount() const { return int(m_rows.size()); }
    bool isAddNewRow(int row) const { return m_allowAddNew && row == dataRowCount(); }
    // Writes cells of a row from code (the row for a new entry becomes a row), without the
    // commit check; part of the row's pending edit.
    void setCells(int row, const std::vector<std::pair<int, GridCell>>& cells);
    void removeRow(int row);
    int pendingRow() const { return m_pendingRow; }           // -1 when no row has pending edits
    bool pendingRowAdded() const { return m_pendingAdded; }   // the pending row is a new entry
    // The pending row's cells as they were before its edit (empty for a new entry).
    const QVector<GridCell>& pendingRowBefore() const { return m_pendingCells; }
    // Hands the pending row to the row writer: true when it was written or discarded (or there
    // was none), false when it stays in edit.
    bool commitPendingRow();
    void cancelPendingRow();

    const GridCell& cell(int row, int column) const { return m_rows[row].cells[column]; }
    const QString& displayText(int row, int column) const { return m_rows[row].text[column]; }
    const QString& styleName(int row, int column) const { return m_rows[row].style[column]; }
    // The cell's font: the grid's, changed by the cell's style.
    QFont cellFont(int row, int column) const;
    // The cell's text colour as a 0xBBGGRR value (black without a style).
    int cellColor(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The user's edits: Qt::EditRole takes a text through the commit check, Qt::CheckStateRole
    // ticks a check box. False when the text was refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void layoutColumnsChanged();
    // The user changed a cell.
    void cellEdited(int row, int column);

private:
    struct Row {
        QVector<GridCell> cells;
        QVector<QString> text;
        QVector<QString> style;
    };
    void styleRow(Row& row) const;
    void loadRow(Row& row) const;
    // Makes `row` a row of cells (adding one for the row of a new entry) with its pending edit
    // started; false when there is no such row.
    bool beginRowEdit(int row);
    void rowChanged(int row);
    // Ends the pending edit, keeping the cells as they are.
    void forgetPendingRow();

    QVector<GridColumn> m_columns;
    QVector<GridGroup> m_groups;
    bool m_headersVisible = true;
    std::vector<GridStyle> m_styles;
    RowStyler m_styler;
    QFont m_font;
    std::vector<Row> m_rows;
    CommitCheck m_commitCheck;
    RowLoader m_rowLoader;
    RowWriter m_rowWriter;
    bool m_allowUpdate = true;
    bool m_committing = false;   // the row writer is deciding
    bool m_allowAddNew = false;
    int m_pendingRow = -1;
    bool m_pendingAdded = false;        // the pending row was added by the edit
    QVector<GridCell> m_pendingCells;   // the pending row as it was before the edit
};
