#include "engine/forward/daf_tables.h"

#include "engine/forward/engine_numbers.h"

#include <algorithm>

namespace {

constexpr int kChunk = 500;
const char* const kTables[2] = {"DAFs", "Cus_DAFs"};

// Columns of the load query after [CAS Num].
enum Column { kLfConc = 1, kLfCarc, kLfNon, kSiConc, kSiCarc, kSiNon };

// The key of a CAS number: SQLite's NOCASE folds ASCII letters only.
QString casKey(const QString& cas)
{
    QString key = cas;
    for (QChar& ch : key)
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            ch = QChar(ch.unicode() + ('a' - 'A'));
    return key;
}

int curveIndex(const QString& unitType, const QString& chemClass)
{
    const bool landfill = unitType == QLatin1String("LF");
    const bool carc = chemClass == QLatin1String("Carcinogen") || chemClass == QLatin1String("CARC");
    return (landfill ? 0 : 2) + (carc ? 0 : 1);
}

std::optional<float> singleOf(const QVariant& v)
{
    const std::optional<double> number = FieldNumber(v);
    return number ? ToSingle(*number) : std::nullopt;
}

// The rows of one chemical in one table, in rowid order, sorted by one concentration column as
// SQLite's ORDER BY does: NULL first, then numbers, then anything else; ties keep rowid order.
std::vector<const QVector<QVariant>*> orderedBy(std::vector<const QVector<QVariant>*> rows, int column)
{
    auto rank = [column](const QVector<QVariant>* r) {
        const QVariant& v = (*r)[column];
        return !v.isValid() ? 0 : FieldNumber(v) ? 1 : 2;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const QVector<QVariant>* a, const QVector<QVariant>* b) {
        const int ra = rank(a);
        const int rb = rank(b);
        if (ra != rb)
            return ra < rb;
        return ra == 1 && *FieldNumber((*a)[column]) < *FieldNumber((*b)[column]);
    });
    return rows;
}

std::vector<DafPoint> curveOf(const std::vector<const QVector<QVariant>*>& rows, int concColumn, int dafColumn)
{
    std::vector<DafPoint> points;
    points.reserve(rows.size());
    for (const QVector<QVariant>* r : orderedBy(rows, concColumn))
        points.push_back({singleOf((*r)[concColumn]), singleOf((*r)[dafColumn])});
    return points;
}

// Every row of one table for the given CAS numbers, in rowid order within each query.
Result<std::vector<QueryRows>> selectRows(Connection& conn, const QString& table, const QStringList& cas)
{
    std::vector<QueryRows> results;
    for (qsizetype from = 0; from < cas.size(); from += kChunk) {
        const QStringList chunk = cas.mid(from, kChunk);
        const QString marks = QStringList(chunk.size(), QStringLiteral("?")).join(QLatin1Char(','));
        Result<QueryRows> rows = conn.select(
            QStringLiteral("SELECT [CAS Num],[LFconc],[DAFLF_CARC],[DAFLF_NON],[SIconc],[DAFSI_CARC],[DAFSI_NON] "
                           "FROM %1 WHERE [CAS Num] IN (%2) ORDER BY rowid")
                .arg(table, marks),
            QVariantList(chunk.begin(), chunk.end()));
        if (!rows)
            return rows.error();
        results.push_back(std::move(*rows));
    }
    return results;
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
    if (!p.conc || !p.daf)
        return std::nullopt;
    const std::optional<float> E = ToSingle(double(*p.daf) * scale);
    if (!E || *E == 0)
        return std::nullopt;
    return Row{*p.conc, *p.daf, *E, double(*p.conc) / double(*E)};
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
        const std::optional<float> E = ToSingle(scale * daf);
        const std::optional<double> result = E ? divide(L, *E) : std::nullopt;
        return result ? ToSingle(*result) : std::nullopt;
    }

    std::optional<Row> r1 = readRow(rows[0], scale);
    std::optional<Row> r2 = r1 ? readRow(rows[1], scale) : std::nullopt;
    const std::optional<float> Ls = ToSingle(L);
    if (!r2 || !Ls)
        return std::nullopt;
    if (*Ls <= r1->c) {
        daf = r1->D;
        return ToSingle(L / r1->E);
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
        return ToSingle(r1->w + (r2->w - r1->w) * *f);
    }
    daf = r2->D;
    return ToSingle(L / r2->E);
}

std::optional<float> leachateConc(const std::vector<DafPoint>& rows, double scale, double& daf, float T)
{
    if (rows.size() == 1) {
        if (!rows[0].daf)
            return std::nullopt;
        daf = *rows[0].daf;
        const std::optional<float> E = ToSingle(scale * daf);
        return E ? ToSingle(double(*E) * T) : std::nullopt;
    }

    // A row with its well concentration rounded to single for the comparisons with T.
    auto read = [scale](const DafPoint& p) -> std::optional<std::pair<Row, float>> {
        const std::optional<Row> r = readRow(p, scale);
        const std::optional<float> ws = r ? ToSingle(r->w) : std::nullopt;
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
        return ToSingle(double(r1->first.E) * T);
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
        return ToSingle(a.c + (double(b.c) - a.c) * *f);
    }
    daf = b.D;
    return ToSingle(double(b.E) * T);
}

} // namespace

Result<DafCurves> DafCurves::load(Connection& conn, const QStringList& casNumbers)
{
    DafCurves curves;
    QStringList wanted;
    for (const QString& cas : casNumbers) {
        const QString key = casKey(cas);
        if (!curves.m_chemicals.contains(key)) {
            curves.m_chemicals.insert(key, Chemical{});
            wanted << (cas.isNull() ? QStringLiteral("") : cas);
        }
    }

    for (int t = 0; t < 2; ++t) {
        Result<std::vector<QueryRows>> results = selectRows(conn, QLatin1String(kTables[t]), wanted);
        if (!results)
            return results.error();
        QHash<QString, std::vector<const QVector<QVariant>*>> byChemical;
        for (const QueryRows& result : *results)
            for (const QVector<QVariant>& row : result.rows)
                byChemical[casKey(row[0].toString())].push_back(&row);
        for (auto it = byChemical.begin(); it != byChemical.end(); ++it) {
            TableCurves& c = curves.m_chemicals[it.key()].tables[t];
            c[0] = curveOf(it.value(), kLfConc, kLfCarc);
            c[1] = curveOf(it.value(), kLfConc, kLfNon);
            c[2] = curveOf(it.value(), kSiConc, kSiCarc);
            c[3] = curveOf(it.value(), kSiConc, kSiNon);
        }
    }
    return curves;
}

bool DafCurves::isLoaded(const QString& cas) const
{
    return m_chemicals.contains(casKey(cas));
}

const std::vector<DafPoint>& DafCurves::curve(const QString& cas, const QString& unitType, const QString& chemClass,
                                              bool useCustom) const
{
    static const std::vector<DafPoint> kNone;
    const auto it = m_chemicals.constFind(casKey(cas));
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
