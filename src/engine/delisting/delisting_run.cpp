#include "engine/delisting/delisting_run.h"

#include "data/analysis_inputs.h"
#include "data/schema.h"
#include "engine/common/engine_numbers.h"
#include "engine/delisting/delisting_levels.h"
#include "platform/db/transaction.h"

#include <deque>
#include <unordered_map>
#include <vector>

namespace {

const QString kExcludedCas = QStringLiteral("16984-48-8");

// The COCS columns the levels read, with the members they fill.
using C = DelistChemical;
const std::pair<const char*, double C::*> kNumbers[] = {
    {"CSFO", &C::CSFO},     {"CSFI", &C::CSFI},   {"ORDO", &C::ORDO},       {"ORDI", &C::ORDI},   {"BCF", &C::BCF},
    {"HENRY", &C::HENRY},   {"DIFFW", &C::DIFFW}, {"DIFFA", &C::DIFFA},     {"TSTAR", &C::TSTAR}, {"K", &C::K},
    {"TAU", &C::TAU},       {"B", &C::B},         {"ORGANIC", &C::ORGANIC}, {"BAF", &C::BAF},     {"MW", &C::MW},
    {"VAPORP", &C::VAPORP}, {"KSW", &C::KSW}};
// Leading columns of the chemicals query, before the numbers.
enum Leading { kRowid, kChemName, kChemCas, kCarcnon, kFirstNumber };

// One COCS row as the run reads it: the properties the levels read, or the first of them that
// is text rather than a number.
struct CocsRow {
    qint64 rowid = 0;
    QString CHEMNAME;
    DelistChemical chem;
    const char* notANumber = nullptr;
};

// Everything the run reads before it writes.
struct RunInputs {
    ExposureConstants constants;
    DelistingContext ctx;
    std::deque<CocsRow> chemicals;   // in CHEMNAME order
    DafCurves curves;
    DelistDafMaxima maxima;
};

QString chemicalsSql()
{
    QStringList numbers;
    for (const auto& [name, member] : kNumbers)
        numbers << QLatin1String(name);
    return QStringLiteral("SELECT rowid, CHEMNAME, CHEMCAS, CARCNON, %1 FROM COCS ORDER BY CHEMNAME, rowid")
        .arg(numbers.join(QStringLiteral(", ")));
}

QString chemicalText(const CocsRow& cocs)
{
    return QStringLiteral("%1 (%2)").arg(cocs.CHEMNAME, cocs.chem.CHEMCAS);
}

// The properties the levels read; a NULL number reads as 0, text that is no number is noted.
CocsRow chemicalOf(const RowReader& cocs)
{
    CocsRow row;
    row.rowid = cocs.integer(kRowid);
    row.CHEMNAME = cocs.text(kChemName);
    DelistChemical& chem = row.chem;
    chem.CHEMCAS = cocs.text(kChemCas);
    chem.CHEMCASIsNull = cocs.isNull(kChemCas);
    chem.CARCNON = cocs.text(kCarcnon);
    for (size_t i = 0; i < std::size(kNumbers); ++i) {
        const int column = kFirstNumber + int(i);
        const std::optional<double> number = cocs.number(column);
        if (!number && !cocs.isNull(column) && !row.notANumber)
            row.notANumber = kNumbers[i].first;
        chem.*kNumbers[i].second = number.value_or(0);
    }
    return row;
}

Result<RunInputs> readInputs(Connection& conn, const WasteUnit& unit)
{
    RunInputs in;
    Result<ExposureConstants> constants = LoadExposureConstants(conn);
    if (!constants)
        return constants.error();
    in.constants = *constants;
    Result<DelistingContext> ctx = setDelistingContext(unit, in.constants);
    if (!ctx)
        return ctx.error();
    in.ctx = std::move(*ctx);

    QStringList cas;
    const Status read = conn.forEachRow(chemicalsSql(), {}, [&in, &cas](const RowReader& row) -> Status {
        in.chemicals.push_back(chemicalOf(row));
        if (!in.chemicals.back().chem.CHEMCASIsNull)
            cas << in.chemicals.back().chem.CHEMCAS;
        return {};
    });
    if (!read)
        return read.error();
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

// Adds the DelistCOCS rows: the input columns copied from the chemical's COCS row (MCL … KSW
// as stored), the fixed concentrations and flags, and the result columns that the levels
// wrote; LOGKOW and the other result columns stay NULL. A row binds only the results it has,
// through one prepared statement per set of written columns.
class RowWriter {
public:
    RowWriter(Connection& conn, qint32 siteKey) : m_conn(conn), m_fixed{siteKey, 1.0, 1, 1.0, 1} {}

    Status add(qint64 cocsRowid, const DelistResults& results)
    {
        const std::array<DelistResultColumn, 52>& columns = delistResultColumns();
        quint64 written = 0;
        m_params.assign(m_fixed.begin(), m_fixed.end());
        for (size_t r = 0; r < columns.size(); ++r)
            if (const std::optional<double>& v = results.*columns[r].member) {
                written |= quint64(1) << r;
                m_params.emplace_back(*v);
            }
        m_params.emplace_back(cocsRowid);

        auto it = m_statements.find(written);
        if (it == m_statements.end()) {
            Result<Statement> prepared = m_conn.prepare(insertSql(written));
            if (!prepared)
                return prepared.error();
            it = m_statements.emplace(written, std::move(*prepared)).first;
        }
        return it->second.exec(std::span<const BindValue>(m_params));
    }

private:
    static QString insertSql(quint64 written)
    {
        const QStringList properties = chemicalPropertyFields();
        QStringList names = {QStringLiteral("SITEKEY"),  QStringLiteral("CHEMCAS"), QStringLiteral("CHEMNAME"),
                             QStringLiteral("TCLPCONC"), QStringLiteral("DLTCLP"),  QStringLiteral("TOTCONC"),
                             QStringLiteral("DLTOTAL")};
        QStringList values = {QStringLiteral("?"), QStringLiteral("CHEMCAS"), QStringLiteral("CHEMNAME"),
                              QStringLiteral("?"), QStringLiteral("?"),       QStringLiteral("?"),
                              QStringLiteral("?")};
        names << properties;
        values << properties;
        const std::array<DelistResultColumn, 52>& columns = delistResultColumns();
        for (size_t r = 0; r < columns.size(); ++r)
            if (written & (quint64(1) << r)) {
                names << QLatin1String(columns[r].name);
                values << QStringLiteral("?");
            }
        return QStringLiteral("INSERT INTO DelistCOCS (%1) SELECT %2 FROM COCS WHERE rowid = ?")
            .arg(names.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    }

    Connection& m_conn;
    const std::array<BindValue, 5> m_fixed;   // SITEKEY, TCLPCONC, DLTCLP, TOTCONC, DLTOTAL
    std::vector<BindValue> m_params;
    std::unordered_map<quint64, Statement> m_statements;
};

// Empties DelistCOCS and refills it with the computed rows, inside the run's transaction.
Status storeRun(Connection& conn, qint32 siteKey, const RunInputs& in, DelistingObserver& observer)
{
    if (Result<int> r = conn.exec(QStringLiteral("DELETE FROM DelistCOCS")); !r)
        return r.error();

    // The rows to add: every chemical but the excluded one.
    const std::deque<CocsRow>& cocs = in.chemicals;
    std::vector<const CocsRow*> rows;
    rows.reserve(cocs.size());
    observer.progressStart(int(cocs.size()));
    for (size_t i = 0; i < cocs.size(); ++i) {
        if (cocs[i].chem.CHEMCASIsNull || cocs[i].chem.CHEMCAS != kExcludedCas) {
            if (cocs[i].notANumber)
                return Error{kErrConversion, QStringLiteral("The chemical %1 has a %2 that is not a number.")
                                                 .arg(chemicalText(cocs[i]), QLatin1String(cocs[i].notANumber))};
            rows.push_back(&cocs[i]);
        }
        observer.progressValue(int(i) + 1);
    }

    RowWriter writer(conn, siteKey);
    observer.progressStart(int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        DelistResults results;
        calcChemicalDelistLevels(rows[i]->chem, in.ctx, in.constants, in.maxima, in.curves, results);
        if (Status s = writer.add(rows[i]->rowid, results); !s)
            return Error{s.error().number,
                         QStringLiteral("The delisting levels of the chemical %1 could not be stored: %2")
                             .arg(chemicalText(*rows[i]), s.error().description)};
        observer.progressValue(int(i) + 1);
    }
    return {};
}

DelistingOutcome fail(DelistingObserver& observer, const Error& error)
{
    observer.arrowPointers();
    observer.progressHide();
    observer.failure(error);
    return DelistingOutcome::Failed;
}

// The message of the first check that the waste unit fails, in the run's order (waste volume
// with its unit, active life, HQ factor, risk factor); empty when it passes them all.
QString delistingCheckMessage(const WasteUnit& unit)
{
    const bool knownUnit = unit.WVOLUNIT && (*unit.WVOLUNIT == 0 || *unit.WVOLUNIT == 1 || *unit.WVOLUNIT == 2);
    if (!positiveUnitValue(unit.WASTEVOL) || !knownUnit)
        return QStringLiteral("There is a zero value for the waste volume.");
    if (!positiveUnitValue(unit.ACTVLIFE))
        return QStringLiteral("There is a zero value for the active life.");
    if (!positiveUnitValue(unit.HQFACT))
        return QStringLiteral(
            "There is a zero value for the HQ Factor.  Please use the dropdown list to choose an HQ Factor.");
    if (!positiveUnitValue(unit.RISKFACT))
        return QStringLiteral(
            "There is a zero value for the Risk Factor.  Please use the dropdown list to choose an Risk Factor.");
    return {};
}

}   // namespace

DelistingOutcome RunDelistingAnalysis(ProgramState& state, DelistingObserver& observer)
{
    observer.disclosureGate();
    observer.resetResultForms();

    // The run reads what it calculates inside the transaction that stores it; its messages wait
    // until that transaction has ended.
    Connection& conn = *state.gConn;
    QString refusal;
    const Status ran = [&]() -> Status {
        Transaction tx(conn);
        if (!tx.started())
            return tx.started();
        if (Status s = checkRowsRead(state, {.unit = true}); !s)
            return s;
        Result<WasteUnit> unit = loadWasteUnit(conn, state.gCurSiteKey);
        if (!unit)
            return unit.error();
        refusal = delistingCheckMessage(*unit);
        if (!refusal.isEmpty())
            return {};
        Result<RunInputs> in = readInputs(conn, *unit);
        if (!in)
            return in.error();
        if (Status s = storeRun(conn, state.gCurSiteKey, *in, observer); !s)
            return s;
        return tx.commit();
    }();
    if (!ran)
        return fail(observer, ran.error());
    if (!refusal.isEmpty()) {
        observer.message(refusal, kDelistingRefusalStyle, kDelistingRefusalTitle);
        observer.arrowPointers();
        return DelistingOutcome::Refused;
    }
    observer.progressHide();
    observer.finished();
    observer.arrowPointers();
    return DelistingOutcome::Stored;
}
