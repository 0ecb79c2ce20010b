#pragma once

#include "data/analysis_file_prompts.h"
#include "data/analysis_rows.h"

#include <QString>

#include <optional>

// The two import commands. Each reads the file's header once and hands the file to the reader
// of the version it holds. Both need no analysis to be open, and give the tree nodes of the
// stored analysis, to be added by the caller; nothing when nothing was stored.

// Adds the analysis of the version 1.0 file at `path` under a new key and a title the user
// types; a version 2.0 file is imported as such. An empty path does nothing.
std::optional<AnalysisTreeGroup> ImportV1File(Connection& conn, const QString& path, AnalysisFilePrompts& ui);

// Adds the analysis of the version 2.0 file at `path` under a new key, asking for a title when
// its name is taken; a file of another kind is imported as a version 1.0 file when the user
// agrees.
std::optional<AnalysisTreeGroup> ImportV2File(Connection& conn, const QString& path, AnalysisFilePrompts& ui);
