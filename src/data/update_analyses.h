#pragma once

#include "data/analysis_file_prompts.h"
#include "data/analysis_rows.h"

#include <optional>
#include <vector>

// Adds, in one transaction, a copy of every stored analysis with its results and GWDelisting
// rows under its key plus the largest stored key, named with "_U" appended, whose constituents take the current
// properties of the chemical table; a failure stores nothing and shows "Update Error". Needs no analysis to be open.
// The tree of every stored analysis afterwards, to replace the caller's; nothing when nothing was stored.
std::optional<std::vector<AnalysisTreeGroup>> UpdateAnalyses(Connection& conn, AnalysisFilePrompts& ui);
