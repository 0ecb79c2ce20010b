#pragma once

#include "data/analysis_rows.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

// The most chemicals a chemical-table file carries, and so the longest such a file can be:
// that many rows, every value at its longest.
inline constexpr qsizetype kMaxChemicals = 32767;
qint64 largestChemicalTableFileBytes();

// Reads and checks a whole chemical-table file (.TVX): complete groups of one value per COCS
// column, text or NULL in the text columns and numbers or NULL in the others, at least one
// row and at most kMaxChemicals. The rows in file order, converted to their columns, or the
// reason the file is refused.
Result<std::vector<TableRow>> readChemicalTableFile(QByteArrayView bytes);
// The same for the file at `path`; a file longer than the longest is refused before it is read.
Result<std::vector<TableRow>> readChemicalTableFileAt(const QString& path);

// The chemical-table file of the rows, in the order given: one tagged value per COCS column,
// text 8, numbers 5, NULL 1. Fails on a value the file cannot carry and on more rows than a
// file carries.
Result<QByteArray> writeChemicalTableFile(const std::vector<TableRow>& rows);
