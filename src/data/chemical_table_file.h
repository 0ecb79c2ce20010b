#pragma once

#include "data/analysis_rows.h"

#include <QByteArrayView>

#include <vector>

// Reads and checks a whole chemical-table file (.TVX): complete groups of one value per COCS
// column, text or NULL in the text columns and numbers or NULL in the others, at least one
// row. The rows in file order, converted to their columns, or the reason the file is refused.
Result<std::vector<TableRow>> readChemicalTableFile(QByteArrayView bytes);
