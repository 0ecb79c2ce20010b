#include "engine/delisting/delisting_run.h"

#include "data/schema.h"
#include "engine/delisting/delisting_levels.h"
#include "engine/forward/engine_numbers.h"
#include "platform/db/transaction.h"

#include <vector>

namespace {

const QString kExcludedCas = QStringLiteral("16984-48-8");

// Positions of a DelistCOCS row: the inputs 0 to 31 repeat SITECOCS, 32 is LOGKOW (never
// filled), the result columns follow.
constexpr int kInputColumns = 32;
constexpr int kFirstProperty = 7;   // MCL; COCS holds it at position 2

// Everything the run reads before it writes.
struct RunInputs {
    ExposureConstants constants;
    DelistingContext ctx;
    QueryRows chemicals;   // COCS: CHEMNAME, CHEMCAS, MCL … KSW, in CHEMNAME order
    DafCurves curves;
    DelistDafMaxima maxima;
};

// One DelistCOCS row: its input columns as stored and the properties the levels read.
struct FilledRow {
    QVariantList inputs;
    DelistChemical chem;
};

QString chemicalText(const QVector<QVariant>& cocs)
{
    return QStringLiteral("%1 (%2)").arg(cocs[0].toString(), cocs[1].toString());
}

Result<RunInputs> readInputs(Connection& conn, const WasteUnit& unit)
{
    RunInputs in;
    Result<ExposureConstants> constants = LoadExposureConstants(conn);
    if (!constants)
        return constants.error();
    in.constants = *constants;
    Result<DelistingContext> ctx = SetDelistingContext(unit, in.constants);
    if (!ctx)
        return ctx.error();
    in.ctx = std::move(*ctx);

    Result<QueryRows> chemicals = conn.select(QStringLiteral("SELECT CHEMNAME, CHEMCAS, %1 FROM COCS ORDER BY CHEMNAME, rowid")
                                                  .arg(chemicalPropertyFields().join(QStringLiteral(", "))));
    if (!chemicals)
        return chemicals.error();
    in.chemicals = std::move(*chemicals);

    QStringList cas;
    cas.reserve(qsizetype(in.chemicals.rows.size()));
    for (const QVector<QVariant>& row : in.chemicals.rows)
        if (row[1].isValid())
            cas << row[1].toString();
    Result<DafCurves> curves = DafCurves::load(conn, cas);
    if (!curves)
        return curves.error();
    in.curves = std::move(*curves);
    Result<DelistDafMaxima> maxima = DelistDafMaxima::load(conn, unit.WMUTYPE);
    if (!maxima)
        return maxima.error();
    in.maxima = std::move(*maxima);
    return in;
}

// The properties the levels read, from the converted input columns.
DelistChemical chemicalOf(const QVariantList& inputs)
{
    using C = DelistChemical;
    static const std::pair<const char*, double C::*> kRead[] = {
        {"CSFO", &C::CSFO}, {"CSFI", &C::CSFI}, {"ORDO", &C::ORDO}, {"ORDI", &C::ORDI}, {"BCF", &C::BCF},
        {"HENRY", &C::HENRY}, {"DIFFW", &C::DIFFW}, {"DIFFA", &C::DIFFA}, {"TSTAR", &C::TSTAR}, {"K", &C::K},
        {"TAU", &C::TAU}, {"B", &C::B}, {"ORGANIC", &C::ORGANIC}, {"BAF", &C::BAF}, {"MW", &C::MW},
        {"VAPORP", &C::VAPORP}, {"KSW", &C::KSW}};
    static const std::vector<int> kPositions = [] {
        std::vector<int> positions;
        for (const auto& [name, member] : kRead)
            positions.push_back(delistCocsTable().columnIndex(QLatin1String(name)));
        return positions;
    }();
    static const int kCarcnon = delistCocsTable().columnIndex(QStringLiteral("CARCNON"));

    DelistChemical chem;
    chem.CHEMCAS = inputs[1].toString();
    chem.CHEMCASIsNull = !inputs[1].isValid();
    chem.CARCNON = inputs[kCarcnon].toString();
    for (size_t i = 0; i < kPositions.size(); ++i)
        chem.*kRead[i].second = FieldNumber(inputs[kPositions[i]]).value_or(0);
    return chem;
}

// The input columns of a chemical's row, each converted to its column.
Result<FilledRow> fillRow(qint32 siteKey, const QVector<QVariant>& cocs)
{
    const std::vector<ColumnDef>& columns = delistCocsTable().columns;
    QVariantList values;
    values.reserve(kInputColumns);
    values << siteKey << cocs[1] << cocs[0] << 1.0 << true << 1.0 << true;
    for (int p = kFirstProperty; p < kInputColumns; ++p)
        values << cocs[p - 5];

    FilledRow row;
    row.inputs.reserve(kInputColumns + 1 + int(delistResultColumns().size()));
    for (int p = 0; p < kInputColumns; ++p) {
        Result<QVariant> v = convertToColumn(columns[size_t(p)], values[p]);
        if (!v)
            return Error{v.error().number,
                         QStringLiteral("The chemical %1 could not be copied: %2").arg(chemicalText(cocs), v.error().description)};
        row.inputs << *v;
    }
    row.chem = chemicalOf(row.inputs);
    return row;
}

QString insertSql()
{
    QStringList names;
    for (const ColumnDef& c : delistCocsTable().columns)
        names << c.name;
    return QStringLiteral("INSERT INTO DelistCOCS (%1) VALUES (%2)")
        .arg(names.join(QStringLiteral(", ")), QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(",")));
}

// Empties DelistCOCS and refills it with the computed rows, in one transaction.
Status storeRun(Connection& conn, qint32 siteKey, const RunInputs& in, DelistingObserver& observer)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    if (Result<int> r = conn.exec(QStringLiteral("DELETE FROM DelistCOCS")); !r)
        return r.error();
    Result<Statement> insert = conn.prepare(insertSql());
    if (!insert)
        return insert.error();

    const std::vector<QVector<QVariant>>& chemicals = in.chemicals.rows;
    std::vector<FilledRow> rows;
    rows.reserve(chemicals.size());
    observer.progressStart(int(chemicals.size()));
    for (size_t i = 0; i < chemicals.size(); ++i) {
        const QVector<QVariant>& cocs = chemicals[i];
        if (!(cocs[1].isValid() && cocs[1].toString() == kExcludedCas)) {
            Result<FilledRow> row = fillRow(siteKey, cocs);
            if (!row)
                return row.error();
            rows.push_back(std::move(*row));
        }
        observer.progressValue(int(i) + 1);
    }

    observer.progressStart(int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        FilledRow& row = rows[i];
        DelistResults results;
        CalcChemicalDelistLevels(row.chem, in.ctx, in.constants, in.maxima, in.curves, results);
        row.inputs << QVariant();   // LOGKOW
        for (const DelistResultColumn& column : delistResultColumns()) {
            const std::optional<double>& v = results.*column.member;
            row.inputs << (v ? QVariant(*v) : QVariant());
        }
        if (Status s = insert->exec(row.inputs); !s)
            return Error{s.error().number, QStringLiteral("The delisting levels of the chemical %1 (%2) could not be stored: %3")
                                               .arg(row.inputs[2].toString(), row.chem.CHEMCAS, s.error().description)};
        observer.progressValue(int(i) + 1);
    }
    return tx.commit();
}

DelistingOutcome fail(DelistingObserver& observer, const Error& error)
{
    observer.arrowPointers();
    observer.progressHide();
    observer.failure(error);
    return DelistingOutcome::Failed;
}

bool positive(const std::optional<double>& v)
{
    return v && *v > 0;
}

} // namespace

QString DelistingCheckMessage(const WasteUnit& unit)
{
    const bool knownUnit = unit.WVOLUNIT && (*unit.WVOLUNIT == 0 || *unit.WVOLUNIT == 1 || *unit.WVOLUNIT == 2);
    if (!positive(unit.WASTEVOL) || !knownUnit)
        return QStringLiteral("There is a zero value for the waste volume.");
    if (!positive(unit.ACTVLIFE))
        return QStringLiteral("There is a zero value for the active life.");
    if (!positive(unit.HQFACT))
        return QStringLiteral("There is a zero value for the HQ Factor.  Please use the dropdown list to choose an HQ Factor.");
    if (!positive(unit.RISKFACT))
        return QStringLiteral(
            "There is a zero value for the Risk Factor.  Please use the dropdown list to choose an Risk Factor.");
    return {};
}

DelistingOutcome RunDelistingAnalysis(ProgramState& state, DelistingObserver& observer)
{
    observer.disclosureGate();
    observer.resetResultForms();

    Connection& conn = *state.gConn;
    Result<WasteUnit> unit = LoadWasteUnit(conn, state.gCurSiteKey);
    if (!unit)
        return fail(observer, unit.error());
    if (const QString refusal = DelistingCheckMessage(*unit); !refusal.isEmpty()) {
        observer.message(refusal, kDelistingRefusalStyle, kDelistingRefusalTitle);
        observer.arrowPointers();
        return DelistingOutcome::Refused;
    }

    Result<RunInputs> in = readInputs(conn, *unit);
    if (!in)
        return fail(observer, in.error());
    if (Status s = storeRun(conn, state.gCurSiteKey, *in, observer); !s)
        return fail(observer, s.error());
    observer.progressHide();
    observer.finished();
    observer.arrowPointers();
    return DelistingOutcome::Stored;
}
