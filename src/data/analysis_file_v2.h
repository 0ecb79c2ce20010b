#pragma once

#include "data/analysis_file_prompts.h"
#include "data/analysis_rows.h"

#include <QByteArrayView>

#include <functional>
#include <optional>

// The first 11 bytes of a version 2.0 analysis file.
inline constexpr char kV2Header[] = "Version 2.0";

bool hasV2Header(QByteArrayView bytes);

// The longest a version 2.0 file of an analysis can be: kMaxConstituents rows, every value at
// its longest. The reader reads no further; later bytes are ignored as any after the last row.
qint64 largestV2FileBytes();

// Reads and checks a whole version 2.0 file: the site, unit and constituent rows, every value
// converted to its column (the constituents' result fields 0), or the reason it is refused (a
// file of more than kMaxConstituents rows among them). Bytes after the last constituent row
// are ignored.
Result<AnalysisRows> readV2File(QByteArrayView bytes);

// The version 2.0 file of an analysis's rows; fails on a value the file cannot carry and on
// more than kMaxConstituents rows.
Result<QByteArray> encodeV2File(const AnalysisRows& rows);

// The version 2.0 file of a stored analysis. Fails with kErrNotSaved when the key has no
// stored SITEINFO row.
Result<QByteArray> v2FileBytes(Connection& conn, qint32 siteKey);

// Writes the stored analysis `siteKey` to `path` (nothing for an empty path) and reports a
// failure to the user ("Unable to Export" for an analysis not yet saved or refused by
// `checkSource`, which, when given, runs first in the same read; else "Export Error"; key 0 means
// no analysis was chosen); true when the file was written.
bool ExportV2File(Connection& conn, qint32 siteKey, const QString& path, AnalysisFilePrompts& ui,
                  const std::function<Status()>& checkSource = {});

// Adds the analysis of the version 2.0 file at `path` under a new key, asking for a title when
// its name is taken, and reports any failure as the version 2.0 import error (a file without
// the header among them). The tree nodes of the stored analysis; nothing when nothing was
// stored.
std::optional<AnalysisTreeGroup> importV2Analysis(Connection& conn, const QString& path, AnalysisFilePrompts& ui);

// The version 2.0 import error message.
void reportV2ImportError(AnalysisFilePrompts& ui);
