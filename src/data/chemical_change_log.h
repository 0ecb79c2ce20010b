#pragma once

#include "data/analysis_rows.h"
#include "platform/db/connection.h"

#include <QDate>
#include <QString>

#include <vector>

// One changed value of the chemical table, as the change log keeps it.
struct ChemicalChange {
    QString chemName;   // the chemical's name before the change
    QString chemCas;    // its CAS number before the change
    QString prop;       // the column's name
    QString oldValue;   // numbers in their general text form
    QString newValue;

    bool operator==(const ChemicalChange&) const = default;
};

// The changed values between an image of the chemical table and the table as it now stands.
// For each row of `after`, in order: the first row of `before` with the same CAS number (letter
// case counts; a row that `before` lacks is passed over), and each column, in column order, whose
// value differs. A NULL on either side is no difference; texts compare exactly.
std::vector<ChemicalChange> compareChemicalTables(const std::vector<TableRow>& before,
                                                  const std::vector<TableRow>& after);

// Appends one log row per change, dated `day`, in one transaction.
Status appendChangeLog(Connection& conn, const QDate& day, const std::vector<ChemicalChange>& changes);

// Every log row, in stored order.
Result<std::vector<ChemicalChange>> readChangeLog(Connection& conn);
