#pragma once

// Export Table for Distribution: asks for a file and writes the whole chemical table to it, the
// name given ".tvx" unless it holds that in any letter case. A cancelled dialog writes nothing;
// a failure leaves no file and is reported.
void exportChemicalTableCommand();

// Import Latest Database: asks for a chemical-table file and replaces the chemical table with
// its rows. A cancelled dialog changes nothing; a refused file is reported and changes nothing.
void replaceChemicalTableCommand();
