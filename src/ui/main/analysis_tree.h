#pragma once

#include "data/analysis_tables.h"
#include "platform/ui/keyed_tree.h"

// The tree of stored analyses as the main window shows it: nine nodes per analysis, its root
// node keyed by the analysis key.

// Adds the analyses of every row of the SITEINFO record set.
void fillAnalysisTree(KeyedTree& tree, Recordset& siteInfo);
// Adds one analysis's nodes at the end; false when its key is listed already.
bool addAnalysisGroup(KeyedTree& tree, const AnalysisTreeGroup& group);
// The root key of the highlighted analysis (a detail node gives its root's); empty when none.
QString highlightedRootKey(const KeyedTree& tree);
// Rewrites the node texts of the analysis of the current row of a SITEINFO record set.
void rewriteAnalysisNodes(KeyedTree& tree, const Recordset& siteInfo);
// The name under which this copy of the program last read or stored the analysis of a root node:
// its text, unless a save stored a name that the list does not show (Calculate Delisting Levels).
QString listedName(const KeyedTree& tree, const QString& rootKey);
void setListedName(KeyedTree& tree, const QString& rootKey, const QString& name);
