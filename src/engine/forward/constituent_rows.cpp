#include "engine/forward/constituent_rows.h"

#include "data/schema.h"
#include "engine/forward/engine_numbers.h"

#include <cmath>

namespace {

using In = ConstituentInputs;

struct NumberInput {
    const char* name;
    double In::*member;
};

const NumberInput kNumbers[] = {
    {"TCLPCONC", &In::TCLPCONC}, {"TOTCONC", &In::TOTCONC}, {"MCL", &In::MCL},         {"CSFO", &In::CSFO},
    {"CSFI", &In::CSFI},         {"ORDO", &In::ORDO},       {"ORDI", &In::ORDI},       {"BCF", &In::BCF},
    {"SOILSAT", &In::SOILSAT},   {"TC", &In::TC},           {"HENRY", &In::HENRY},     {"DIFFW", &In::DIFFW},
    {"DIFFA", &In::DIFFA},       {"SOL", &In::SOL},         {"DAFLF", &In::DAFLF},     {"DAFSI", &In::DAFSI},
    {"TSTAR", &In::TSTAR},       {"K", &In::K},             {"TAU", &In::TAU},         {"B", &In::B},
    {"ORGANIC", &In::ORGANIC},   {"BAF", &In::BAF},         {"ECOCHRON", &In::ECOCHRON}, {"MW", &In::MW},
    {"VAPORP", &In::VAPORP},     {"KSW", &In::KSW},         {"LOGKOW", &In::LOGKOW},
};

Error fieldError(const ConstituentInputs& in, const QString& field, const QString& why)
{
    return Error{kErrCalculation,
                 QStringLiteral("The field %1 of the constituent %2 %3.").arg(field, constituentLabel(in), why)};
}

// The value a result field stores, or nullopt when it is not finite.
std::optional<QVariant> storable(const std::optional<double>& v)
{
    if (!v)
        return QVariant();
    if (!std::isfinite(*v))
        return std::nullopt;
    return QVariant(*v);
}

} // namespace

QString constituentLabel(const ConstituentInputs& in)
{
    return QStringLiteral("%1 (%2)").arg(in.CHEMNAME, in.CHEMCAS);
}

Result<std::vector<ConstituentRow>> readConstituentRows(Connection& conn, qint32 siteKey)
{
    QStringList columns = {QStringLiteral("CHEMCAS"), QStringLiteral("CHEMNAME"), QStringLiteral("CARCNON"),
                           QStringLiteral("DLTCLP"), QStringLiteral("DLTOTAL")};
    for (const NumberInput& n : kNumbers)
        columns << QString::fromLatin1(n.name);
    Result<QueryRows> rows = conn.select(
        QStringLiteral("SELECT rowid, %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid").arg(columns.join(u',')),
        {siteKey});
    if (!rows)
        return rows.error();

    std::vector<ConstituentRow> result;
    result.reserve(rows->rows.size());
    for (const QVector<QVariant>& r : rows->rows) {
        ConstituentRow row;
        row.rowid = r[0].toLongLong();
        In& in = row.in;
        in.CHEMCAS = r[1].toString();
        in.CHEMNAME = r[2].toString();
        in.CARCNON = r[3].toString();
        in.DLTCLP = FieldNumber(r[4]).value_or(0) != 0;
        in.DLTOTAL = FieldNumber(r[5]).value_or(0) != 0;
        for (size_t i = 0; i < std::size(kNumbers); ++i) {
            const QVariant& v = r[int(i) + 6];
            if (!v.isValid()) {
                if (kNumbers[i].member == &In::ECOCHRON)
                    in.ECOCHRONIsNull = true;
                continue;
            }
            const std::optional<double> number = FieldNumber(v);
            if (!number)
                return fieldError(in, QString::fromLatin1(kNumbers[i].name), QStringLiteral("is not a number"));
            in.*kNumbers[i].member = *number;
        }
        result.push_back(std::move(row));
    }
    return result;
}

Status writeForwardResults(Connection& conn, std::span<const ConstituentRow> rows,
                           std::span<const ConstituentResults> results)
{
    struct Column {
        QString name;
        std::optional<double> ConstituentResults::*member = nullptr;   // null: LMTPTHTO
    };
    std::vector<Column> cols;
    QStringList sets;
    for (const QString& name : forwardResultFields()) {
        Column c{name};
        for (const NumericResultField& f : numericResultFields())
            if (name == QLatin1String(f.name))
                c.member = f.member;
        cols.push_back(c);
        sets << name + QStringLiteral(" = ?");
    }
    Result<Statement> update =
        conn.prepare(QStringLiteral("UPDATE SITECOCS SET %1 WHERE rowid = ?").arg(sets.join(u',')));
    if (!update)
        return update.error();

    QVariantList params;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ConstituentResults& r = results[i];
        params.clear();
        for (const Column& c : cols) {
            if (!c.member) {
                params << (r.LMTPTHTO ? QVariant(*r.LMTPTHTO) : QVariant());
                continue;
            }
            const std::optional<QVariant> v = storable(r.*c.member);
            if (!v)
                return fieldError(rows[i].in, c.name, QStringLiteral("came out as a value that is not a finite number"));
            params << *v;
        }
        params << rows[i].rowid;
        if (Status s = update->exec(params); !s)
            return s;
    }
    return {};
}

Status writeGWDelisting(Connection& conn, qint32 siteKey, std::span<const ConstituentRow> rows,
                        std::span<const GWDelistingRow> delisting)
{
    Result<Statement> insert = conn.prepare(QStringLiteral(
        "INSERT INTO GWDelisting (ChemCas, GWDL, GWMaxAConcen, GWDAF, DAF_SF, GWLimitingPathway, GWIngetion, "
        "GWInhalation, GWAdultDermalAbsorption, GWChildDermalAbsorption, SITEKEY) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    if (!insert)
        return insert.error();
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
        const QVariantList params = {g.ChemCas,        g.GWDL,         g.GWMaxAConcen,
                                     g.GWDAF,          double(g.DAF_SF), g.GWLimitingPathway,
                                     g.GWIngetion,     g.GWInhalation, g.GWAdultDermalAbsorption,
                                     g.GWChildDermalAbsorption, siteKey};
        if (Status s = insert->exec(params); !s)
            return s;
    }
    return {};
}
