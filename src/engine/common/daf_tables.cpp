#include "engine/common/daf_tables.h"

#include "engine/common/engine_numbers.h"
#include "platform/db/sql_names.h"

#include <span>

namespace {

constexpr int kChunk = 500;
const char* const kTables[2] = {"DAFs", "Cus_DAFs"};

// The fields of a row after [CAS Num]: the landfill columns, then the impoundment columns.
enum Column { kLfConc = 1, kLfCarc, kLfNon, kSiConc, kSiCarc, kSiNon };

int curveIndex(const QString& unitType, const QString& chemClass)
{
    const bool landfill = unitType == QLatin1String("LF");
    const bool carc = chemClass == QLatin1String("Carcinogen") || chemClass == QLatin1String("CARC");
    return (landfill ? 0 : 2) + (carc ? 0 : 1);
}

// One field of a row: its place in SQLite's ORDER BY (0 NULL, 1 a number, 2 anything else), the
// number, and its value in single precision (nullopt: NULL or not a single-precision number).
struct Field {
    int rank = 0;
    double number = 0;
    std::optional<float> single;
};

Field fieldOf(const RowReader& row, int column)
{
    Field f;
    if (row.isNull(column))
        return f;
    const std::optional<double> number = row.number(column);
    f.rank = number ? 1 : 2;
    if (number) {
        f.number = *number;
        f.single = toSingle(*number);
    }
    return f;
}

// The fields of one row after [CAS Num].
using RowFields = std::array<Field, 6>;

// The carcinogen and noncarcinogen curves of one unit type over the rows of one chemical in one
// table (in rowid order): the rows ordered by the unit type's concentration as SQLite's ORDER BY
// does (NULL first, then numbers, then anything else; ties keep rowid order), each with its DAF.
void curvesOf(std::span<const RowFields> rows, int concColumn, int carcColumn, int nonColumn,
              std::vector<DafPoint>& carc, std::vector<DafPoint>& non)
{
    auto before = [concColumn](const RowFields& a, const RowFields& b) {
        const Field& x = a[concColumn - 1];
        const Field& y = b[concColumn - 1];
        if (x.rank != y.rank)
            return x.rank < y.rank;
        return x.rank == 1 && x.number < y.number;
    };
    // A stable insertion sort: a chemical has a few rows.
    std::vector<const RowFields*> ordered;
    ordered.reserve(rows.size());
    for (const RowFields& r : rows) {
        auto at = ordered.end();
        while (at != ordered.begin() && before(r, **(at - 1)))
            --at;
        ordered.insert(at, &r);
    }
    carc.clear();
    non.clear();
    carc.reserve(rows.size());
    non.reserve(rows.size());
    auto dafOf = [](const Field& f) { return f.rank == 1 ? std::optional<double>(f.number) : std::nullopt; };
    for (const RowFields* r : ordered) {
        carc.push_back({(*r)[concColumn - 1].single, dafOf((*r)[carcColumn - 1])});
        non.push_back({(*r)[concColumn - 1].single, dafOf((*r)[nonColumn - 1])});
    }
}

// The columns of a query for the landfill columns, the impoundment columns or both.
QString columnsOf(bool landfill, bool impoundment)
{
    QString columns = QStringLiteral("[CAS Num]");
    if (landfill)
        columns += QStringLiteral(",[LFconc],[DAFLF_CARC],[DAFLF_NON]");
    if (impoundment)
        columns += QStringLiteral(",[SIconc],[DAFSI_CARC],[DAFSI_NON]");
    return columns;
}

// One row as the lookups read it: concentration c and DAF D (single), effective DAF
// E = single(D × scale), well concentration w = c / E (double).
struct Row {
    float c;
    float D;
    float E;
    double w;
};

std::optional<Row> readRow(const DafPoint& p, double scale)
{
    const std::optional<float> D = p.daf ? toSingle(*p.daf) : std::nullopt;
    if (!p.conc || !D)
        return std::nullopt;
    const std::optional<float> E = toSingle(double(*D) * scale);
    if (!E || *E == 0)
        return std::nullopt;
    return Row{*p.conc, *D, *E, double(*p.conc) / double(*E)};
}

std::optional<double> divide(double a, double b)
{
    if (b == 0)
        return std::nullopt;
    return a / b;
}

std::optional<float> wellConc(const std::vector<DafPoint>& rows, double scale, double& daf, double L)
{
    if (rows.size() == 1) {
        if (!rows[0].daf)
            return std::nullopt;
        daf = *rows[0].daf;
        const std::optional<float> E = toSingle(scale * daf);
        const std::optional<double> result = E ? divide(L, *E) : std::nullopt;
        return result ? toSingle(*result) : std::nullopt;
    }

    std::optional<Row> r1 = readRow(rows[0], scale);
    std::optional<Row> r2 = r1 ? readRow(rows[1], scale) : std::nullopt;
    const std::optional<float> Ls = toSingle(L);
    if (!r2 || !Ls)
        return std::nullopt;
    if (*Ls <= r1->c) {
        daf = r1->D;
        return toSingle(L / r1->E);
    }
    for (size_t next = 2; !(*Ls <= r2->c) && next < rows.size(); ++next) {
        r1 = r2;
        r2 = readRow(rows[next], scale);
        if (!r2)
            return std::nullopt;
    }
    if (*Ls < r2->c) {
        const std::optional<double> f = divide(L - r1->c, double(r2->c) - r1->c);
        if (!f)
            return std::nullopt;
        daf = (r1->E + (double(r2->E) - r1->E) * *f) / scale;
        return toSingle(r1->w + (r2->w - r1->w) * *f);
    }
    daf = r2->D;
    return toSingle(L / r2->E);
}

std::optional<float> leachateConc(const std::vector<DafPoint>& rows, double scale, double& daf, float T)
{
    if (rows.size() == 1) {
        if (!rows[0].daf)
            return std::nullopt;
        daf = *rows[0].daf;
        const std::optional<float> E = toSingle(scale * daf);
        return E ? toSingle(double(*E) * T) : std::nullopt;
    }

    // A row with its well concentration rounded to single for the comparisons with T.
    auto read = [scale](const DafPoint& p) -> std::optional<std::pair<Row, float>> {
        const std::optional<Row> r = readRow(p, scale);
        const std::optional<float> ws = r ? toSingle(r->w) : std::nullopt;
        if (!ws)
            return std::nullopt;
        return std::pair{*r, *ws};
    };
    auto r1 = read(rows[0]);
    auto r2 = r1 ? read(rows[1]) : std::nullopt;
    if (!r2)
        return std::nullopt;
    if (r1->second >= T) {
        daf = r1->first.D;
        return toSingle(double(r1->first.E) * T);
    }
    for (size_t next = 2; !(r2->second >= T) && next < rows.size(); ++next) {
        r1 = r2;
        r2 = read(rows[next]);
        if (!r2)
            return std::nullopt;
    }
    const Row& a = r1->first;
    const Row& b = r2->first;
    if (r2->second > T) {
        const std::optional<double> f = divide(T - a.w, b.w - a.w);
        if (!f)
            return std::nullopt;
        daf = a.D + (double(b.D) - a.D) * *f;
        return toSingle(a.c + (double(b.c) - a.c) * *f);
    }
    daf = b.D;
    return toSingle(double(b.E) * T);
}

}   // namespace

Result<DafCurves> DafCurves::load(Connection& conn, const QStringList& casNumbers)
{
    DafCurves curves;
    curves.m_chemicals.reserve(casNumbers.size());
    QVariantList wanted;
    for (const QString& cas : casNumbers)
        if (curves.addChemical(cas))
            wanted << (cas.isNull() ? QStringLiteral("") : cas);

    for (int t = 0; t < 2; ++t) {
        // Many chemicals: every row once, the rows of other chemicals passed over, costs less
        // than looking each chemical up.
        if (wanted.size() > kChunk) {
            if (Status s = curves.readRows(conn, t,
                                           QStringLiteral("SELECT %1 FROM %2 WHERE [CAS Num] IS NOT NULL "
                                                          "ORDER BY [CAS Num], rowid")
                                               .arg(columnsOf(true, true), QLatin1String(kTables[t])),
                                           {}, true, true);
                !s)
                return s.error();
            continue;
        }
        for (qsizetype from = 0; from < wanted.size(); from += kChunk) {
            const QVariantList chunk = wanted.mid(from, kChunk);
            const QString marks = QStringList(chunk.size(), QStringLiteral("?")).join(QLatin1Char(','));
            if (Status s = curves.readRows(conn, t,
                                           QStringLiteral(
                                               "SELECT %1 FROM %2 WHERE [CAS Num] IN (%3) ORDER BY [CAS Num], rowid")
                                               .arg(columnsOf(true, true), QLatin1String(kTables[t]), marks),
                                           chunk, true, true);
                !s)
                return s.error();
        }
    }
    return curves;
}

Result<DafCurves> DafCurves::loadForAnalysis(Connection& conn, qint32 siteKey, const QStringList& casNumbers,
                                             const QString& unitType)
{
    const bool landfill = unitType != QLatin1String("SI");
    const bool impoundment = unitType != QLatin1String("LF");
    DafCurves curves;
    for (const QString& cas : casNumbers)
        curves.addChemical(cas);
    for (int t = 0; t < 2; ++t) {
        if (Status s = curves.readRows(
                conn, t,
                QStringLiteral("SELECT %1 FROM %2 WHERE [CAS Num] IN "
                               "(SELECT ifnull(CHEMCAS, '') FROM SITECOCS WHERE SITEKEY = ?) ORDER BY [CAS Num], rowid")
                    .arg(columnsOf(landfill, impoundment), QLatin1String(kTables[t])),
                {siteKey}, landfill, impoundment);
            !s)
            return s.error();
    }
    return curves;
}

bool DafCurves::addChemical(const QString& cas)
{
    if (isLoaded(cas))
        return false;
    m_chemicals.insert(nocaseKey(cas), Chemical{});
    return true;
}

Status DafCurves::readRows(Connection& conn, int table, const QString& sql, const QVariantList& params, bool landfill,
                           bool impoundment)
{
    std::vector<RowFields> chemical;
    QString key;
    auto store = [&] {
        if (chemical.empty())
            return;
        const auto it = m_chemicals.find(key);
        if (it == m_chemicals.end()) {
            chemical.clear();
            return;
        }
        TableCurves& c = it->tables[table];
        if (landfill)
            curvesOf(chemical, kLfConc, kLfCarc, kLfNon, c[0], c[1]);
        if (impoundment)
            curvesOf(chemical, kSiConc, kSiCarc, kSiNon, c[2], c[3]);
        chemical.clear();
    };
    const Status read = conn.forEachRow(sql, params, [&](const RowReader& r) -> Status {
        QString rowKey = nocaseKey(r.text(0));
        if (rowKey != key) {
            store();
            key = std::move(rowKey);
        }
        RowFields fields;
        int column = 1;
        for (int i = landfill ? 0 : 3; i < (impoundment ? 6 : 3); ++i)
            fields[i] = fieldOf(r, column++);
        chemical.push_back(fields);
        return {};
    });
    if (!read)
        return read;
    store();
    return {};
}

QHash<QString, DafCurves::Chemical>::const_iterator DafCurves::find(const QString& cas) const
{
    return m_chemicals.constFind(nocaseKey(cas));
}

bool DafCurves::isLoaded(const QString& cas) const
{
    return find(cas) != m_chemicals.constEnd();
}

const std::vector<DafPoint>& DafCurves::curve(const QString& cas, const QString& unitType, const QString& chemClass,
                                              bool useCustom) const
{
    static const std::vector<DafPoint> kNone;
    const auto it = find(cas);
    if (it == m_chemicals.constEnd())
        return kNone;
    return it->tables[useCustom ? 1 : 0][curveIndex(unitType, chemClass)];
}

float InterpWellConc(const DafCurves& curves, double scale, double& daf, const QString& cas, const QString& unitType,
                     const QString& chemClass, bool useCustom, double leachateConc)
{
    Q_ASSERT(curves.isLoaded(cas));
    const std::vector<DafPoint>& rows = curves.curve(cas, unitType, chemClass, useCustom);
    if (rows.empty()) {
        if (!useCustom)
            return InterpWellConc(curves, scale, daf, cas, unitType, chemClass, true, leachateConc);
        daf = 0;
        return 0;
    }
    return wellConc(rows, scale, daf, leachateConc).value_or(0.0f);
}

float InterpLeachateConc(const DafCurves& curves, double scale, double& daf, const QString& cas,
                         const QString& unitType, const QString& chemClass, float target, bool useCustom)
{
    Q_ASSERT(curves.isLoaded(cas));
    const std::vector<DafPoint>& rows = curves.curve(cas, unitType, chemClass, useCustom);
    if (rows.empty()) {
        if (!useCustom)
            return InterpLeachateConc(curves, scale, daf, cas, unitType, chemClass, target, true);
        daf = 0;
        return 0;
    }
    return leachateConc(rows, scale, daf, target).value_or(0.0f);
}
