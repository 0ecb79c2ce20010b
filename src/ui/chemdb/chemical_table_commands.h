#pragma once

#include <QString>

// The file an export of the chemical table writes: the chosen name, with ".tvx" appended
// unless it holds ".tvx" in any letter case.
QString chemicalTableExportName(const QString& chosen);

// Export Table for Distribution: asks for a file and writes the whole chemical table to it. A
// cancelled dialog writes nothing; a failure leaves no file and is reported.
void ExportChemicalTableCommand();

// Import Latest Database: asks for a chemical-table file and replaces the chemical table with
// its rows. A cancelled dialog changes nothing; a refused file is reported and changes nothing.
void ReplaceChemicalTableCommand();
