#pragma once

#include "platform/db/result.h"

#include <QList>
#include <QVariant>
#include <QVector>

#include <functional>

// A row of a table known by its rowid (0 for a row not stored yet), its values in the order of
// the fields it was read with. A NULL value is an invalid QVariant.
struct StoredRow {
    qint64 rowid = 0;
    QVector<QVariant> values;
};

// The statements that store the rows of a table edited in place, each a transaction of its own.
// `write` stores a new row with its fields that hold a value, or the changed fields of a stored
// row, and gives the row as stored; `remove` deletes rows by their rowids, all or none. Both fail
// with kErrRowGone when a row is no longer in the table.
struct RowStatements {
    std::function<Result<StoredRow>(const StoredRow& row, const QVector<bool>& changed)> write;
    std::function<Status(const QList<qint64>& rowids)> remove;
};
