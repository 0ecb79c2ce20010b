#include "ui/common/result_grid_window.h"

#include "data/program_state.h"
#include "platform/text/number_format.h"
#include "platform/ui/grid_print.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"

#include <QVBoxLayout>

ResultRecord::ResultRecord(const QueryRows& rows, int row, std::optional<Error>& failure)
    : m_rows(rows), m_row(row), m_failure(failure)
{
}

QVariant ResultRecord::value(const QString& field) const
{
    const int index = m_rows.columnIndex(field);
    if (index < 0) {
        fail(Error{kErrRecordset, QStringLiteral("The results have no field %1.").arg(field)});
        return {};
    }
    return m_rows.rows[m_row][index];
}

QString ResultRecord::text(const QString& field) const
{
    return value(field).toString();
}

std::optional<double> ResultRecord::number(const QString& field) const
{
    const QVariant v = value(field);
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok) {
        fail(Error{kErrConversion, QStringLiteral("The field %1 holds no number.").arg(field)});
        return std::nullopt;
    }
    return d;
}

std::optional<double> ResultRecord::single(const QString& field) const
{
    const std::optional<double> d = number(field);
    return d ? std::optional<double>(double(float(*d))) : std::nullopt;
}

void ResultRecord::fail(const Error& error) const
{
    if (!m_failure)
        m_failure = error;
}

bool ResultRecord::flag(const QString& field) const
{
    const std::optional<double> d = number(field);
    return d && *d != 0;
}

std::optional<double> nullableSum(std::optional<double> a, std::optional<double> b)
{
    return a && b ? std::optional<double>(*a + *b) : std::nullopt;
}

void RunningTotal::add(std::optional<double> value)
{
    m_sum = m_started ? nullableSum(m_sum, value) : value;
    m_started = true;
}

GridCell RunningTotal::cell() const
{
    return m_started ? GridCell::fromNumber(m_sum) : GridCell::dash();
}

QVector<GridStyle> resultCellStyles()
{
    return {
        {kDetLim, 33023, true, true, {}, {}},
        {kGrtr1Pct, 255, true, {}, {}, {}},
        {kGrtr1PctDL, 255, true, true, {}, {}},
        {kZeroValue, 0, false, false, {}, {}},
    };
}

double shownNumber(const GridCell& cell)
{
    switch (cell.value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return formatScientific(cell.value.toDouble()).toDouble();
    default:
        return 0;
    }
}

void styleNonDetectRow(GridRowStyle& row)
{
    if (row.columnCount() == 0 || !row.cell(0).nonDetect)
        return;
    for (int c = 0; c < row.columnCount(); ++c)
        row.setStyle(c, kDetLim);
}

void styleOnePercent(GridRowStyle& row, int column, bool nonDetect)
{
    if (column < row.columnCount() && shownNumber(row.cell(column)) >= kOnePercent)
        row.setStyle(column, nonDetect ? kGrtr1PctDL : kGrtr1Pct);
}

void styleZeroValues(GridRowStyle& row, int firstColumn)
{
    const QString dash = QStringLiteral("---");
    for (int c = firstColumn; c < row.columnCount(); ++c)
        if (row.text(c) == dash || row.text(c) == QLatin1String("0.00E+00")) {
            row.setText(c, dash);
            row.setStyle(c, kZeroValue);
        }
}

void styleZeroTexts(GridRowStyle& row, int firstColumn)
{
    for (int c = firstColumn; c < row.columnCount(); ++c)
        if (row.text(c) == QLatin1String("0.00E+00")) {
            row.setText(c, QStringLiteral("---"));
            row.setStyle(c, kZeroValue);
        }
}

void styleResultRow(GridRowStyle& row, int testedColumn)
{
    styleNonDetectRow(row);
    styleOnePercent(row, testedColumn, row.columnCount() > 0 && row.cell(0).nonDetect);
    styleZeroValues(row, 1);
}

ResultGridWindow::ResultGridWindow(const QString& caption, const QString& gridName) : m_grid(new DataGrid(this))
{
    setWindowTitle(caption);
    m_grid->setObjectName(gridName);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    m_grid->setGridFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
}

void ResultGridWindow::PrintTable(bool FirstPrint)
{
    const GridModel& g = m_grid->grid();
    printGrid(g, tablePrintSetup(g, windowTitle(), m_analysis.footer()), FirstPrint);
}

void ResultGridWindow::ExportToTable()
{
    exportGridToTable(m_grid->grid(), windowTitle());
}

QVector<GridStyle> ResultGridWindow::cellStyles() const
{
    return resultCellStyles();
}

void ResultGridWindow::styleRow(GridRowStyle& row) const
{
    styleResultRow(row, 1);
}

QString ResultGridWindow::recordSource() const
{
    return QStringLiteral("SELECT * FROM SITECOCSQuery WHERE SITEKEY = ? ORDER BY COCROWID");
}

QVariantList ResultGridWindow::recordParameters() const
{
    return {programState().storedSiteKey()};
}

Status ResultGridWindow::prepareLoad(Connection&)
{
    return {};
}

std::optional<QVector<GridCell>> ResultGridWindow::recordRow(const ResultRecord&)
{
    return std::nullopt;
}

QVector<QVector<GridCell>> ResultGridWindow::recordRows(const ResultRecord& record)
{
    if (std::optional<QVector<GridCell>> row = recordRow(record))
        return {std::move(*row)};
    return {};
}

void ResultGridWindow::finishLoad(GridModel&) {}

void ResultGridWindow::formLoad()
{
    resizeTwips(9255, 6780);
    GridModel& g = m_grid->grid();
    setupColumns(g);
    for (const GridStyle& s : cellStyles())
        g.addStyle(s);
    g.setRowStyler([this](GridRowStyle& row) { styleRow(row); });
    if (Status s = loadRows(); !s)
        failLoad(s.error());
}

void ResultGridWindow::failLoad(const Error& error)
{
    m_loadFailed = true;
    showGeneralError(error, kUnableToSaveTitle);
}

Status ResultGridWindow::loadRows()
{
    Result<std::unique_ptr<Connection>> conn =
        Connection::open(programState().databasePath(), Connection::Mode::ReadOnly);
    if (!conn)
        return conn.error();
    if (Status s = prepareLoad(**conn); !s)
        return s;
    Result<QueryRows> records = (*conn)->select(recordSource(), recordParameters());
    if (!records)
        return records.error();
    GridModel& g = m_grid->grid();
    std::optional<Error> failure;
    for (int i = 0; i < int(records->rows.size()); ++i) {
        QVector<QVector<GridCell>> rows = recordRows(ResultRecord(*records, i, failure));
        if (failure)
            return *failure;
        for (QVector<GridCell>& cells : rows)
            g.addRow(std::move(cells));
    }
    finishLoad(g);
    return {};
}
