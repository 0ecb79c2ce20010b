#include "delisting_fixture.h"

#include "../relative_near.h"

#include <gtest/gtest.h>

// Levels are compared with the relative tolerance kRel (1e-5); caps and zeros exactly.

namespace {

class SoilDelistLevels : public ::testing::Test {
protected:
    // The allowable air concentration behind a soil level, by inverting the dispersion.
    double airBehind(double level, const DelistingContext& ctx, double E) const
    {
        return level * (E * 2.03 * c.F / 3600) / (double(ctx.gDispSigma) * c.U * ctx.gDispXSum * 1000);
    }

    const ExposureConstants c = testConstants();
    const DelistingContext ctx = testContext();
};

TEST_F(SoilDelistLevels, CarcinogenNoncarcinogenAndLead)
{
    DelistResults carc;
    CalcSoilDelistLevels(benzeneLike(), true, ctx, c, carc);
    EXPECT_TRUE(RelNear(*carc.SOILINCsoilsr, 117.457763671875, kRel));
    EXPECT_TRUE(RelNear(*carc.SOILINCairsr, 0.0018002045108005404, kRel));
    EXPECT_TRUE(RelNear(*carc.SOILINGsr, 296295.875, kRel));
    EXPECT_FALSE(carc.SOILINGsh || carc.SOILINCairsh || carc.SOILINCsoilsh);

    DelistResults non;
    CalcSoilDelistLevels(tolueneLike(), false, ctx, c, non);
    EXPECT_TRUE(RelNear(*non.SOILINCsoilsh, 1564.2857666015625, kRel));
    EXPECT_TRUE(RelNear(*non.SOILINCairsh, 0.023974867537617683, kRel));
    EXPECT_TRUE(RelNear(*non.SOILINGsh, 3946026.25, kRel));

    DelistResults pb;
    CalcSoilDelistLevels(leadChemical(), false, ctx, c, pb);
    EXPECT_EQ(pb.SOILINCsoilsh, 100.0);
    EXPECT_EQ(pb.SOILINCairsh, double(float(1.45 / 946.08)));
    EXPECT_TRUE(RelNear(*pb.SOILINGsh, 252257.390625, kRel));
}

TEST_F(SoilDelistLevels, LevelsAndConcentrationsAreInverses)
{
    DelistResults carc;
    const DelistChemical b = benzeneLike();
    CalcSoilDelistLevels(b, true, ctx, c, carc);
    // Soil at the allowable concentration, eaten for a lifetime, gives the target risk.
    EXPECT_TRUE(RelNear(*carc.SOILINCsoilsr * b.CSFO * 39550 / (365.0 * c.ATCARC * 1e6), 1e-5, kRel));
    EXPECT_TRUE(RelNear(*carc.SOILINCairsr, *carc.SOILINCsoilsr * 0.0145 / 946.08, kRel));
    EXPECT_TRUE(RelNear(airBehind(*carc.SOILINGsr, ctx, 3.549210771918297), *carc.SOILINCairsr, kRel));
}

TEST_F(SoilDelistLevels, NoncarcinogenSoilConcentrationUsesFixedNumbersOnly)
{
    const ExposureConstants other = testConstants({{"ATCARC", 50}, {"ED", 9}, {"BWADULT", 80}});
    DelistResults out;
    CalcSoilDelistLevels(tolueneLike(), false, ctx, other, out);
    EXPECT_TRUE(RelNear(*out.SOILINCsoilsh, 0.02 * 15 * 6 * 365 * 1e6 / 420000, kRel));
    EXPECT_TRUE(RelNear(*out.SOILINCairsh, *out.SOILINCsoilsh * 0.0145 / 946.08, kRel));
}

TEST_F(SoilDelistLevels, EmissionsAreCappedAtThirtyEachAndInTotal)
{
    const DustEmissions normal = soilDustEmissions(ctx, c);
    EXPECT_TRUE(RelNear(normal.Ew, 0.060905203223228455, kRel));
    EXPECT_TRUE(RelNear(normal.Er, 3.185398578643799, kRel));
    EXPECT_TRUE(RelNear(normal.Eu, 0.30290699005126953, kRel));

    WasteUnit huge = testUnit();
    huge.WASTEVOL = 1e9;
    const DelistingContext big = testContext(huge);
    const DustEmissions capped = soilDustEmissions(big, c);
    EXPECT_EQ(capped.Ew, 30.0f);
    EXPECT_EQ(capped.Er, 30.0f);
    EXPECT_EQ(capped.Eu, 30.0f);
    DelistResults out;
    CalcSoilDelistLevels(tolueneLike(), false, big, c, out);
    EXPECT_TRUE(RelNear(airBehind(*out.SOILINGsh, big, 30), *out.SOILINCairsh, kRel)) << "the total is used as 30";
}

TEST_F(SoilDelistLevels, MissingToxicityGivesZerosInTheBranch)
{
    DelistChemical b = benzeneLike();
    b.CSFO = 0;
    DelistResults carc;
    CalcSoilDelistLevels(b, true, ctx, c, carc);
    EXPECT_EQ(carc.SOILINGsr, 0.0);
    EXPECT_EQ(carc.SOILINCairsr, 0.0);
    EXPECT_EQ(carc.SOILINCsoilsr, 0.0);
    EXPECT_FALSE(carc.SOILINGsh);

    DelistChemical t = tolueneLike();
    t.ORDO = 0;
    DelistResults non;
    CalcSoilDelistLevels(t, false, ctx, c, non);
    EXPECT_EQ(non.SOILINGsh, 0.0);
    EXPECT_EQ(non.SOILINCairsh, 0.0);
    EXPECT_EQ(non.SOILINCsoilsh, 0.0);
    EXPECT_FALSE(non.SOILINGsr);
}

}   // namespace
