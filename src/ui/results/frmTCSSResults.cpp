#include "ui/results/frmTCSSResults.h"

#include "ui/results/constituent_rows.h"

namespace {

constexpr int kTclpColumn = 3;
constexpr int kTotalColumn = 5;

// One comparison pair: the reference value and the concentration that exceeds it, or "---"
// in both cells.
void appendPair(QVector<GridCell>& cells, bool exceeded, double limit, std::optional<double> concentration,
                bool nonDetect = false)
{
    if (!exceeded) {
        cells << GridCell::dash() << GridCell::dash();
        return;
    }
    GridCell value = GridCell::fromNumber(concentration);
    value.nonDetect = nonDetect;
    cells << GridCell::fromNumber(limit) << value;
}

// The group of rows that lists a constituent: those with a toxicity characteristic level, then
// those with only a soil saturation limit, then those with only an ecological value; none for a
// constituent without any, or with a negative level.
std::optional<int> listingGroup(double tc, double soilSat, double ecoChron)
{
    if (tc > 0)
        return 0;
    if (tc != 0)
        return std::nullopt;
    if (soilSat > 0)
        return 1;
    if (soilSat == 0 && ecoChron > 0)
        return 2;
    return std::nullopt;
}

bool exceeds(std::optional<double> concentration, double limit)
{
    return concentration && limit < *concentration;
}

// Cells in DetLim, for a non-detect concentration.
void styleDetectionLimit(GridRowStyle& row, std::initializer_list<int> columns)
{
    for (int c : columns)
        row.setStyle(c, kDetLim);
}

}   // namespace

frmTCSSResults::frmTCSSResults()
    : ResultGridWindow(QStringLiteral("Toxicity Characteristic, Soil Saturation, and Ecological Values"),
                       QStringLiteral("grdTCSSResults"))
{
}

void frmTCSSResults::setupColumns(GridModel& grid)
{
    grid.setColumns({
        {QStringLiteral("Chemical Name"), 4339},
        {QStringLiteral("CAS Number"), 2408},
        {QStringLiteral("Allowable TC Concentration (mg/L)"), 2514},
        {QStringLiteral("Waste Constituent TCLP Concentration (mg/L)"), 2461},
        {QStringLiteral("Allowable Soil Saturation Concentration (mg/Kg)"), 2514},
        {QStringLiteral("Actual Soil Concentration (mg/Kg)"), 2461},
        {QStringLiteral("Allowable Aquatic Concentration (mg/L)"), 2328},
        {QStringLiteral("Predicted Ambient Concentration (mg/L)"), 2487},
    });
    grid.setGroups({{QStringLiteral(" "), 0, 2},
                    {QStringLiteral("Toxicity Characteristic Rule"), 2, 2},
                    {QStringLiteral("Soil Saturation"), 4, 2},
                    {QStringLiteral("Ecological Screen"), 6, 2}});
}

void frmTCSSResults::styleRow(GridRowStyle& row) const
{
    const bool tclpNonDetect = row.cell(kTclpColumn).nonDetect;
    const bool totalNonDetect = row.cell(kTotalColumn).nonDetect;
    if (tclpNonDetect)
        styleDetectionLimit(row, {0, 1, 2, kTclpColumn});
    if (totalNonDetect)
        styleDetectionLimit(row, {0, 1, 4, kTotalColumn});
    styleOnePercent(row, kTclpColumn, tclpNonDetect);
    styleOnePercent(row, kTotalColumn, totalNonDetect);
    styleZeroValues(row, 2);
}

std::optional<QVector<GridCell>> frmTCSSResults::recordRow(const ResultRecord& record)
{
    // A reference value without value is no reference value.
    const double tc = record.number(QStringLiteral("TC")).value_or(0);
    const double soilSat = record.number(QStringLiteral("SOILSAT")).value_or(0);
    const double ecoChron = record.number(QStringLiteral("ECOCHRON")).value_or(0);
    const std::optional<int> group = listingGroup(tc, soilSat, ecoChron);
    if (!group)
        return std::nullopt;

    QVector<GridCell> cells = {GridCell::fromText(record.text(QStringLiteral("CHEMNAME"))),
                               GridCell::fromText(record.text(QStringLiteral("CHEMCAS")))};
    bool exceeded = false;
    if (*group == 0) {
        const std::optional<double> tclp = record.number(QStringLiteral("TCLPCONC"));
        const bool over = exceeds(tclp, tc);
        appendPair(cells, over, tc, tclp, record.flag(QStringLiteral("DLTCLP")));
        exceeded |= over;
    } else {
        appendPair(cells, false, 0, {});
    }
    if (*group < 2) {
        const std::optional<double> total = record.number(QStringLiteral("TOTCONC"));
        const bool over = soilSat > 0 && exceeds(total, soilSat);
        appendPair(cells, over, soilSat, total, record.flag(QStringLiteral("DLTOTAL")));
        exceeded |= over;
    } else {
        appendPair(cells, false, 0, {});
    }
    const std::optional<double> ambient = record.number(QStringLiteral("AMBCONC"));
    const bool over = ecoChron > 0 && exceeds(ambient, ecoChron);
    appendPair(cells, over, ecoChron, ambient);
    exceeded |= over;

    if (!exceeded)
        return std::nullopt;
    if (*group == 0)
        return cells;
    m_laterRows[*group - 1] << cells;
    return std::nullopt;
}

void frmTCSSResults::finishLoad(GridModel& grid)
{
    for (QVector<QVector<GridCell>>& rows : m_laterRows)
        for (QVector<GridCell>& cells : rows)
            grid.addRow(std::move(cells));
    grid.setColumnWidthTwips(1, grid.columnWidthTwips(1) - 300);
    for (int c = 2; c <= 5; ++c)
        grid.setColumnWidthTwips(c, grid.columnWidthTwips(c) - 75);
    for (int c = 6; c <= 7; ++c)
        grid.setColumnWidthTwips(c, grid.columnWidthTwips(c) + 50);
}

QString frmTCSSResults::recordSource() const
{
    return kConstituentRowsSource;
}
