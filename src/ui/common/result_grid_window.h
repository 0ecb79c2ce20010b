#pragma once

#include "platform/db/connection.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/forms.h"
#include "ui/common/table_operations.h"
#include "ui/common/table_window.h"

#include <QString>
#include <QVector>

#include <optional>

// A record of a result window's query, read by field name. A field that the query lacks, or a
// number field that holds text, becomes the load's failure.
class ResultRecord {
public:
    ResultRecord(const QueryRows& rows, int row, std::optional<Error>& failure);

    QVariant value(const QString& field) const;
    QString text(const QString& field) const;                   // none: empty
    std::optional<double> number(const QString& field) const;   // none: NULL
    std::optional<double> single(const QString& field) const;   // a single-precision field
    bool flag(const QString& field) const;                      // none: false
    // Makes `error` the load's failure, unless it already has one.
    void fail(const Error& error) const;

private:
    const QueryRows& m_rows;
    int m_row;
    std::optional<Error>& m_failure;
};

// a + b; NULL when either is NULL.
std::optional<double> nullableSum(std::optional<double> a, std::optional<double> b);

// A column sum of a result window: it takes the first value added to it, and a NULL added to it
// makes it NULL from then on. Shown as "---" while nothing has been added.
class RunningTotal {
public:
    void add(std::optional<double> value);
    GridCell cell() const;

private:
    bool m_started = false;
    std::optional<double> m_sum;
};

// The named cell styles of the result windows.
inline const QString kDetLim = QStringLiteral("DetLim");
inline const QString kGrtr1Pct = QStringLiteral("Grtr1Pct");
inline const QString kGrtr1PctDL = QStringLiteral("Grtr1PctDL");
inline const QString kZeroValue = QStringLiteral("ZeroValue");
// DetLim, Grtr1Pct, Grtr1PctDL and ZeroValue, in this order.
QVector<GridStyle> resultCellStyles();

// The concentration at which a waste constituent is 1 % of the waste.
constexpr double kOnePercent = 10000.0;

// The number a cell shows, as shown (rounded to three digits); 0 when it shows no number.
double shownNumber(const GridCell& cell);

// The steps of the result windows' row styling, for windows that combine them their own way.
// Every cell of a row whose first cell is a non-detect in DetLim.
void styleNonDetectRow(GridRowStyle& row);
// The cell in Grtr1Pct (Grtr1PctDL on a non-detect row) when it shows 10000 or more.
void styleOnePercent(GridRowStyle& row, int column, bool nonDetect);
// Every cell from `firstColumn` on that shows "---" or a zero: "---" in ZeroValue.
void styleZeroValues(GridRowStyle& row, int firstColumn);
// Every cell from `firstColumn` on that shows "0.00E+00": "---" in ZeroValue. A "---" of the
// window's own keeps its style.
void styleZeroTexts(GridRowStyle& row, int firstColumn);
// The whole styling of a result row, with the 1 % test on `testedColumn`.
void styleResultRow(GridRowStyle& row, int testedColumn);

// A forward result window: a read-only child window with one grid, filled once when the window
// loads from the stored results of the open analysis, read through a read-only connection of
// its own. A failed load keeps the rows added so far and is reported once.
class ResultGridWindow : public FormWindow, public PrintableTable, public ExportableTable {
    Q_OBJECT
public:
    DataGrid* grid() const { return m_grid; }

    // Prints the grid, the first table of a print command with the dialogs.
    void PrintTable(bool FirstPrint) override;
    // Asks for a file and writes the grid to it.
    void ExportToTable() override;
    bool loadFailed() const override { return m_loadFailed; }

protected:
    ResultGridWindow(const QString& caption, const QString& gridName);

    // The columns, captions, widths and groups of the grid.
    virtual void setupColumns(GridModel& grid) = 0;
    // The named cell styles, in their order of creation.
    virtual QVector<GridStyle> cellStyles() const;
    // The row styling; the skeleton's, with the 1 % test on column 1.
    virtual void styleRow(GridRowStyle& row) const;
    // The query of the window's records and its parameters; by default the one parameter is
    // the open analysis's key.
    virtual QString recordSource() const;
    virtual QVariantList recordParameters() const;
    // Reads what the rows need besides the records.
    virtual Status prepareLoad(Connection& conn);
    // The grid row of one record; none for a record that the window does not list.
    virtual std::optional<QVector<GridCell>> recordRow(const ResultRecord& record);
    // The grid rows of one record: by default its one row, if any.
    virtual QVector<QVector<GridCell>> recordRows(const ResultRecord& record);
    // Runs after the last record: the totals row and width changes.
    virtual void finishLoad(GridModel& grid);

    void formLoad() override;
    // Reports a failure of the load, which then counts as failed.
    void failLoad(const Error& error);

private:
    Status loadRows();

    DataGrid* m_grid;
    const LoadedAnalysis m_analysis;
    bool m_loadFailed = false;
};
