#include "delisting_fixture.h"

#include "../relative_near.h"
#include "core/temp_database.h"

#include <gtest/gtest.h>

// Site values are compared with a relative tolerance of 1e-6 (single precision holds about
// 7 digits); the DAF columns, which the lookup fixes exactly, are compared exactly.

namespace {

TEST(DelistingContext, SiteValuesOfATenThousandCubicYardLandfill)
{
    const DelistingContext ctx = testContext();
    EXPECT_EQ(ctx.run.gWasteVolYd3, 10000.0f);
    EXPECT_EQ(ctx.run.HQFACT, 1.0f);
    EXPECT_EQ(ctx.run.RISKFACT, float(1e-5));
    EXPECT_EQ(ctx.gFlowRateDL, 100.0f);
    EXPECT_EQ(ctx.gWmuTypeDL, QStringLiteral("LF"));
    EXPECT_TRUE(RelNear(ctx.gVktOneWayDL, 7.789041042327881, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gDispX, 0.30714499950408936, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gDispSigma, 0.03713202476501465, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gDispXv, 0.02552354708313942, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gDispXSum, 332.6685485839844, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gExposedAreaM2DL, 21.997018814086914, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gLSFactor, 0.5860742926597595, 1e-6));
    EXPECT_TRUE(RelNear(ctx.gSoilLossDL, 8.23994255065918, 1e-6));
}

TEST(DelistingContext, VktIsTwiceTheOneWayTermWhateverConstntsHolds)
{
    for (double stored : {123.0, 0.5}) {
        const DelistingContext ctx = testContext(testUnit(), testConstants({{"VKT", stored}}));
        EXPECT_FLOAT_EQ(ctx.VKT, float(2 * (1000 * 1.42 / 3650 + 7.4)));
    }
}

TEST(DelistingContext, SoilLossUsesTheFactor0_0041AndTheAreaUses4047SquareMetresPerAcre)
{
    const ExposureConstants ones = testConstants({{"R", 1}, {"K", 1}, {"C", 1}, {"p", 1}});
    const DelistingContext ctx = testContext(testUnit(), ones);
    EXPECT_FLOAT_EQ(ctx.gSoilLossDL, float(double(ctx.gLSFactor) * 907.185 * 0.28 * 0.0041));
    EXPECT_FALSE(RelNear(ctx.gSoilLossDL, double(ctx.gLSFactor) * 907.185 * 0.28 * 1.5 / 365, 1e-4));

    // A unit of one acre: 6616.1 cubic yards in all.
    WasteUnit oneAcre = testUnit();
    oneAcre.WASTEVOL = 6616.105484055509;
    oneAcre.ACTVLIFE = 1;
    const DelistingContext acre = testContext(oneAcre);
    ASSERT_EQ(acre.run.gUnitAreaAcres, 1.0f);
    EXPECT_FLOAT_EQ(acre.gExposedAreaM2DL, float(0.00410958904109589 * 4047));
    EXPECT_NE(acre.gExposedAreaM2DL, float(0.00410958904109589 * 4046.873));
}

TEST(DelistingContext, DafScaleFactorByUnitTypeFlooredAtOne)
{
    EXPECT_TRUE(RelNear(testContext(testUnit("LF")).gDafScaleDL, 14.536864280700684, 1e-6));
    EXPECT_TRUE(RelNear(testContext(testUnit("SI")).gDafScaleDL, 1.6233702898025513, 1e-6));

    WasteUnit small = testUnit("LF");
    small.WASTEVOL = 10;
    small.ACTVLIFE = 1;
    EXPECT_TRUE(RelNear(testContext(small).gDafScaleDL, 12619.16796875, 1e-6));
    small.WMUTYPE = QStringLiteral("SI");
    EXPECT_TRUE(RelNear(testContext(small).gDafScaleDL, 6756.74609375, 1e-6));
    small.WMUTYPE = QStringLiteral("XX");   // any type but "LF" takes the impoundment formula
    EXPECT_TRUE(RelNear(testContext(small).gDafScaleDL, 6756.74609375, 1e-6));

    WasteUnit large = testUnit("LF");
    large.WASTEVOL = 1e7;
    EXPECT_EQ(testContext(large).gDafScaleDL, 1.0f);
    large.WMUTYPE = QStringLiteral("SI");
    EXPECT_EQ(testContext(large).gDafScaleDL, 1.0f);
}

class DelistDafLookup : public ::testing::Test {
protected:
    void addRow(const QString& cas, const QVariant& lfCarc, const QVariant& lfNon, const QVariant& siCarc = 1,
                const QVariant& siNon = 1)
    {
        db.insert(QStringLiteral("DAFs"), {{"CAS Num", cas},
                                           {"LFconc", 1},
                                           {"DAFLF_CARC", lfCarc},
                                           {"DAFLF_NON", lfNon},
                                           {"SIconc", 1},
                                           {"DAFSI_CARC", siCarc},
                                           {"DAFSI_NON", siNon}});
    }
    std::optional<ChemicalDaf> lookup(const DelistChemical& chem, DelistResults& out, const QString& wmu = "LF")
    {
        Result<DelistDafMaxima> maxima = DelistDafMaxima::load(db.conn(), wmu);
        EXPECT_TRUE(maxima.ok());
        return LookupDelistDAF(chem, testContext(testUnit(wmu)), *maxima, out);
    }
    static DelistChemical chemical(const QString& cas, const QString& cls)
    {
        DelistChemical c;
        c.CHEMCAS = cas;
        c.CARCNON = cls;
        return c;
    }

    TempDatabase db;
};

TEST_F(DelistDafLookup, TheLargestDafOfTheClassColumnAndItsMirror)
{
    for (double v : {5.0, 20.0, 12.0})
        addRow(QStringLiteral("1-1-1"), v, v / 10, 99, 99);
    const float scale = testContext().gDafScaleDL;

    DelistResults carc;
    const std::optional<ChemicalDaf> c = lookup(chemical("1-1-1", "Carcinogen"), carc);
    ASSERT_TRUE(c);
    EXPECT_EQ(carc.DAF, 20.0);
    EXPECT_EQ(carc.WVDAF, double(float(20.0 * scale)));
    EXPECT_EQ(carc.H_DAF, 0.0);
    EXPECT_EQ(carc.H_WVDAF, 0.0);
    EXPECT_EQ(c->gWVDAF, float(20.0 * scale));
    EXPECT_EQ(c->gH_WVDAF, 0.0f);

    DelistResults non;
    const std::optional<ChemicalDaf> n = lookup(chemical("1-1-1", "Noncarcinogen"), non);
    ASSERT_TRUE(n);
    EXPECT_EQ(non.H_DAF, double(2.0f));
    EXPECT_EQ(non.H_WVDAF, double(float(double(2.0f) * scale)));
    EXPECT_EQ(non.DAF, 0.0);
    EXPECT_EQ(non.WVDAF, 0.0);
    EXPECT_EQ(n->gWVDAF, 0.0f);

    // The impoundment columns for any other unit type; a class text other than "Carcinogen" is
    // a noncarcinogen.
    DelistResults si;
    ASSERT_TRUE(lookup(chemical("1-1-1", "carcinogen"), si, "SI"));
    EXPECT_EQ(si.H_DAF, 99.0);
    EXPECT_EQ(si.DAF, 0.0);
}

TEST_F(DelistDafLookup, NoRowGivesZerosAndTheLevelsStillRun)
{
    addRow(QStringLiteral("other"), 5, 5);
    DelistResults out;
    const std::optional<ChemicalDaf> d = lookup(chemical("1-1-1", "Carcinogen"), out);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->gWVDAF, 0.0f);
    EXPECT_EQ(out.DAF, 0.0);
    EXPECT_EQ(out.WVDAF, 0.0);
    EXPECT_EQ(out.H_DAF, 0.0);
    EXPECT_EQ(out.H_WVDAF, 0.0);
}

TEST_F(DelistDafLookup, NullValuesSortFirstButAnEmptyOrTextLargestFailsTheLookup)
{
    addRow(QStringLiteral("some-null"), QVariant(), 3);
    addRow(QStringLiteral("some-null"), 7, QVariant());
    addRow(QStringLiteral("all-null"), QVariant(), QVariant());
    addRow(QStringLiteral("text"), 7, 7);
    addRow(QStringLiteral("text"), QStringLiteral("high"), 7);

    DelistResults out;
    ASSERT_TRUE(lookup(chemical("some-null", "Carcinogen"), out));
    EXPECT_EQ(out.DAF, 7.0);

    for (const char* cas : {"all-null", "text"}) {
        DelistResults failed;
        EXPECT_FALSE(lookup(chemical(cas, "Carcinogen"), failed)) << cas;
        EXPECT_FALSE(failed.DAF || failed.WVDAF || failed.H_DAF || failed.H_WVDAF) << cas;
    }

    DelistChemical noCas = chemical(QString(), "Carcinogen");
    noCas.CHEMCASIsNull = true;
    DelistResults none;
    EXPECT_FALSE(lookup(noCas, none));
}

TEST(DelistResultColumns, NamesAndOrderOfTheTable)
{
    QStringList names;
    for (const DelistResultColumn& c : delistResultColumns())
        names << QLatin1String(c.name);
    EXPECT_EQ(names, delistingResultFields());
}

}   // namespace
