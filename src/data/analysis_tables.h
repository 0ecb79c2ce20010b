#pragma once

#include "platform/db/connection.h"
#include "platform/db/recordset.h"

#include <QString>
#include <QVariant>

#include <array>
#include <functional>

// The largest key in use in any table keyed by analysis (0 when none is): rows that an
// interrupted session left under a key that has no SITEINFO row count too, so a new key never
// takes them over.
Result<qint64> largestSiteKey(Connection& conn);
// The key a new analysis gets: the largest key in use plus one.
Result<qint32> newSiteKey(Connection& conn);

// One node of the analysis tree: an analysis shows as a bold root node and eight detail nodes.
struct AnalysisTreeNode {
    QString key;         // "KEY" + key, and a letter for a detail node
    QString parentKey;   // empty for the root
    QString text;
    bool bold = false;
};
using AnalysisTreeGroup = std::array<AnalysisTreeNode, 9>;

// The nine nodes of an analysis. `details` holds PETID, FACID1, FACID2, CITY, STATE, ANALDATE,
// DLSTDATE and USERNAME; a NULL value leaves its label alone.
AnalysisTreeGroup analysisTreeNodes(qint32 siteKey, const QString& rootText, const std::array<QVariant, 8>& details);
// The nine nodes of a SITEINFO row whose fields `field` gives by name.
AnalysisTreeGroup analysisTreeNodes(const std::function<QVariant(const QString& field)>& field);
// The nine nodes of the current row of a SITEINFO record set.
AnalysisTreeGroup analysisTreeNodes(const Recordset& siteInfo);
// The nine nodes of an analysis not yet saved.
AnalysisTreeGroup newAnalysisTreeNodes(qint32 siteKey);

QString rootNodeKey(qint32 siteKey);
// The analysis key of a root node's key ("KEY12" gives 12); 0 when the key is not a root key.
qint32 siteKeyOfRootNode(const QString& nodeKey);
