#include "engine/forward/forward_run.h"
#include "engine/forward/indoor_air.h"

#include "forward_fixture.h"

#include <bit>
#include <cmath>
#include <ios>

// Bit for bit what the straightforward implementation stored and returned, recorded on x86-64
// (SSE2 arithmetic, glibc's libm): a faster path through the engine must not change one bit.

namespace {

// FNV-1a over values as stored: a tag per kind, the bits of a number, the UTF-8 of a text.
class Digest {
public:
    void add(const QVariant& v)
    {
        if (!v.isValid()) {
            byte(0);
        } else if (v.typeId() == QMetaType::Double) {
            byte(1);
            const quint64 bits = std::bit_cast<quint64>(v.toDouble());
            for (int i = 0; i < 8; ++i)
                byte(quint8(bits >> (8 * i)));
        } else {
            byte(2);
            for (const char c : v.toString().toUtf8())
                byte(quint8(c));
            byte(0);
        }
    }
    quint64 value() const { return m_hash; }

private:
    void byte(quint8 b)
    {
        m_hash ^= b;
        m_hash *= 1099511628211ull;
    }
    quint64 m_hash = 14695981039346656037ull;
};

quint64 digestOf(Connection& conn, const QString& sql, qint32 key)
{
    Digest d;
    const QueryRows rows = conn.select(sql, {key}).value();
    for (const QVector<QVariant>& row : rows.rows)
        for (const QVariant& v : row)
            d.add(v);
    return d.value();
}

QString casOf(int i)
{
    return QStringLiteral("%1-%2-%3").arg(500 + i).arg(i % 89, 2, 10, QLatin1Char('0')).arg(i % 10);
}

// Constituents of many kinds: volatile organics whose indoor-air releases are capped or not,
// inorganic noncarcinogens, metals without diffusion coefficients, bioaccumulating organics,
// curves of one to five rows in DAFs or only in Cus_DAFs or in neither.
void addConstituents(TempDatabase& db, qint32 key, bool impoundment, int count)
{
    const double henries[] = {5.5e-3, 1e-7, 0.3, 1e-9, 2.4e-5, 5.0};
    for (int i = 0; i < count; ++i) {
        const int kind = i % 5;
        const bool organic = kind == 0 || kind == 3 || kind == 4;
        const bool volatileKind = kind == 0 || kind == 3 || (kind == 4 && !impoundment);
        const bool carcinogen = i % 3 != 1;
        QVariantMap row = {{"SITEKEY", key},
                           {"CHEMCAS", casOf(i)},
                           {"CHEMNAME", QStringLiteral("Chemical %1").arg(i)},
                           {"CARCNON", carcinogen ? "Carcinogen" : "Noncarcinogen"},
                           {"TCLPCONC", 0.003 * std::pow(3.0, i % 9)},
                           {"TOTCONC", 2.5 + 7 * i},
                           {"MCL", 0.002 * (1 + i % 6)},
                           {"ORDO", 0.0015 * (1 + i % 5)},
                           {"ORDI", i % 7 == 2 ? 0.0 : 0.02 * (1 + i % 4)},
                           {"CSFO", carcinogen ? 0.04 * (1 + i % 3) : 0.0},
                           {"CSFI", carcinogen && i % 4 != 3 ? 0.021 * (1 + i % 5) : 0.0},
                           {"K", organic ? 0.012 * (1 + i % 4) : 0.001},
                           {"TAU", 0.25 + 0.1 * (i % 3)},
                           {"TSTAR", organic ? 0.6 * (1 + i % 4) : 0.0},
                           {"B", organic ? 0.04 + 0.2 * (i % 3) : 0.0},
                           {"ORGANIC", organic ? 1 : 0},
                           {"BCF", 3.0 + 40 * (i % 4)},
                           {"KSW", organic ? 0.0 : 200.0 * (1 + i % 3)},
                           {"MW", 60.0 + 11 * (i % 13)},
                           {"LOGKOW", organic ? 1.5 + 0.7 * (i % 8) : 0.0},
                           {"BAF", kind == 4 ? 5000.0 : 0.0},
                           {"ECOCHRON", i % 6 == 5 ? QVariant() : QVariant(0.0004 * (1 + i % 7))}};
        if (volatileKind) {
            row.insert(QStringLiteral("HENRY"), henries[(i / 5) % 6]);
            row.insert(QStringLiteral("DIFFW"), 7.5e-6 * (1 + i % 3));
            row.insert(QStringLiteral("DIFFA"), kind == 4 ? 0.0 : 0.06 + 0.01 * (i % 4));
            row.insert(QStringLiteral("VAPORP"), 0.01 * (1 + i % 11));
            row.insert(QStringLiteral("SOL"), 500.0 * (1 + i % 3));
            row.insert(QStringLiteral("SOILSAT"), 300.0 + 17 * i);
        }
        db.insert(QStringLiteral("SITECOCS"), row);
    }
}

void addCurves(TempDatabase& db, int count)
{
    for (int i = 0; i < count; ++i) {
        if (i % 13 == 7)
            continue;
        const QString table = i % 11 == 4 ? QStringLiteral("Cus_DAFs") : QStringLiteral("DAFs");
        for (int r = 0; r <= i % 5; ++r) {
            const double c = 0.001 * std::pow(12.0, r);
            db.insert(table, {{"CAS Num", casOf(i)},
                              {"LFconc", c},
                              {"DAFLF_CARC", 8.0 + 6 * r + i % 3},
                              {"DAFLF_NON", 9.0 + 7 * r},
                              {"SIconc", 1.5 * c},
                              {"DAFSI_CARC", 3.0 + 2.5 * r},
                              {"DAFSI_NON", 4.0 + 3 * r + i % 2}});
        }
    }
}

void addMetals(TempDatabase& db, qint32 key)
{
    const QVariantMap lead = {{"SITEKEY", key},     {"CHEMCAS", "7439-92-1"},
                              {"CHEMNAME", "Lead"}, {"CARCNON", "Noncarcinogen"},
                              {"TCLPCONC", 0.8},    {"TOTCONC", 350.0},
                              {"MCL", 0.015},       {"BCF", 49.0},
                              {"KSW", 900.0},       {"K", 0.0001}};
    db.insert(QStringLiteral("SITECOCS"), lead);
    for (const char* cas : {"7439-97-6", "22967-92-6"})
        db.insert(QStringLiteral("SITECOCS"), {{"SITEKEY", key},
                                               {"CHEMCAS", cas},
                                               {"CHEMNAME", "Mercury"},
                                               {"CARCNON", "Noncarcinogen"},
                                               {"TCLPCONC", 0.02},
                                               {"TOTCONC", 3.0},
                                               {"MCL", 0.002},
                                               {"ORDO", 0.0003},
                                               {"ORDI", 8.6e-5},
                                               {"BCF", 5000.0},
                                               {"KSW", 1000.0},
                                               {"K", 0.001},
                                               {"HENRY", 0.0071},
                                               {"DIFFW", 6.3e-6},
                                               {"DIFFA", 0.031},
                                               {"ECOCHRON", 0.00077}});
    for (const char* cas : {"7439-92-1", "7439-97-6", "22967-92-6"}) {
        addDafRow(db, QString::fromLatin1(cas), 0.01, 11);
        addDafRow(db, QString::fromLatin1(cas), 1, 25);
    }
}

constexpr int kConstituents = 60;

class RunIdentityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.insert(QStringLiteral("CONSTNTS"), testConstantsRow());
        db.insertAnalysis(1, QStringLiteral("Landfill"), {},
                          {{"WMUTYPE", "LF"}, {"WASTEVOL", 1200.0}, {"WVOLUNIT", 0}, {"ACTVLIFE", 15.0}});
        db.insertAnalysis(2, QStringLiteral("Impoundment"), {},
                          {{"WMUTYPE", "SI"}, {"WASTEVOL", 40000.0}, {"WVOLUNIT", 1}, {"ACTVLIFE", 20.0}});
        addConstituents(db, 1, false, kConstituents);
        addMetals(db, 1);
        addConstituents(db, 2, true, kConstituents);
        addMetals(db, 2);
        addCurves(db, kConstituents);
    }

    // The digests of the analysis's stored result fields and of its GWDelisting rows after a run.
    std::pair<quint64, quint64> runDigests(qint32 key)
    {
        db.state.gCurSiteKey = key;
        RunObserver observer;
        EXPECT_EQ(RunRiskAnalysis(db.state, session, observer), RunOutcome::Completed);
        return {digestOf(db.conn(),
                         QStringLiteral("SELECT %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid")
                             .arg(forwardResultFields().join(u',')),
                         key),
                digestOf(db.conn(), QStringLiteral("SELECT * FROM GWDelisting WHERE SITEKEY = ? ORDER BY rowid"), key)};
    }

    TempDatabase db;
    ForwardRunSession session;
};

TEST_F(RunIdentityTest, StoredResultsOfALandfillAndAnImpoundmentRun)
{
    EXPECT_EQ(runDigests(1), std::make_pair(0x278a21359068cf67ull, 0x22200ef6590f9805ull));
    EXPECT_EQ(runDigests(2), std::make_pair(0x49c93a9119c48e2aull, 0x05e40feb8b8f9cadull));
}

// The bits of a number; for a not-a-number value only that it is one, as IEEE arithmetic leaves
// its sign and payload open.
::testing::AssertionResult SameBits(double actual, quint64 expected)
{
    const double e = std::bit_cast<double>(expected);
    if (std::isnan(e) ? std::isnan(actual) : std::bit_cast<quint64>(actual) == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << actual << " instead of " << e;
}

// Released amounts capped at equilibrium or not, a huge Henry's law constant, inputs that give
// negative, vanishing or not-a-number averages, and runs whose concentrations grow without
// bound.
TEST(IndoorAirIdentity, AveragesOfSingleRuns)
{
    const struct {
        IndoorAirInput in;
        quint64 shower, bathroom, house;
    } cases[] = {
        {{0.01, 0.00001, 0.08, 1}, 0x3f800eeeddd17676, 0x3f63d6f87f16225a, 0x3f16dd7738ef8bd5},
        {{1e-9, 0.00001, 0.08, 2}, 0x3e75461982317556, 0x3e450b3116ed6e8c, 0x3decc3fd5fca8f1c},
        {{1e-7, 7.5e-6, 0.07, 0.37}, 0x3eb87aa027431d5e, 0x3e87fa290c3dd63b, 0x3e2ffde88851201d},
        {{5.0, 5e-6, 0.05, 0.37}, 0x3f6215ea793eaf53, 0x3f461ec915063d0e, 0x3ef9321548805199},
        {{0.0055, 9.8e-6, 0.088, 3.3e-4}, 0x3ec54bad7d0526d3, 0x3ea91bcf1f35034b, 0x3e5c34c5b1104f90},
        {{2.4e-5, 1.5e-5, 0.06, 12.5}, 0x3f86974d36cb5224, 0x3f56a467e298dc0c, 0x3efda8e9b5b7af95},
        {{-0.01, 0.00001, 0.08, 1}, 0x3f808af428912216, 0x3f686cbfd672f03c, 0x3f1ea8d75e9629c7},
        {{0.01, 0.00001, 0.08, -1}, 0xbf800eeeddd17676, 0xbf63d6f87f16225a, 0xbf16dd7738ef8bd5},
        {{1e-300, 0.00001, 0.08, 1e-10}, 0, 0, 0},
        {{1e300, 0.00001, 0.08, 1e10}, 0x4192f9160baadfa7, 0x417956a05387b3a9, 0x412e63ed71897aea},
        {{0.01, -0.00001, 0.08, 1}, 0x7ff8000000000000, 0xfff8000000000000, 0xfff8000000000000},
        {{0.01, 1e200, 1e-200, 1}, 0, 0, 0},
        {{-1e-5, 1e-5, 1.0, 1}, 0x428264776c2cf1f6, 0x429108930f1dc617, 0x42318d69ec8c37ff},
        {{-2e-5, 1e-5, 0.5, 3}, 0x411f8bae6fdfb28f, 0x4122f381a5612f01, 0x40c36d0e5c59d7a9},
    };
    std::vector<IndoorAirInput> inputs;
    for (const auto& c : cases) {
        const IndoorAirRun r = runIndoorAir(c.in.henry, c.in.diffW, c.in.diffA, c.in.waterConc);
        EXPECT_TRUE(SameBits(r.shower, c.shower)) << c.in.henry << " " << c.in.waterConc;
        EXPECT_TRUE(SameBits(r.bathroom, c.bathroom)) << c.in.henry << " " << c.in.waterConc;
        EXPECT_TRUE(SameBits(r.house, c.house)) << c.in.henry << " " << c.in.waterConc;
        inputs.push_back(c.in);
    }

    // The same in one batch, whatever their position in it.
    inputs.insert(inputs.end(), inputs.rbegin(), inputs.rend());
    std::vector<IndoorAirRun> batch(inputs.size());
    runIndoorAirBatch(inputs, batch);
    for (size_t i = 0; i < inputs.size(); ++i) {
        const auto& c = cases[i < std::size(cases) ? i : inputs.size() - 1 - i];
        EXPECT_TRUE(SameBits(batch[i].shower, c.shower)) << i;
        EXPECT_TRUE(SameBits(batch[i].bathroom, c.bathroom)) << i;
        EXPECT_TRUE(SameBits(batch[i].house, c.house)) << i;
    }
}

}   // namespace
