#include "engine/forward/constituent_rows.h"

#include "data/schema.h"
#include "engine/common/engine_numbers.h"

#include <cmath>

namespace {

using In = ConstituentInputs;

struct NumberInput {
    const char* name;
    double In::*member;
};

const NumberInput kNumbers[] = {
    {"TCLPCONC", &In::TCLPCONC},
    {"TOTCONC", &In::TOTCONC},
    {"MCL", &In::MCL},
    {"CSFO", &In::CSFO},
    {"CSFI", &In::CSFI},
    {"ORDO", &In::ORDO},
    {"ORDI", &In::ORDI},
    {"BCF", &In::BCF},
    {"HENRY", &In::HENRY},
    {"DIFFW", &In::DIFFW},
    {"DIFFA", &In::DIFFA},
    {"TSTAR", &In::TSTAR},
    {"K", &In::K},
    {"TAU", &In::TAU},
    {"B", &In::B},
    {"ORGANIC", &In::ORGANIC},
    {"BAF", &In::BAF},
    {"ECOCHRON", &In::ECOCHRON},
    {"MW", &In::MW},
    {"VAPORP", &In::VAPORP},
    {"KSW", &In::KSW},
    {"LOGKOW", &In::LOGKOW},
};

Error fieldError(const ConstituentInputs& in, const QString& field, const QString& why)
{
    return Error{kErrCalculation,
                 QStringLiteral("The field %1 of the constituent %2 %3.").arg(field, constituentLabel(in), why)};
}

}   // namespace

QString constituentLabel(const ConstituentInputs& in)
{
    return QStringLiteral("%1 (%2)").arg(in.CHEMNAME, in.CHEMCAS);
}

Result<std::vector<ConstituentRow>> readConstituentRows(Connection& conn, qint32 siteKey)
{
    static const QString sql = [] {
        QStringList columns = {QStringLiteral("rowid"), QStringLiteral("CHEMCAS"), QStringLiteral("CHEMNAME"),
                               QStringLiteral("CARCNON")};
        for (const NumberInput& n : kNumbers)
            columns << QString::fromLatin1(n.name);
        return QStringLiteral("SELECT %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid").arg(columns.join(u','));
    }();
    constexpr int kFirstNumber = 4;
    std::vector<ConstituentRow> result;
    const Status read = conn.forEachRow(sql, {siteKey}, [&result](const RowReader& r) -> Status {
        ConstituentRow row;
        row.rowid = r.integer(0);
        In& in = row.in;
        in.CHEMCAS = r.text(1);
        in.CHEMNAME = r.text(2);
        in.CARCNON = r.text(3);
        for (size_t i = 0; i < std::size(kNumbers); ++i) {
            const int column = int(i) + kFirstNumber;
            if (r.isNull(column)) {
                if (kNumbers[i].member == &In::ECOCHRON)
                    in.ECOCHRONIsNull = true;
                continue;
            }
            const std::optional<double> number = r.number(column);
            if (!number)
                return fieldError(in, QString::fromLatin1(kNumbers[i].name), QStringLiteral("is not a number"));
            // The concentrations enter the DAF lookups in single precision, where a larger one
            // would make every lookup fail and its pathways come out 0.
            const bool concentration = kNumbers[i].member == &In::TCLPCONC || kNumbers[i].member == &In::TOTCONC;
            if (concentration && !toSingle(*number))
                return fieldError(in, QString::fromLatin1(kNumbers[i].name),
                                  QStringLiteral("is too large for single precision"));
            in.*kNumbers[i].member = *number;
        }
        result.push_back(std::move(row));
        return {};
    });
    if (!read)
        return read.error();
    return result;
}

Status writeForwardResults(Connection& conn, std::span<const ConstituentRow> rows,
                           std::span<const ConstituentResults> results)
{
    // The result fields in the table's order; no member for LMTPTHTO, the text.
    struct Column {
        QString name;
        std::optional<double> ConstituentResults::*member = nullptr;
    };
    static const std::vector<Column> columns = [] {
        std::vector<Column> cols;
        for (const QString& name : forwardResultFields()) {
            Column c{name};
            for (const NumericResultField& f : numericResultFields())
                if (name == QLatin1String(f.name))
                    c.member = f.member;
            cols.push_back(c);
        }
        return cols;
    }();
    static const QString sql = [] {
        QStringList sets;
        for (const Column& c : columns)
            sets << c.name + QStringLiteral(" = ?");
        return QStringLiteral("UPDATE SITECOCS SET %1 WHERE rowid = ?").arg(sets.join(u','));
    }();
    Result<Statement> update = conn.prepare(sql);
    if (!update)
        return update.error();

    std::vector<BindValue> params(columns.size() + 1);
    for (size_t i = 0; i < rows.size(); ++i) {
        const ConstituentResults& r = results[i];
        size_t p = 0;
        for (const Column& c : columns) {
            if (!c.member) {
                params[p++] = r.LMTPTHTO ? BindValue(*r.LMTPTHTO) : BindValue();
                continue;
            }
            const std::optional<double>& v = r.*c.member;
            if (v && !std::isfinite(*v))
                return fieldError(rows[i].in, c.name,
                                  QStringLiteral("came out as a value that is not a finite number"));
            params[p++] = v;
        }
        params[p] = rows[i].rowid;
        if (Status s = update->exec(params); !s)
            return s;
    }
    return {};
}

Status replaceGWDelisting(Connection& conn, qint32 siteKey, std::span<const ConstituentRow> rows,
                          std::span<const GWDelistingRow> delisting)
{
    const QString numbers = QStringLiteral("GWDL, GWMaxAConcen, GWDAF, DAF_SF, GWLimitingPathway, GWIngetion, "
                                           "GWInhalation, GWAdultDermalAbsorption, GWChildDermalAbsorption");
    Result<QueryRows> kept = conn.select(
        QStringLiteral("SELECT rowid, ChemCas FROM GWDelisting WHERE SITEKEY = ? ORDER BY rowid"), {siteKey});
    if (!kept)
        return kept.error();
    const size_t keep = std::min(kept->rows.size(), delisting.size());
    if (keep < kept->rows.size()) {
        Result<int> r = conn.exec(QStringLiteral("DELETE FROM GWDelisting WHERE SITEKEY = ? AND rowid >= ?"),
                                  {siteKey, kept->rows[keep][0]});
        if (!r)
            return r.error();
    }
    // A row keeps its CAS number when it is the same, so that the index on it stays as it is.
    Result<Statement> update = conn.prepare(
        QStringLiteral("UPDATE GWDelisting SET (%1, ChemCas) = (?,?,?,?,?,?,?,?,?,?) WHERE rowid = ?").arg(numbers));
    if (!update)
        return update.error();
    Result<Statement> updateNumbers =
        conn.prepare(QStringLiteral("UPDATE GWDelisting SET (%1) = (?,?,?,?,?,?,?,?,?) WHERE rowid = ?").arg(numbers));
    if (!updateNumbers)
        return updateNumbers.error();
    std::optional<Statement> insert;
    if (keep < delisting.size()) {
        Result<Statement> s =
            conn.prepare(QStringLiteral("INSERT INTO GWDelisting (%1, ChemCas, SITEKEY) VALUES (?,?,?,?,?,?,?,?,?,?,?)")
                             .arg(numbers));
        if (!s)
            return s.error();
        insert.emplace(std::move(*s));
    }

    std::vector<BindValue> params;
    for (size_t i = 0; i < delisting.size(); ++i) {
        const GWDelistingRow& g = delisting[i];
        const std::pair<const char*, double> numbers[] = {
            {"GWDL", g.GWDL},
            {"GWMaxAConcen", g.GWMaxAConcen},
            {"GWDAF", g.GWDAF},
            {"DAF_SF", g.DAF_SF},
            {"GWIngetion", g.GWIngetion},
            {"GWInhalation", g.GWInhalation},
            {"GWAdultDermalAbsorption", g.GWAdultDermalAbsorption},
            {"GWChildDermalAbsorption", g.GWChildDermalAbsorption},
        };
        for (const auto& [name, value] : numbers)
            if (!std::isfinite(value))
                return fieldError(rows[i].in, QString::fromLatin1(name),
                                  QStringLiteral("came out as a value that is not a finite number"));
        params = {g.GWDL,
                  g.GWMaxAConcen,
                  g.GWDAF,
                  double(g.DAF_SF),
                  g.GWLimitingPathway,
                  g.GWIngetion,
                  g.GWInhalation,
                  g.GWAdultDermalAbsorption,
                  g.GWChildDermalAbsorption};
        Statement* statement = nullptr;
        if (i >= keep) {
            params.insert(params.end(), {g.ChemCas, siteKey});
            statement = &*insert;
        } else if (const QVariant& stored = kept->rows[i][1];
                   stored.isValid() && !g.ChemCas.isNull() && stored.toString() == g.ChemCas) {
            params.push_back(kept->rows[i][0].toLongLong());
            statement = &*updateNumbers;
        } else {
            params.insert(params.end(), {g.ChemCas, kept->rows[i][0].toLongLong()});
            statement = &*update;
        }
        if (Status s = statement->exec(std::span<const BindValue>(params)); !s)
            return s;
    }
    return {};
}
