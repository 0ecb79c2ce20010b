#pragma once

#include "platform/db/connection.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The dilution–attenuation factor (DAF) curves of the tables DAFs (shipped) and Cus_DAFs (the
// user's own): per chemical, rows of leachate concentration and DAF for the landfill
// (LFconc, DAFLF_CARC, DAFLF_NON) and the surface impoundment (SIconc, DAFSI_CARC, DAFSI_NON).
//
// A run reads the curves of its chemicals once, with DafCurves::load, and then makes every
// lookup from memory.

// One row of a curve: the concentration in single precision, the DAF as stored (a curve of one
// row uses it so; longer curves round it to single). nullopt: the field is NULL or not a number,
// or the concentration lies beyond single precision.
struct DafPoint {
    std::optional<float> conc;
    std::optional<double> daf;
};

class DafCurves {
public:
    DafCurves() = default;   // no chemical loaded

    // Reads every DAFs and Cus_DAFs row of the given CAS numbers (one query per table and per
    // 500 chemicals, or per table for more). CAS numbers match as in the database: exact text,
    // ignoring the case of ASCII letters.
    static Result<DafCurves> load(Connection& conn, const QStringList& casNumbers);
    // The same for the CAS numbers of an analysis's SITECOCS rows, `casNumbers` (one query per
    // table), with only the columns that the lookups of a run of the unit type `unitType` read:
    // the landfill columns unless it is "SI", the impoundment columns unless it is "LF". The
    // curves of the columns not read are empty.
    static Result<DafCurves> loadForAnalysis(Connection& conn, qint32 siteKey, const QStringList& casNumbers,
                                             const QString& unitType);

    bool isLoaded(const QString& cas) const;

    // The rows of a chemical in DAFs (or Cus_DAFs when `useCustom`) ordered by the unit type's
    // concentration (NULL first, ties in table order), with the DAF column chosen by unit type
    // ("LF" the landfill columns, anything else the impoundment's) and class ("Carcinogen" or
    // "CARC" the carcinogen column, anything else the noncarcinogen one). Empty when the table
    // has no row of the chemical, or when the chemical was not loaded.
    const std::vector<DafPoint>& curve(const QString& cas, const QString& unitType, const QString& chemClass,
                                       bool useCustom) const;

private:
    // Per table (DAFs, Cus_DAFs): the curves LF carcinogen, LF noncarcinogen, SI carcinogen,
    // SI noncarcinogen.
    using TableCurves = std::array<std::vector<DafPoint>, 4>;
    struct Chemical {
        std::array<TableCurves, 2> tables;
    };
    QHash<QString, Chemical> m_chemicals;   // by CAS number with ASCII letters in lower case

    QHash<QString, Chemical>::const_iterator find(const QString& cas) const;
    // Adds a chemical without rows; false when it is there already.
    bool addChemical(const QString& cas);
    // Adds the curves of one table (0 DAFs, 1 Cus_DAFs) from the rows of `sql`: [CAS Num] and the
    // three landfill columns, the three impoundment columns or both, ordered by [CAS Num] and
    // then by rowid. Rows of chemicals not added are passed over.
    Status readRows(Connection& conn, int table, const QString& sql, const QVariantList& params, bool landfill,
                    bool impoundment);
};

// The receptor-well concentration for the leachate concentration `leachateConc`: the
// chemical's curve in DAFs, or in Cus_DAFs when DAFs has no row of it (or when `useCustom`),
// with every table DAF multiplied by `scale`. Below the first row's concentration the first
// row's DAF holds, at or beyond a row's concentration that row's, and strictly between two
// rows the well concentrations of the two rows are interpolated linearly. `daf` receives the
// table DAF at that point, unscaled (interpolated between rows), or 0 when neither table has a
// row of the chemical. Any failure — a NULL value in a row read, a DAF of 0, a value beyond
// single precision — returns 0 and leaves `daf` with what it was last given. `cas` must be one
// of the chemicals `curves` loaded.
float InterpWellConc(const DafCurves& curves, double scale, double& daf, const QString& cas, const QString& unitType,
                     const QString& chemClass, bool useCustom, double leachateConc);

// The inverse: the leachate concentration whose receptor-well concentration is `target`, with
// the same tables, scaling, `daf` and failure rules. Assumes that the well concentrations of
// the rows rise with their leachate concentrations.
float InterpLeachateConc(const DafCurves& curves, double scale, double& daf, const QString& cas,
                         const QString& unitType, const QString& chemClass, float target, bool useCustom);
