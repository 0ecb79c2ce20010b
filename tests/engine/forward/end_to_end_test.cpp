#include "engine/forward/forward_run.h"

#include "../relative_near.h"
#include "forward_fixture.h"

#include <QHash>

#include <cmath>

// A landfill and an impoundment analysis of the same constituents, run end to end over the
// results of an earlier run: every one of the 54 result fields of every row is NULL, exactly 0,
// or a finite number other than 0, as the unit type, the constituent and its properties decide;
// a few values are computed by hand from the formulas.

namespace {

enum class Stored { Null, Zero, Number };

// What decides the stored state of the fields: a constituent and the properties that choose
// branches.
struct Constituent {
    QVariantMap row;               // the SITECOCS inputs
    bool oralHazard = false;       // ORDO
    bool oralRisk = false;         // CSFO
    bool inhHazard = false;        // ORDI
    bool inhRisk = false;          // CSFI
    bool volatileModel = false;    // HENRY, DIFFW and DIFFA
    bool landfillVapour = false;   // VAPORP and DIFFA
    bool henry = false;
    bool ecological = false;   // ECOCHRON
    bool skin = false;         // K
    bool curve = true;         // DAF rows
};

QString casOf(const Constituent& c)
{
    return c.row.value(QStringLiteral("CHEMCAS")).toString();
}

Constituent benzene()
{
    Constituent c;
    c.row = {{"CHEMCAS", "71-43-2"}, {"CHEMNAME", "Benzene"}, {"CARCNON", "Carcinogen"},
             {"TCLPCONC", 0.5},      {"TOTCONC", 50.0},       {"MCL", 0.005},
             {"ORDO", 0.004},        {"ORDI", 0.03},          {"CSFO", 0.055},
             {"CSFI", 0.0273},       {"HENRY", 0.00555},      {"DIFFW", 9.8e-6},
             {"DIFFA", 0.088},       {"VAPORP", 0.125},       {"MW", 78.11},
             {"K", 0.015},           {"TAU", 0.29},           {"TSTAR", 0.7},
             {"B", 0.051},           {"ORGANIC", 1},          {"BCF", 5.2},
             {"LOGKOW", 2.13},       {"ECOCHRON", 0.1}};
    c.oralHazard = c.oralRisk = c.inhHazard = c.inhRisk = true;
    c.volatileModel = c.landfillVapour = c.henry = c.ecological = c.skin = true;
    return c;
}

// An inorganic noncarcinogen: no slope factor, no volatility.
Constituent barium()
{
    Constituent c;
    c.row = {{"CHEMCAS", "7440-39-3"},
             {"CHEMNAME", "Barium"},
             {"CARCNON", "Noncarcinogen"},
             {"TCLPCONC", 2.0},
             {"TOTCONC", 40.0},
             {"MCL", 2.0},
             {"ORDO", 0.2},
             {"ORDI", 0.0005},
             {"K", 0.001},
             {"BCF", 8.0},
             {"KSW", 400.0},
             {"ECOCHRON", 0.004}};
    c.oralHazard = c.inhHazard = c.ecological = c.skin = true;
    return c;
}

// A metal carcinogen by inhalation with a vapour pressure but neither diffusion coefficient nor
// Henry's law constant, and neither a skin permeability nor an ecological value.
Constituent cadmium()
{
    Constituent c;
    c.row = {{"CHEMCAS", "7440-43-9"},
             {"CHEMNAME", "Cadmium"},
             {"CARCNON", "Carcinogen"},
             {"TCLPCONC", 0.2},
             {"TOTCONC", 20.0},
             {"MCL", 0.005},
             {"ORDO", 0.0005},
             {"ORDI", 1e-5},
             {"CSFI", 6.3},
             {"BCF", 907.0},
             {"KSW", 1000.0},
             {"VAPORP", 1e-10},
             {"MW", 112.4}};
    c.oralHazard = c.inhHazard = c.inhRisk = true;
    return c;
}

Constituent lead()
{
    Constituent c;
    c.row = {{"CHEMCAS", "7439-92-1"},
             {"CHEMNAME", "Lead"},
             {"CARCNON", "Noncarcinogen"},
             {"TCLPCONC", 1.0},
             {"TOTCONC", 400.0},
             {"MCL", 0.015},
             {"K", 0.0001},
             {"BCF", 49.0},
             {"KSW", 500.0},
             {"ECOCHRON", 0.0025}};
    c.ecological = c.skin = true;
    return c;
}

// A volatile organic noncarcinogen with short dermal events and no DAF rows in either table: its
// receptor-well concentration is 0.
Constituent toluene()
{
    Constituent c;
    c.row = {{"CHEMCAS", "108-88-3"},
             {"CHEMNAME", "Toluene"},
             {"CARCNON", "Noncarcinogen"},
             {"TCLPCONC", 1.5},
             {"TOTCONC", 120.0},
             {"MCL", 1.0},
             {"ORDO", 0.08},
             {"ORDI", 5.0},
             {"HENRY", 0.0066},
             {"DIFFW", 8.6e-6},
             {"DIFFA", 0.087},
             {"VAPORP", 0.037},
             {"MW", 92.14},
             {"K", 0.045},
             {"TAU", 0.35},
             {"TSTAR", 1.2},
             {"B", 0.14},
             {"ORGANIC", 1},
             {"BCF", 10.7},
             {"LOGKOW", 2.73},
             {"ECOCHRON", 0.0175}};
    c.oralHazard = c.inhHazard = c.volatileModel = c.landfillVapour = c.henry = c.ecological = c.skin = true;
    c.curve = false;
    return c;
}

Constituent mercury(const char* cas, const char* name)
{
    Constituent c;
    c.row = {{"CHEMCAS", cas},   {"CHEMNAME", name},  {"CARCNON", "Noncarcinogen"},
             {"TCLPCONC", 0.02}, {"TOTCONC", 3.0},    {"MCL", 0.002},
             {"ORDO", 0.0003},   {"ORDI", 8.6e-5},    {"HENRY", 0.0071},
             {"DIFFW", 6.3e-6},  {"DIFFA", 0.031},    {"VAPORP", 0.002},
             {"MW", 200.6},      {"K", 0.001},        {"BCF", 5000.0},
             {"KSW", 1000.0},    {"ECOCHRON", 7.7e-4}};
    c.oralHazard = c.inhHazard = c.volatileModel = c.landfillVapour = c.henry = c.ecological = c.skin = true;
    return c;
}

const QString kFishMercury = QStringLiteral("22967-92-6");
const QString kLead = QStringLiteral("7439-92-1");

std::vector<Constituent> constituents()
{
    return {benzene(),
            barium(),
            cadmium(),
            toluene(),
            lead(),
            mercury("7439-97-6", "Mercury"),
            mercury("22967-92-6", "Mercury (Fish Pathway Only)")};
}

using Expectation = QHash<QString, Stored>;

Stored zeroUnless(bool computed)
{
    return computed ? Stored::Number : Stored::Zero;
}

// The groundwater fields: every one 0 for the fish-only mercury, which the run skips; otherwise
// each side computed when its toxicity value is there, dermal contact when K is, inhalation
// when the indoor-air model applies. Without DAF rows the well concentration is 0: the
// allowable well concentrations of ingestion and dermal contact are still computed, every other
// field is 0.
void groundwaterFields(const Constituent& c, Expectation& e)
{
    const bool skipped = casOf(c) == kFishMercury;
    const bool oralRisk = c.oralRisk || casOf(c) == kLead;
    auto set = [&](const QString& field, bool computed) { e[field] = zeroUnless(!skipped && computed); };
    auto leachate = [&](const QString& field, bool computed) { set(field, computed && c.curve); };
    leachate(QStringLiteral("GWINGh"), c.oralHazard);
    leachate(QStringLiteral("GWINGr"), c.oralRisk);
    set(QStringLiteral("GWMaxINGsh"), c.oralHazard);
    leachate(QStringLiteral("GWINGsh"), c.oralHazard);
    set(QStringLiteral("GWMaxINGsr"), oralRisk);
    leachate(QStringLiteral("GWINGsr"), oralRisk);
    for (const char* who : {"ADULT", "CHILD"}) {
        const QString w = QString::fromLatin1(who);
        leachate(QStringLiteral("GW%1h").arg(w), c.skin && c.oralHazard);
        leachate(QStringLiteral("GW%1r").arg(w), c.skin && c.oralRisk);
        set(QStringLiteral("GWMax%1sh").arg(w), c.skin && c.oralHazard);
        leachate(QStringLiteral("GW%1sh").arg(w), c.skin && c.oralHazard);
        set(QStringLiteral("GWMax%1sr").arg(w), c.skin && c.oralRisk);
        leachate(QStringLiteral("GW%1sr").arg(w), c.skin && c.oralRisk);
    }
    const bool inhH = c.volatileModel && c.inhHazard && c.curve;
    const bool inhR = c.volatileModel && c.inhRisk && c.curve;
    for (const char* f : {"GWINHh", "SHWRRATEh", "BATHRATEh", "HSERATEh", "GWMaxINHsh", "GWINHsh"})
        set(QString::fromLatin1(f), inhH);
    for (const char* f : {"GWINHr", "SHWRRATEr", "BATHRATEr", "HSERATEr", "GWMaxINHsr", "GWINHsr"})
        set(QString::fromLatin1(f), inhR);
}

Expectation landfillFields(const Constituent& c)
{
    Expectation e;
    const bool fishOnly = casOf(c) == kFishMercury;
    const bool lead = casOf(c) == kLead;
    auto set = [&](const char* field, Stored s) { e[QString::fromLatin1(field)] = s; };

    // Surface water and fish ingestion; the fish-only mercury has no surface-water ingestion.
    set("SWINGh", zeroUnless(!fishOnly && c.oralHazard));
    set("SWINGr", zeroUnless(!fishOnly && c.oralRisk));
    set("SWINGsh", zeroUnless(!fishOnly && c.oralHazard));
    set("SWINGsr", zeroUnless(!fishOnly && c.oralRisk));
    set("FISHINGh", zeroUnless(c.oralHazard));
    set("FISHINGr", zeroUnless(c.oralRisk));
    set("FISHINGsh", zeroUnless(c.oralHazard));
    set("FISHINGsr", zeroUnless(c.oralRisk));
    set("AMBCONC", Stored::Number);
    set("ECOCHRNs", c.ecological ? Stored::Number : Stored::Null);

    // Air and soil: never for the fish-only mercury.
    auto air = [&](const char* field, Stored s) { set(field, fishOnly ? Stored::Null : s); };
    air("AIRINHVh", zeroUnless(c.inhHazard && c.landfillVapour));
    air("AIRINHVr", zeroUnless(c.inhRisk && c.landfillVapour));
    air("AIRINHVsh", zeroUnless(c.inhHazard && c.landfillVapour));
    air("AIRINHVsr", zeroUnless(c.inhRisk && c.landfillVapour));
    air("AIRINHPh", zeroUnless(c.inhHazard));
    air("AIRINHPr", zeroUnless(c.inhRisk));
    air("AIRINHPsh", zeroUnless(c.inhHazard && !lead));
    air("AIRINHPsr", zeroUnless(c.inhRisk || lead));
    air("SOILINGh", zeroUnless(c.oralHazard));
    air("SOILINGr", zeroUnless(c.oralRisk));
    air("SOILINGsh", zeroUnless(c.oralHazard || lead));
    air("SOILINGsr", zeroUnless(c.oralRisk && !lead));
    groundwaterFields(c, e);
    return e;
}

Expectation impoundmentFields(const Constituent& c)
{
    Expectation e;
    const bool fishOnly = casOf(c) == kFishMercury;
    auto set = [&](const QString& field, Stored s) { e[field] = fishOnly ? Stored::Null : s; };
    for (const char* pathway : {"SWING", "FISHING", "AIRINHP", "SOILING"})
        for (const char* suffix : {"h", "r", "sh", "sr"})
            set(QString::fromLatin1(pathway) + QLatin1String(suffix), Stored::Zero);
    e[QStringLiteral("AMBCONC")] = Stored::Null;
    e[QStringLiteral("ECOCHRNs")] = Stored::Null;
    // A chemical without a Henry's law constant volatilises nothing.
    set(QStringLiteral("AIRINHVh"), zeroUnless(c.inhHazard && c.henry));
    set(QStringLiteral("AIRINHVr"), zeroUnless(c.inhRisk && c.henry));
    set(QStringLiteral("AIRINHVsh"), zeroUnless(c.inhHazard && c.henry));
    set(QStringLiteral("AIRINHVsr"), zeroUnless(c.inhRisk && c.henry));
    groundwaterFields(c, e);
    return e;
}

const char* const kLimitFields[] = {"SWINGsh", "FISHINGsh", "AIRINHVsh", "AIRINHPsh", "SOILINGsh",
                                    "SWINGsr", "FISHINGsr", "AIRINHVsr", "AIRINHPsr", "SOILINGsr"};

QString labelOf(const QString& field)
{
    if (field.startsWith(QLatin1String("SWING")))
        return QStringLiteral("Surface Water Ingestion");
    if (field.startsWith(QLatin1String("FISHING")))
        return QStringLiteral("Fish Ingestion");
    if (field.startsWith(QLatin1String("AIRINHV")))
        return QStringLiteral("Air Volatile Inhalation");
    if (field.startsWith(QLatin1String("AIRINHP")))
        return QStringLiteral("Air Particulate Inhalation");
    return QStringLiteral("Soil Ingestion");
}

class EndToEndTest : public ::testing::Test {
protected:
    // Large enough a waste volume (200000 cubic yards) that the DAF scaling factor is 1.
    void SetUp() override
    {
        db.insert(QStringLiteral("CONSTNTS"), testConstantsRow());
        const QVariantMap unit = {{"WASTEVOL", 20000.0}, {"ACTVLIFE", 10.0}};
        QVariantMap impoundment = unit;
        impoundment.insert(QStringLiteral("WMUTYPE"), QStringLiteral("SI"));
        db.insertAnalysis(1, QStringLiteral("Landfill"), {}, unit);
        db.insertAnalysis(2, QStringLiteral("Impoundment"), {}, impoundment);
        for (qint32 key : {1, 2})
            for (const Constituent& c : constituents()) {
                QVariantMap row = c.row;
                row.insert(QStringLiteral("SITEKEY"), key);
                db.insert(QStringLiteral("SITECOCS"), row);
            }
        // Values of an earlier run in every result field, which no field may keep.
        QStringList sets;
        QVariantList earlier;
        for (const QString& f : forwardResultFields()) {
            sets << f + QStringLiteral(" = ?");
            earlier << (f == QLatin1String("LMTPTHTO") ? QVariant(QStringLiteral("Fish Ingestion")) : QVariant(99.0));
        }
        db.conn().exec(QStringLiteral("UPDATE SITECOCS SET %1").arg(sets.join(u',')), earlier).value();
        // One-row curves where a value is computed by hand below, two rows elsewhere.
        addDafRow(db, QStringLiteral("7440-39-3"), 1, 20);
        addDafRow(db, kLead, 1, 20);
        for (const char* cas : {"71-43-2", "7440-43-9", "7439-97-6", "22967-92-6"}) {
            addDafRow(db, QString::fromLatin1(cas), 0.01, 10);
            addDafRow(db, QString::fromLatin1(cas), 10, 30);
        }
    }

    QueryRows runAndRead(qint32 key)
    {
        db.state.gCurSiteKey = key;
        RunObserver observer;
        EXPECT_EQ(RunRiskAnalysis(db.state, session, observer), RunOutcome::Completed);
        return db.conn()
            .select(QStringLiteral("SELECT CHEMCAS, %1 FROM SITECOCS WHERE SITEKEY = ? ORDER BY rowid")
                        .arg(forwardResultFields().join(u',')),
                    {key})
            .value();
    }

    // Every field of every row against its expectation; LMTTOTAL is NULL exactly when no pathway
    // limits, and otherwise the smallest positive of the ten allowable levels, under its label.
    void expectFields(const QueryRows& rows, Expectation (*expected)(const Constituent&))
    {
        const std::vector<Constituent> cs = constituents();
        ASSERT_EQ(rows.rows.size(), cs.size());
        for (size_t i = 0; i < cs.size(); ++i) {
            const QVector<QVariant>& r = rows.rows[i];
            const Expectation e = expected(cs[i]);
            auto value = [&](const QString& field) { return r[rows.columnIndex(field)]; };
            const QString name = r[0].toString();
            ASSERT_EQ(name, casOf(cs[i]));
            ASSERT_EQ(e.size(), 52) << qPrintable(name);
            for (auto it = e.begin(); it != e.end(); ++it) {
                const QVariant v = value(it.key());
                const QString where = name + QLatin1Char(' ') + it.key();
                switch (it.value()) {
                case Stored::Null:
                    EXPECT_FALSE(v.isValid()) << qPrintable(where) << " holds " << qPrintable(v.toString());
                    break;
                case Stored::Zero:
                    EXPECT_TRUE(v.isValid() && v.toDouble() == 0)
                        << qPrintable(where) << " holds " << qPrintable(v.toString());
                    break;
                case Stored::Number:
                    EXPECT_TRUE(v.isValid() && std::isfinite(v.toDouble()) && v.toDouble() != 0)
                        << qPrintable(where) << " holds " << qPrintable(v.toString());
                    break;
                }
            }

            double smallest = 0;
            QStringList limiting;
            for (const char* f : kLimitFields) {
                const QVariant v = value(QString::fromLatin1(f));
                if (v.isValid() && v.toDouble() > 0 && (smallest == 0 || v.toDouble() <= smallest)) {
                    if (v.toDouble() < smallest)
                        limiting.clear();
                    smallest = v.toDouble();
                    limiting << labelOf(QString::fromLatin1(f));
                }
            }
            const QString label = value(QStringLiteral("LMTPTHTO")).toString();
            if (smallest == 0) {
                EXPECT_EQ(label, QStringLiteral("Not Applicable")) << qPrintable(name);
                EXPECT_FALSE(value(QStringLiteral("LMTTOTAL")).isValid()) << qPrintable(name);
            } else {
                EXPECT_TRUE(limiting.contains(label)) << qPrintable(name) << " " << qPrintable(label);
                EXPECT_EQ(value(QStringLiteral("LMTTOTAL")).toDouble(), smallest) << qPrintable(name);
            }
        }
    }

    double field(const QueryRows& rows, const QString& cas, const char* name)
    {
        for (const QVector<QVariant>& r : rows.rows)
            if (r[0].toString() == cas)
                return r[rows.columnIndex(QString::fromLatin1(name))].toDouble();
        ADD_FAILURE() << qPrintable(cas);
        return 0;
    }

    TempDatabase db;
    ForwardRunSession session;
};

TEST_F(EndToEndTest, LandfillResultFieldsAreWrittenOrNullByConstituent)
{
    const QueryRows rows = runAndRead(1);
    expectFields(rows, &landfillFields);
    EXPECT_EQ(db.count(QStringLiteral("GWDelisting")), 7);
}

TEST_F(EndToEndTest, ImpoundmentResultFieldsAreWrittenOrNullByConstituent)
{
    const QueryRows rows = runAndRead(2);
    expectFields(rows, &impoundmentFields);
    for (const QVector<QVariant>& r : rows.rows)
        EXPECT_TRUE(QStringList({"Air Volatile Inhalation", "Not Applicable"})
                        .contains(r[rows.columnIndex(QStringLiteral("LMTPTHTO"))].toString()));
}

// The exposure constants of the fixture: CRWATER 2, ED 30, EDCHILD 6, EF 350, ATCARC 70, ATNON 30,
// ATCHILD 6, BWADULT 70, BWCHILD 15, IFWADJ 1, TADULT 0.5, TCHILD 1; the soil-loss constants K, R,
// C, p, d 1. HQFACT 1, RISKFACT 1E-5, DAF scaling factor 1.
TEST_F(EndToEndTest, ValuesComputedByHand)
{
    for (qint32 key : {1, 2}) {
        const QueryRows rows = runAndRead(key);
        // Barium: well concentration 2 / 20 = 0.1 mg/L.
        EXPECT_TRUE(RelNear(field(rows, QStringLiteral("7440-39-3"), "GWINGh"),
                            2 * 0.1 * 350 * 30 / (0.2 * 70 * 30 * 365.0), 1e-6));
        // Dermal, inorganic, E(t) = K × t: 30 × 365 × 70 × 0.2 / (30 × 350 × 20000) × 1000 / 0.0005.
        EXPECT_TRUE(RelNear(field(rows, QStringLiteral("7440-39-3"), "GWMaxADULTsh"), 1460, 1e-6));
        EXPECT_TRUE(RelNear(field(rows, QStringLiteral("7440-39-3"), "GWMaxCHILDsh"),
                            6 * 365 * 15 * 0.2 / (6 * 350 * 7900.0) * 1000 / 0.001, 1e-6));
        // Benzene: the allowable well concentrations of drinking water.
        EXPECT_TRUE(RelNear(field(rows, QStringLiteral("71-43-2"), "GWMaxINGsh"),
                            0.004 * 70 * 30 * 365 / (350 * 2 * 30.0), 1e-6));
        EXPECT_TRUE(
            RelNear(field(rows, QStringLiteral("71-43-2"), "GWMaxINGsr"), 1e-5 * 365 * 70 / (0.055 * 350), 1e-6));
        // Lead: the fixed well concentration and the leachate that gives it through a DAF of 20.
        EXPECT_EQ(field(rows, kLead, "GWMaxINGsr"), 0.015);
        EXPECT_TRUE(RelNear(field(rows, kLead, "GWINGsr"), 0.3, 1e-6));
    }

    // The landfill's fish water body: sediment load from the soil-loss model of a unit of
    // exp(0.676889 × ln 200000 − 5.95477) acres, in single precision step by step.
    const QueryRows rows = runAndRead(1);
    const double acres = float(std::exp(std::log(200000.0) * 0.676889 - 5.95477));
    const double s = std::sin(std::atan(0.05));
    const double ls = float((s * s * 65.41 + s * 4.56 + 0.065) * std::sqrt(std::sqrt(acres * 43560.174) / 145.2));
    const double load = float(float(ls * 907.185 * 0.77f) * acres * 0.00410958904109589);
    const double factor1 = float(load / 3.3e9);
    const double solids = float(load / 3.3e9 * 1e6 + 10);
    EXPECT_TRUE(
        RelNear(field(rows, QStringLiteral("7440-39-3"), "AMBCONC"), 40 * factor1 / (1 + 400 * solids * 1e-6), 1e-6));
    EXPECT_TRUE(RelNear(field(rows, QStringLiteral("71-43-2"), "AMBCONC"), 50 * factor1, 1e-6))
        << "no KSW: no partitioning onto suspended solids";
    EXPECT_TRUE(RelNear(field(rows, QStringLiteral("7440-39-3"), "ECOCHRNs"), 0.004 / factor1, 1e-6));
    EXPECT_TRUE(RelNear(field(rows, kFishMercury, "ECOCHRNs"), 7.7e-4 / factor1, 1e-6));
}

}   // namespace
