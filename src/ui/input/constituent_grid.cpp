#include "ui/input/constituent_grid.h"

#include "platform/db/sql_names.h"
#include "platform/text/number_format.h"
#include "platform/text/number_parse.h"

#include <cmath>

namespace {

bool isFlagColumn(int column)
{
    return column == kColDlTclp || column == kColDlTotal;
}

bool isTextColumn(int column)
{
    return column == kColChemName || column == kColChemCas || column == kColCarcNon;
}

bool isDafColumn(int column)
{
    return column == kColDafLf || column == kColDafSi;
}

// An organic chemical has an ORGANIC value that is neither NULL nor 0.
bool isOrganic(const QVariant& organic)
{
    bool ok = false;
    const double value = organic.toDouble(&ok);
    return ok && value != 0;
}

bool holdsNumber(const QVariant& value)
{
    return value.typeId() == QMetaType::Double;
}

// The number a save stores for a cell: its value, or the number its text begins with.
double numberOf(const GridCell& cell)
{
    return holdsNumber(cell.value) ? cell.value.toDouble() : leadingNumber(cell.text);
}

bool flagOf(const GridCell& cell)
{
    if (cell.value.typeId() == QMetaType::Bool)
        return cell.value.toBool();
    return cell.text == QLatin1String("-1") || cell.text == QLatin1String("True");
}

// A cell as the duplicate check compares it: flags as True or False, numbers by value.
QString comparedText(const GridCell& cell, int column)
{
    if (isFlagColumn(column))
        return flagOf(cell) ? QStringLiteral("True") : QStringLiteral("False");
    if (holdsNumber(cell.value))
        return generalText(cell.value.toDouble());
    return cell.text;
}

QString rowKey(const GridModel& grid, int row)
{
    return grid.cell(row, kColChemName).text + QLatin1Char('\t') + grid.cell(row, kColChemCas).text;
}

QString comparisonText(const GridModel& grid, int row)
{
    QString text = grid.cell(row, kColChemCas).text;
    for (int c = kColTclpConc; c < kConstituentColumns; ++c)
        text += QLatin1Char('\t') + comparedText(grid.cell(row, c), c);
    return text;
}

// What a save writes for a cell.
QVariant savedValue(const GridCell& cell, int column)
{
    return isFlagColumn(column)   ? QVariant(flagOf(cell))
           : isTextColumn(column) ? QVariant(cell.text)
                                  : QVariant(numberOf(cell));
}

}   // namespace

const QStringList& constituentGridFields()
{
    return constituentInputFields();
}

const QStringList& constituentGridCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Chemical Name"),
        QStringLiteral("CAS Number"),
        QStringLiteral("TCLP Concentration (mg/L)"),
        QStringLiteral("TCLP Detection Limit"),
        QStringLiteral("Total Concentration (mg/kg)"),
        QStringLiteral("Total Detection Limit"),
        QStringLiteral("Maximum Contaminant Level (MCL) (mg/L)"),
        QStringLiteral("Carcinogenic Slope Factor - Oral (CSFo) (kg-day/mg)"),
        QStringLiteral("Carcinogenic Slope Factor - Inhalation (CSFi) (kg-day/mg)"),
        QStringLiteral("Reference Dose - Oral (RFDo) (mg/kg-day)"),
        QStringLiteral("Reference Dose - Inhalation (RFC) (mg/m³)"),
        QStringLiteral("Bio- concentration Factor (BCF) (L/kg)"),
        QStringLiteral("Soil Saturation Level (SOILSAT) (mg/kg)"),
        QStringLiteral("Toxicity Characteristic Level (TC) (mg/L)"),
        QStringLiteral("Henry's Law Coefficient (H) (atm-m³/mol-K)"),
        QStringLiteral("Diffusion Coefficient in Water (Dw) (cm²/sec)"),
        QStringLiteral("Diffusion Coefficient in Air (Da) (cm²/sec)"),
        QStringLiteral("Solubility (SOL) (mg/L)"),
        QStringLiteral("Landfill Dilution Attenuation Factor (DAFLF)"),
        QStringLiteral("Surface Impoundment Dilution Attenuation Factor (DAFSI)"),
        QStringLiteral("Time to reach steady state (T*) (hrs)"),
        QStringLiteral("Skin Permeability Coefficient (Kpw) (cm/hr)"),
        QStringLiteral("Tau (T) (hrs)"),
        QStringLiteral("Bunge Coefficient (B) (unitless)"),
        QStringLiteral("Organic/ Inorganic"),
        QStringLiteral("Bio- accumulation Factor (BAF) (L/kg)"),
        QStringLiteral("Chronic Ecological Threshhold (Aquatic TRV) (mg/L)"),
        QStringLiteral("Carcinogen/ Noncarcinogen"),
        QStringLiteral("Molecular Weight (MW) (gm/mol)"),
        QStringLiteral("Vapor Pressure (Vp) (atm)"),
        QStringLiteral("Surface Water Partition Coefficient (Kdsw) (L/kg)"),
        QStringLiteral("LogKow"),
    };
    return captions;
}

QVector<GridColumn> constituentGridColumns()
{
    QVector<GridColumn> columns(kConstituentColumns);
    for (int c = 0; c < kConstituentColumns; ++c) {
        GridColumn& col = columns[c];
        col.widthTwips = 3200;
        if (c == kColChemName || c == kColChemCas) {
            col.editor = CellEditor::DropDown;
            col.maxLength = siteCocsTable().column(constituentGridFields()[c])->width;
        } else if (isFlagColumn(c)) {
            col.editor = CellEditor::CheckBox;
        } else if (c == kColCarcNon) {
            col.editor = CellEditor::ComboBox;
            col.items = {kCarcinogen, kNoncarcinogen};
        } else {
            col.editor = CellEditor::Text;
        }
    }
    columns[kColTclpConc].widthTwips = 2487;
    columns[kColDlTclp].widthTwips = 1508;
    columns[kColTotConc].widthTwips = 2434;
    columns[kColDlTotal].widthTwips = 1402;
    return columns;
}

QVector<int> setupGridWidths(const QVector<int>& widths)
{
    QVector<double> w;
    for (int width : widths)
        w << width;
    w[kColDlTclp] += 100;
    w[kColDlTotal] += 150;
    w[kColChemCas] -= w[kColChemCas] * 0.333;
    w[6] -= w[6] * 0.25;
    for (int c = 9; c < w.size(); ++c) {
        if (c == 11 || c == 19 || c == 25)
            continue;
        if (c == 13 || c == 14 || c == 27)
            w[c] -= w[c] * 0.25;
        else
            w[c] -= w[c] * 0.333;
    }
    QVector<int> result;
    for (double width : w)
        result << int(std::lround(width));
    return result;
}

GridCell numberCell(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        return GridCell::fromText(value.toString());
    return {generalText(d), d, false};
}

GridCell flagCell(const QVariant& value)
{
    const bool on = value.isValid() && !value.isNull() && value.toBool();
    return {on ? QStringLiteral("True") : QStringLiteral("False"), on, false};
}

GridCell textCell(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    return GridCell::fromText(value.toString());
}

QVector<GridCell> storedConstituentRow(const Recordset& siteCocs)
{
    QVector<GridCell> cells;
    const QStringList& fields = constituentGridFields();
    for (int c = 0; c < kConstituentColumns; ++c) {
        const QVariant value = siteCocs.value(fields[c]);
        if (isFlagColumn(c))
            cells << flagCell(value);
        else if (isTextColumn(c))
            cells << textCell(value);
        else
            cells << numberCell(value);
    }
    if (!isOrganic(siteCocs.value(QStringLiteral("ORGANIC")))) {
        cells[kColDafLf] = GridCell::fromText(kTclpDependent);
        cells[kColDafSi] = GridCell::fromText(kTclpDependent);
    }
    return cells;
}

void fillRowDefaults(QVector<GridCell>& cells)
{
    for (int c = kColTclpConc; c < cells.size(); ++c) {
        if (isFlagColumn(c) || !cells[c].text.isEmpty())
            continue;
        cells[c] = c == kColCarcNon ? GridCell::fromText(kCarcinogen) : GridCell{QStringLiteral("0"), 0.0, false};
    }
}

std::optional<GridCell> typedCell(int column, const QString& text)
{
    if (isTextColumn(column) || isFlagColumn(column))
        return GridCell::fromText(text);
    if (text.isEmpty())
        return GridCell{};
    if (isDafColumn(column) && text == kTclpDependent)
        return GridCell::fromText(text);
    // The concentrations are held in single precision.
    const bool single = column == kColTclpConc || column == kColTotConc;
    if (const std::optional<double> number = single ? toSingleStrict(text) : toNumberStrict(text))
        return GridCell{trimmedNumberText(text), *number, false};
    return std::nullopt;
}

Result<QueryRows> readChemicalTable(const QString& databasePath, const TableDef& table)
{
    Result<std::unique_ptr<Connection>> conn = Connection::open(databasePath, Connection::Mode::ReadOnly);
    if (!conn)
        return conn.error();
    QStringList columns;
    for (const ColumnDef& c : table.columns)
        columns << quotedName(c.name);
    return (*conn)->select(QStringLiteral("SELECT %1 FROM %2 ORDER BY CHEMNAME, rowid")
                               .arg(columns.join(QStringLiteral(", ")), table.name));
}

std::vector<std::pair<int, GridCell>> chosenChemicalCells(const QVector<QVariant>& chemical, bool byName)
{
    const TableDef& table = cocsTable();
    std::vector<std::pair<int, GridCell>> cells;
    cells.emplace_back(kColChemName, textCell(chemical.value(0)));
    cells.emplace_back(kColChemCas, textCell(chemical.value(1)));
    const bool organic = isOrganic(chemical.value(kListOrganic));
    for (int i = 2; i < int(table.columns.size()); ++i) {
        const int column = i + kListToGrid;
        const QVariant value = chemical.value(i);
        if (byName && isDafColumn(column) && !organic)
            cells.emplace_back(column, GridCell::fromText(kTclpDependent));
        else if (table.columns[size_t(i)].kind == ColumnKind::Text)
            cells.emplace_back(column, textCell(value));
        else
            cells.emplace_back(column, numberCell(value));
    }
    return cells;
}

Result<CasListed> listsHoldingCas(const QString& databasePath, const QString& cas)
{
    Result<std::unique_ptr<Connection>> conn = Connection::open(databasePath, Connection::Mode::ReadOnly);
    if (!conn)
        return conn.error();
    Result<QueryRows> listed = (*conn)->select(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1 WHERE CHEMCAS = ?1), "
                                                              "EXISTS (SELECT 1 FROM %2 WHERE CHEMCAS = ?1)")
                                                   .arg(cocsTable().name, cusCocsTable().name),
                                               {cas});
    if (!listed)
        return listed.error();
    const QVector<QVariant>& row = listed->rows.front();
    return CasListed{row.value(0).toBool(), row.value(1).toBool()};
}

Result<bool> isHandTypedChemical(const QString& databasePath, const QString& cas)
{
    if (cas == kHandTypedCas)
        return true;
    if (cas.isEmpty())
        return false;
    const Result<CasListed> listed = listsHoldingCas(databasePath, cas);
    if (!listed)
        return listed.error();
    return !listed->chemicalTable && !listed->ownChemicals;
}

std::vector<std::pair<int, GridCell>> handTypedChemicalCells(const QString& name)
{
    std::vector<std::pair<int, GridCell>> cells;
    cells.emplace_back(kColChemName, GridCell::fromText(name));
    cells.emplace_back(kColChemCas, GridCell::fromText(kHandTypedCas));
    for (int c = kColFirstProperty; c < kConstituentColumns; ++c)
        cells.emplace_back(c, GridCell{});
    return cells;
}

bool hasDuplicateRows(const GridModel& grid)
{
    const int rows = grid.dataRowCount();
    for (int i = 0; i + 1 < rows; ++i) {
        if (rowKey(grid, i) != rowKey(grid, i + 1))
            continue;
        const QString compared = comparisonText(grid, i);
        for (int j = i + 1; j < rows; ++j)
            if (comparisonText(grid, j) == compared)
                return true;
    }
    return false;
}

bool isStorableRow(const GridModel& grid, int row)
{
    return !grid.cell(row, kColChemName).text.isEmpty() && !grid.cell(row, kColChemCas).text.isEmpty();
}

ConstituentRows constituentRowsOf(const GridModel& grid)
{
    const QStringList& fields = constituentGridFields();
    // Fields in the order the save writes them: CAS number and name, then the rest.
    ConstituentRows rows;
    rows.fields = {fields[kColChemCas], fields[kColChemName]};
    for (int c = kColTclpConc; c < kConstituentColumns; ++c)
        rows.fields << fields[c];
    for (int row = 0; row < grid.dataRowCount(); ++row) {
        if (!isStorableRow(grid, row))
            continue;
        QVariantList values;
        for (const QString& field : rows.fields) {
            const int c = int(fields.indexOf(field));
            values << savedValue(grid.cell(row, c), c);
        }
        rows.rows.push_back(std::move(values));
    }
    return rows;
}

ConstituentRows constituentRowsToSave(const GridModel& grid, Recordset& stored)
{
    ConstituentRows rows = constituentRowsOf(grid);
    const QStringList& fields = constituentGridFields();
    std::vector<QVariantList> shown;
    std::vector<QVariantList> asStored;
    const int position = stored.position();
    for (stored.moveFirst(); !stored.eof(); stored.moveNext()) {
        QVector<GridCell> cells = storedConstituentRow(stored);
        fillRowDefaults(cells);
        QVariantList shownValues;
        QVariantList storedValues;
        for (const QString& field : rows.fields) {
            const int c = int(fields.indexOf(field));
            shownValues << savedValue(cells[c], c);
            storedValues << stored.value(field);
        }
        shown.push_back(std::move(shownValues));
        asStored.push_back(std::move(storedValues));
    }
    stored.setPosition(position);
    if (shown == rows.rows)
        rows.rows = std::move(asStored);
    return rows;
}
