#pragma once

#include "data/analysis_inputs.h"
#include "data/schema.h"
#include "platform/db/connection.h"
#include "platform/ui/grid_model.h"

#include <QString>
#include <QVector>

#include <optional>
#include <utility>
#include <vector>

// The constituent grid of frmSiteCOCs: 32 columns, the chemical, its concentrations and
// detection-limit flags, then the copy of its properties in SITECOCS order.
enum ConstituentColumn : int {
    kColChemName = 0,
    kColChemCas = 1,
    kColTclpConc = 2,
    kColDlTclp = 3,
    kColTotConc = 4,
    kColDlTotal = 5,
    kColFirstProperty = 6,
    kColDafLf = 18,
    kColDafSi = 19,
    kColCarcNon = 27,
    kConstituentColumns = 32,
};

// A chemical table column i goes to grid column i + kListToGrid (from the list's column 2 on).
constexpr int kListToGrid = 4;
constexpr int kListOrganic = 20;

inline const QString kTclpDependent = QStringLiteral("TCLP dependent");
inline const QString kHandTypedCas = QStringLiteral("1-11-11");
inline const QString kCarcinogen = QStringLiteral("Carcinogen");
inline const QString kNoncarcinogen = QStringLiteral("Noncarcinogen");

// The SITECOCS field of every grid column, in column order.
const QStringList& constituentGridFields();
// The captions that SetupGrid gives the columns.
const QStringList& constituentGridCaptions();
// The columns as the window creates them: design widths, no captions yet, the editors.
QVector<GridColumn> constituentGridColumns();
// SetupGrid's column widths, from the widths the columns have before it.
QVector<int> setupGridWidths(const QVector<int>& widths);

// Cells as the grid holds them: a number with its full value and its general text form, a
// flag with its Boolean text, a text; NULL gives an empty cell (a NULL flag is False).
GridCell numberCell(const QVariant& value);
GridCell flagCell(const QVariant& value);
GridCell textCell(const QVariant& value);

// A stored SITECOCS row as a grid row; both DAF cells show "TCLP dependent" unless the chemical
// is organic (ORGANIC neither NULL nor 0).
QVector<GridCell> storedConstituentRow(const Recordset& siteCocs);

// What a row shows as soon as the grid loads it: every empty cell from column 2 on, the two
// flags aside, holds 0, and the class column "Carcinogen".
void fillRowDefaults(QVector<GridCell>& cells);

// The cell a typed text gives; none when the text is refused: a number column takes an empty
// text, a number (without blanks and line breaks at either end; the two concentrations only
// where single precision holds it), or "TCLP dependent" in the two DAF columns.
std::optional<GridCell> typedCell(int column, const QString& text);

// The rows of a chemical table (COCS or Cus_COCS), every column in table order, ordered by name,
// read through a read-only connection of its own.
Result<QueryRows> readChemicalTable(const QString& databasePath, const TableDef& table);

// The cells a chosen chemical writes into a grid row: its name, its CAS number and its
// properties. Chosen by name, an inorganic chemical's DAF cells read "TCLP dependent".
std::vector<std::pair<int, GridCell>> chosenChemicalCells(const QVector<QVariant>& chemical, bool byName);
// Which of the two chemical lists hold a chemical of this CAS number.
struct CasListed {
    bool chemicalTable = false;
    bool ownChemicals = false;
};
Result<CasListed> listsHoldingCas(const QString& databasePath, const QString& cas);
// Whether a row's chemical is one the user typed: its CAS number is the placeholder, or one that
// no chemical of either list (the chemical table, the user's own chemicals) holds, whichever list
// the window shows.
Result<bool> isHandTypedChemical(const QString& databasePath, const QString& cas);
// The cells of a chemical that the list does not hold: the typed name, the placeholder CAS
// number and empty properties.
std::vector<std::pair<int, GridCell>> handTypedChemicalCells(const QString& name);

// The duplicate check of a save: a row whose neighbour below has the same name and CAS number
// is compared with every later row on the CAS number and the cells from column 2 on.
bool hasDuplicateRows(const GridModel& grid);
// Whether a save stores the row: it has a name and a CAS number.
bool isStorableRow(const GridModel& grid, int row);
// The storable rows of the grid, in grid order, as a save writes them.
ConstituentRows constituentRowsOf(const GridModel& grid);
// The rows a save stores: the grid's storable rows, or, while the grid holds the stored rows as
// it loaded them (an empty number shown as 0, an inorganic's DAFs as "TCLP dependent"), the
// stored rows exactly as they are, so that they keep their results.
ConstituentRows constituentRowsToSave(const GridModel& grid, Recordset& stored);
