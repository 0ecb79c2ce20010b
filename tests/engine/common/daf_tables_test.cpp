#include "engine/common/daf_tables.h"

#include "../relative_near.h"
#include "core/temp_database.h"

#include <gtest/gtest.h>

// Interpolated values are compared with a relative tolerance of 1e-6 (they pass through single
// precision); results the algorithm fixes exactly are compared exactly.

namespace {

const QString kCas = QStringLiteral("100-00-1");
const QString kLF = QStringLiteral("LF");
const QString kSI = QStringLiteral("SI");
const QString kCarc = QStringLiteral("CARC");
const QString kNon = QStringLiteral("NON");
constexpr double kUntouched = -1;   // what `daf` holds before a lookup

struct Lookup {
    float value;
    double daf;
};

class DafTablesTest : public ::testing::Test {
protected:
    // One row with the same concentration and DAF for all four columns.
    void addRow(const QVariant& conc, const QVariant& daf, const QString& cas = kCas,
                const QString& table = QStringLiteral("DAFs"))
    {
        addRow(table, cas, {conc, daf, daf, conc, daf, daf});
    }
    void addRow(const QString& table, const QString& cas, const QVariantList& v)
    {
        db.insert(table, {{"CAS Num", cas},
                          {"LFconc", v[0]},
                          {"DAFLF_CARC", v[1]},
                          {"DAFLF_NON", v[2]},
                          {"SIconc", v[3]},
                          {"DAFSI_CARC", v[4]},
                          {"DAFSI_NON", v[5]}});
    }
    DafCurves load(const QStringList& cas = {kCas})
    {
        Result<DafCurves> c = DafCurves::load(db.conn(), cas);
        EXPECT_TRUE(c.ok()) << (c.ok() ? "" : qPrintable(c.error().description));
        return c.ok() ? std::move(*c) : DafCurves();
    }
    Lookup well(double L, double scale = 1, const QString& unit = kLF, const QString& cls = kNon,
                bool useCustom = false, const QString& cas = kCas)
    {
        DafCurves c = load({cas});
        double daf = kUntouched;
        const float w = InterpWellConc(c, scale, daf, cas, unit, cls, useCustom, L);
        return {w, daf};
    }
    Lookup leachate(float T, double scale = 1, const QString& unit = kLF, const QString& cls = kNon,
                    bool useCustom = false, const QString& cas = kCas)
    {
        DafCurves c = load({cas});
        double daf = kUntouched;
        const float l = InterpLeachateConc(c, scale, daf, cas, unit, cls, T, useCustom);
        return {l, daf};
    }

    TempDatabase db;
};

TEST_F(DafTablesTest, OneRow)
{
    addRow(7, 20);
    EXPECT_EQ(well(5).value, 0.25f);
    EXPECT_EQ(well(5).daf, 20);
    EXPECT_EQ(leachate(0.25f).value, 5.0f);
    EXPECT_EQ(leachate(0.25f).daf, 20);
}

TEST_F(DafTablesTest, OneRowTakesItsDafAsStoredLongerCurvesInSinglePrecision)
{
    const double scale = 1.6233703;
    addRow(7, 12.3);
    EXPECT_EQ(well(5, scale).daf, 12.3);
    EXPECT_EQ(well(5, scale).value, float(5 / double(float(scale * 12.3))));
    EXPECT_EQ(leachate(0.25f, scale).daf, 12.3);
    EXPECT_EQ(leachate(0.25f, scale).value, float(double(float(scale * 12.3)) * 0.25f));

    addRow(10, 40);
    EXPECT_EQ(well(5, scale).daf, double(12.3f));
    EXPECT_EQ(well(5, scale).value, float(5 / double(float(double(12.3f) * scale))));
    EXPECT_EQ(leachate(0.01f, scale).daf, double(12.3f));
}

TEST_F(DafTablesTest, BetweenTwoRowsTheWellConcentrationsAreInterpolated)
{
    addRow(1, 10);
    addRow(3, 20);
    const Lookup w = well(2);
    EXPECT_TRUE(RelNear(w.value, 0.125, 1e-6)) << "not 2 / 15";
    EXPECT_TRUE(RelNear(w.daf, 15, 1e-6));
    const Lookup l = leachate(0.125f);
    EXPECT_TRUE(RelNear(l.value, 2, 1e-6));
    EXPECT_TRUE(RelNear(l.daf, 15, 1e-6));
}

TEST_F(DafTablesTest, OutsideTheCurveTheEndRowsHold)
{
    addRow(1, 10);
    addRow(3, 20);
    EXPECT_EQ(well(0.5).value, float(0.5 / 10));
    EXPECT_EQ(well(0.5).daf, 10);
    EXPECT_EQ(well(5).value, 0.25f);
    EXPECT_EQ(well(5).daf, 20);
    EXPECT_EQ(leachate(0.05f).value, float(10 * double(0.05f)));
    EXPECT_EQ(leachate(0.05f).daf, 10);
    EXPECT_EQ(leachate(1.0f).value, 20.0f);
    EXPECT_EQ(leachate(1.0f).daf, 20);
}

TEST_F(DafTablesTest, RowsAreOrderedByConcentrationAndTiesTakeTheFirstRow)
{
    addRow(3, 40);
    addRow(2, 20);
    addRow(1, 10);
    addRow(2, 30);
    EXPECT_EQ(well(2).daf, 20);
    EXPECT_EQ(well(2).value, 0.1f);
    EXPECT_TRUE(RelNear(well(2.5).value, 0.5 * (2.0 / 30) + 0.5 * (3.0 / 40), 1e-6));
}

TEST_F(DafTablesTest, UnitTypeAndClassChooseTheColumns)
{
    addRow(QStringLiteral("DAFs"), kCas, {1, 2, 4, 1, 8, 16});
    EXPECT_EQ(well(1, 1, kLF, QStringLiteral("Carcinogen")).daf, 2);
    EXPECT_EQ(well(1, 1, kLF, kCarc).daf, 2);
    EXPECT_EQ(well(1, 1, kLF, QStringLiteral("Noncarcinogen")).daf, 4);
    EXPECT_EQ(well(1, 1, kLF, QStringLiteral("carc")).daf, 4);
    EXPECT_EQ(well(1, 1, kSI, kCarc).daf, 8);
    EXPECT_EQ(well(1, 1, kSI, kNon).daf, 16);
    EXPECT_EQ(well(1, 1, QStringLiteral("si"), kNon).daf, 16);
    EXPECT_EQ(well(1, 1, QString(), kCarc).daf, 8);
    EXPECT_EQ(leachate(1, 1, kSI, QStringLiteral("Non")).daf, 16);
}

TEST_F(DafTablesTest, TheScaleMultipliesTheTableDafButDafReturnsTheTableValue)
{
    const double scale = 1.6233703;   // impoundment, 10000 cubic yards
    addRow(7, 20);
    EXPECT_EQ(well(5, scale).value, float(5 / double(float(20 * scale))));
    EXPECT_EQ(well(5, scale).daf, 20);
    EXPECT_EQ(leachate(0.25f, scale).value, float(double(float(20 * scale)) * 0.25));
    EXPECT_EQ(leachate(0.25f, scale).daf, 20);

    addRow(10, 40);
    const Lookup w = well(8.5, scale);   // halfway between 7 and 10
    EXPECT_TRUE(RelNear(w.value, (7 / 20.0 + 10 / 40.0) / 2 / scale, 1e-6));
    EXPECT_TRUE(RelNear(w.daf, 30, 1e-6));
}

TEST_F(DafTablesTest, TheUserTableServesChemicalsThatDafsLacks)
{
    const QString cus = QStringLiteral("Cus_DAFs");
    addRow(cus, kCas, {1, 5, 5, 1, 50, 50});
    EXPECT_EQ(well(2, 1, kLF).daf, 5);
    EXPECT_EQ(well(2, 1, kSI).daf, 50);
    EXPECT_EQ(leachate(0.1f, 1, kSI).daf, 50);

    // Once DAFs has a row of the chemical, its own rows count; the flag reads the user's directly.
    addRow(1, 10);
    EXPECT_EQ(well(2, 1, kLF).daf, 10);
    EXPECT_EQ(well(2, 1, kLF, kNon, true).daf, 5);
}

TEST_F(DafTablesTest, AChemicalWithoutRowsGivesZero)
{
    addRow(1, 10, QStringLiteral("999-99-9"));
    EXPECT_EQ(well(2).value, 0.0f);
    EXPECT_EQ(well(2).daf, 0);
    EXPECT_EQ(leachate(0.1f).value, 0.0f);
    EXPECT_EQ(leachate(0.1f).daf, 0);
}

TEST_F(DafTablesTest, AFailureReturnsZeroAndDafKeepsWhatItWasLastGiven)
{
    // One row with DAF 0: daf is set before the division fails.
    addRow(1, 0, QStringLiteral("1-0-0"));
    EXPECT_EQ(well(2, 1, kLF, kNon, false, QStringLiteral("1-0-0")).value, 0.0f);
    EXPECT_EQ(well(2, 1, kLF, kNon, false, QStringLiteral("1-0-0")).daf, 0);

    // A NULL DAF in the second row fails while the rows are read, before any daf is set.
    addRow(1, 10, QStringLiteral("2-0-0"));
    addRow(3, QVariant(), QStringLiteral("2-0-0"));
    EXPECT_EQ(well(0.5, 1, kLF, kNon, false, QStringLiteral("2-0-0")).value, 0.0f);
    EXPECT_EQ(well(0.5, 1, kLF, kNon, false, QStringLiteral("2-0-0")).daf, kUntouched);

    // A NULL concentration comes first in the order and fails at once.
    addRow(1, 10, QStringLiteral("3-0-0"));
    addRow(3, 20, QStringLiteral("3-0-0"));
    addRow(QVariant(), 30, QStringLiteral("3-0-0"));
    EXPECT_EQ(leachate(0.2f, 1, kLF, kNon, false, QStringLiteral("3-0-0")).value, 0.0f);
    EXPECT_EQ(leachate(0.2f, 1, kLF, kNon, false, QStringLiteral("3-0-0")).daf, kUntouched);

    // A zero DAF in a row that the walk does not reach does no harm; reaching it fails.
    const QString cas = QStringLiteral("4-0-0");
    addRow(1, 10, cas);
    addRow(3, 20, cas);
    addRow(5, 0, cas);
    EXPECT_TRUE(RelNear(well(2, 1, kLF, kNon, false, cas).value, 0.125, 1e-6));
    EXPECT_EQ(well(4, 1, kLF, kNon, false, cas).value, 0.0f);
    EXPECT_EQ(well(4, 1, kLF, kNon, false, cas).daf, kUntouched);
    EXPECT_TRUE(RelNear(leachate(0.14f, 1, kLF, kNon, false, cas).value, 2.6, 1e-6));
    EXPECT_EQ(leachate(0.2f, 1, kLF, kNon, false, cas).value, 0.0f);

    // A DAF beyond single precision.
    addRow(1, 1e39, QStringLiteral("5-0-0"));
    EXPECT_EQ(well(2, 1, kLF, kNon, false, QStringLiteral("5-0-0")).value, 0.0f);
    EXPECT_EQ(leachate(2, 1, kLF, kNon, false, QStringLiteral("5-0-0")).value, 0.0f);
}

TEST_F(DafTablesTest, LeachateConcentrationInvertsWellConcentration)
{
    // Well concentrations c / D: 0.005, 0.025, 0.2, 1.25, 10, rising with c.
    const double rows[][2] = {{0.01, 2}, {0.1, 4}, {1, 5}, {10, 8}, {100, 10}};
    for (const auto& r : rows)
        addRow(r[0], r[1]);
    const DafCurves c = load();
    for (const double scale : {1.0, 1.6233703, 138.67262}) {
        for (const double L : {0.001, 0.01, 0.05, 0.1, 0.37, 1.0, 4.2, 10.0, 55.0, 100.0, 250.0}) {
            double wellDaf = kUntouched;
            double leachDaf = kUntouched;
            const float w = InterpWellConc(c, scale, wellDaf, kCas, kLF, kNon, false, L);
            const float back = InterpLeachateConc(c, scale, leachDaf, kCas, kLF, kNon, w, false);
            EXPECT_TRUE(RelNear(back, L, 1e-5)) << "scale " << scale << ", L " << L;
            EXPECT_TRUE(RelNear(leachDaf, wellDaf, 1e-5)) << "scale " << scale << ", L " << L;
        }
    }
}

TEST_F(DafTablesTest, LookupsReadOnlyWhatWasLoaded)
{
    addRow(1, 10);
    addRow(3, 20);
    const DafCurves c = load();
    ASSERT_TRUE(db.conn().exec(QStringLiteral("DELETE FROM DAFs")).ok());
    double daf = kUntouched;
    EXPECT_TRUE(RelNear(InterpWellConc(c, 1, daf, kCas, kLF, kNon, false, 2), 0.125, 1e-6));
    EXPECT_TRUE(RelNear(InterpLeachateConc(c, 1, daf, kCas, kLF, kNon, 0.125f, false), 2, 1e-6));
}

TEST_F(DafTablesTest, LoadsManyChemicalsByBoundCasNumbers)
{
    QStringList cas;
    for (int i = 0; i < 1201; ++i)
        cas << QStringLiteral("%1-00-0").arg(i);
    cas << QStringLiteral("12'3-4") << QStringLiteral("abc-1");
    for (const int i : {0, 499, 500, 1200})
        addRow(1, i + 1, cas[i]);
    addRow(1, 7, QStringLiteral("12'3-4"), QStringLiteral("Cus_DAFs"));
    addRow(1, 9, QStringLiteral("ABC-1"));
    addRow(1, 11, QStringLiteral("77-77-7"));

    const DafCurves c = load(cas);
    for (const int i : {0, 499, 500, 1200}) {
        ASSERT_EQ(c.curve(cas[i], kLF, kNon, false).size(), 1u) << i;
        EXPECT_EQ(c.curve(cas[i], kLF, kNon, false)[0].daf, float(i + 1));
    }
    EXPECT_TRUE(c.curve(cas[1], kLF, kNon, false).empty());
    EXPECT_TRUE(c.isLoaded(cas[1]));
    ASSERT_FALSE(c.curve(QStringLiteral("12'3-4"), kSI, kCarc, true).empty());
    EXPECT_EQ(c.curve(QStringLiteral("12'3-4"), kSI, kCarc, true)[0].daf, 7.0f);
    ASSERT_FALSE(c.curve(QStringLiteral("abc-1"), kLF, kNon, false).empty());
    EXPECT_EQ(c.curve(QStringLiteral("abc-1"), kLF, kNon, false)[0].daf, 9.0f) << "matched ignoring case";
    EXPECT_FALSE(c.isLoaded(QStringLiteral("77-77-7")));
}

// A chemical's curves are the same whether few chemicals are read or many: rows without a CAS
// number belong to none, an empty CAS number matches rows of an empty one.
TEST_F(DafTablesTest, FewChemicalsOrManyReadTheSameCurves)
{
    QStringList many;
    for (int i = 0; i < 700; ++i)
        many << QStringLiteral("%1-00-0").arg(i);
    const QStringList few = {QStringLiteral("abc-1"), QString(), QStringLiteral("5-00-0")};
    many << few;
    addRow(1, 9, QStringLiteral("ABC-1"));
    addRow(3, 12, QStringLiteral("abc-1"));
    addRow(2, 10, QStringLiteral("Abc-1"));
    addRow(1, 5, QStringLiteral(""));
    addRow(1, 6, QStringLiteral("5-00-0"), QStringLiteral("Cus_DAFs"));
    addRow(QStringLiteral("DAFs"), QString(), {1, 4, 4, 1, 4, 4});
    addRow(1, 11, QStringLiteral("77-77-7"));

    for (const QStringList& cas : {few, many}) {
        const DafCurves c = load(cas);
        const std::vector<DafPoint>& abc = c.curve(QStringLiteral("ABC-1"), kLF, kNon, false);
        ASSERT_EQ(abc.size(), 3u) << cas.size();
        EXPECT_EQ(abc[0].daf, 9.0);
        EXPECT_EQ(abc[1].daf, 10.0) << "ordered by concentration";
        EXPECT_EQ(abc[2].daf, 12.0);
        ASSERT_EQ(c.curve(QString(), kLF, kNon, false).size(), 1u) << "the empty CAS number's row, not the NULL one";
        EXPECT_EQ(c.curve(QString(), kLF, kNon, false)[0].daf, 5.0);
        EXPECT_TRUE(c.curve(QStringLiteral("5-00-0"), kLF, kNon, false).empty());
        EXPECT_EQ(c.curve(QStringLiteral("5-00-0"), kLF, kNon, true).size(), 1u);
        EXPECT_FALSE(c.isLoaded(QStringLiteral("77-77-7")));
    }
}

}   // namespace
