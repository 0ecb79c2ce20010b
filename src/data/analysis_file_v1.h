#pragma once

#include "data/analysis_file_prompts.h"
#include "data/analysis_rows.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <optional>

// The hyphenated CAS number of a number or text as version 1.0 files hold it ("7440473" gives
// "7440-47-3"; a trailing "a" adds 1 to the number before it). A value beginning with "UD-"
// comes back unchanged, and so does a number of fewer than three digits. Fails on a value that
// is no number or does not fit 32 bits.
Result<QVariant> FormatCasNumber(const QVariant& value);

// The COCS row of a CAS number, compared as the database compares text, or nothing.
using ChemicalLookup = std::function<std::optional<TableRow>(const QString& cas)>;

struct V1Analysis {
    AnalysisRows rows;               // FILENAME is left for the title prompt
    QStringList chemicalsNotFound;   // CAS numbers of the "Chemical Not Found" messages, in order
};

// The longest version 1.0 file the importer reads: room for kMaxConstituents constituents, each
// with a chemical record of its own, names of 255 characters and every number at full precision
// (about 1,300 bytes a constituent), and long notes.
inline constexpr qint64 kLargestV1FileBytes = 64 * 1024 * 1024;

// Reads and checks a whole version 1.0 file, every value converted to its column; a file of
// more than kMaxConstituents constituents is refused.
Result<V1Analysis> readV1File(QByteArrayView bytes, const ChemicalLookup& lookup);

// The lookup over the chemical table of `conn`, read once.
Result<ChemicalLookup> chemicalTableLookup(Connection& conn);

// Adds the analysis of the version 1.0 file at `path` under a new key and a title the user
// types, reporting any failure as the version 1.0 import error. The tree nodes of the stored
// analysis; nothing when nothing was stored.
std::optional<AnalysisTreeGroup> importV1Analysis(Connection& conn, const QString& path, AnalysisFilePrompts& ui);

// The version 1.0 import error message.
void reportV1ImportError(AnalysisFilePrompts& ui);
