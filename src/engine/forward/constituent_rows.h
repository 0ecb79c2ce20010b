#pragma once

#include "engine/forward/constituent.h"
#include "engine/forward/gw_delisting.h"
#include "platform/db/connection.h"

#include <span>
#include <vector>

// Reading the constituent rows of an analysis and storing what a forward run computed.

struct ConstituentRow {
    qint64 rowid = 0;
    ConstituentInputs in;
};

// "Name (CAS)" of a constituent, as failure descriptions name it.
QString constituentLabel(const ConstituentInputs& in);

// The SITECOCS rows of an analysis in rowid order, with the fields the formulas read. Fails,
// naming the constituent and the field, when one of those number fields holds text.
Result<std::vector<ConstituentRow>> readConstituentRows(Connection& conn, qint32 siteKey);

// Writes all 54 result fields of every row by rowid (an unset field as NULL) with one prepared
// statement. Fails, naming the constituent and the field, on a value that is not finite; rows
// written before stay written, so the caller holds a transaction.
Status writeForwardResults(Connection& conn, std::span<const ConstituentRow> rows,
                           std::span<const ConstituentResults> results);

// Replaces the GWDelisting rows of an analysis by `delisting`, one per constituent row, in
// order, with the same rule: the rows there are rewritten in place in rowid order, those beyond
// are deleted, those missing appended. Rows written before a failure stay written.
Status replaceGWDelisting(Connection& conn, qint32 siteKey, std::span<const ConstituentRow> rows,
                          std::span<const GWDelistingRow> delisting);
