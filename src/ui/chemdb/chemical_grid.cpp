#include "ui/chemdb/chemical_grid.h"

#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"

#include <utility>

namespace {

const QString kNeedCasText = QStringLiteral(
    "You must enter a unique CAS Number for the chemical you are adding.  Click \"Yes\" to enter the CAS Number or "
    "\"No\" to cancel this new chemical.");
const QString kConfirmDeleteText = QStringLiteral(
    "Are you sure you want to delete the selected record?  You will not be able to undo this delete action.");

const QStringList kCaptions = {
    "Chemical Name",
    "CAS Number",
    "Maximum Contaminant Level (MCL) (mg/L)",
    "Carcinogenic Slope Factor - Oral (CSFo) (kg-day/mg)",
    "Carcinogenic Slope Factor - Inhalation (CSFi) (kg-day/mg)",
    "Reference Dose - Oral (RFDo) (mg/kg-day)",
    QStringLiteral("Reference Dose - Inhalation (RFC) (mg/m\u00B3)"),
    "Bio- concentration Factor (BCF) (L/kg)",
    "Soil Saturation Level (SOILSAT) (mg/kg)",
    "Toxicity Characteristic Level (TC) (mg/L)",
    QStringLiteral("Henry's Law Coefficient (H) (atm-m\u00B3/mol-K)"),
    QStringLiteral("Diffusion Coefficient in Water (Dw) (cm\u00B2/sec)"),
    QStringLiteral("Diffusion Coefficient in Air (Da) (cm\u00B2/sec)"),
    "Solubility (SOL) (mg/L)",
    "Landfill Dilution Attenuation Factor (DAFLF)",
    "Surface Impoundment Dilution Attenuation Factor (DAFSI)",
    "Time to reach steady state (T*) (hrs)",
    "Skin Permeability Coefficient (Kpw) (cm/hr)",
    "Tau (T) (hrs)",
    "Bunge Coefficient (B) (unitless)",
    "Organic/ Inorganic",
    "Bio- accumulation Factor (BAF) (L/kg)",
    "Chronic Ecological Threshhold (Aquatic TRV) (mg/L)",
    "Carcinogen/ Noncarcinogen",
    "Molecular Weight (MW) (gm/mol)",
    "Vapor Pressure (Vp) (atm)",
    "Surface Water Partition Coefficient (Kdsw) (L/kg)",
};

// The grid's default column width: the CAS column, narrowed to half of it, still shows a whole
// CAS number.
constexpr int kDefaultWidthTwips = 2160;

// The columns narrowed after widening, each by its share of the widened width.
const std::pair<int, double> kNarrowed[] = {{1, 0.667}, {18, 0.333}, {20, 0.6}, {23, 0.5}};

}   // namespace

DataGrid* makeChemicalGrid(QWidget* parent, const QString& name)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    grid->setGridFont(font);
    return grid;
}

QVector<bool> numberFields(const TableDef& table, const Recordset& rows)
{
    QVector<bool> numbers;
    for (int f = 0; f < rows.fieldCount(); ++f) {
        const ColumnDef* c = table.column(rows.fieldName(f));
        numbers << (c && c->kind != ColumnKind::Text && c->kind != ColumnKind::Memo);
    }
    return numbers;
}

void setupChemicalColumns(GridModel& g)
{
    for (int c = 0; c < kCaptions.size() && c < g.columnCount(); ++c)
        g.setColumnCaption(c, kCaptions[c]);
    for (int c = 0; c < g.columnCount(); ++c) {
        const int w = kDefaultWidthTwips;
        g.setColumnWidthTwips(c, qRound(w + 0.5 * w));
        if (c > 1)
            g.setColumnFormat(c, true, true);
    }
    for (const auto& [column, share] : kNarrowed)
        if (column < g.columnCount()) {
            const int w = g.columnWidthTwips(column);
            g.setColumnWidthTwips(column, qRound(w - share * w));
        }
}

RowDecision askForCasNumber(const GridModel& grid, int row, int casColumn)
{
    // A CAS number of blanks only is none.
    if (!grid.cell(row, casColumn).text.trimmed().isEmpty())
        return RowDecision::Write;
    return MsgBox(kNeedCasText, vbYesNo, QStringLiteral("Insufficient Data")) == vbNo ? RowDecision::Discard
                                                                                      : RowDecision::Stay;
}

void deleteSelectedRows(DataGrid& grid, GridBinding& binding)
{
    if (MsgBox(kConfirmDeleteText, vbYesNo, kConfirmDeleteTitle) != vbYes)
        return;
    binding.deleteRows(grid.selectedWholeRows());
}
