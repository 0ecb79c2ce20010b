#include "delisting_fixture.h"

#include "../relative_near.h"

#include <gtest/gtest.h>

// Levels are compared with the relative tolerance kRel (1e-5), except where the single
// precision of 3.4e11 is the point: there the stored single is compared exactly.

namespace {

class SWDelistLevels : public ::testing::Test {
protected:
    const ExposureConstants c = testConstants();
    const DelistingContext ctx = testContext();
    // Soil load of the unit: gUnitAreaAcres × gSoilLossDL in single precision.
    const double L = double(float(double(ctx.run.gUnitAreaAcres) * ctx.gSoilLossDL));
};

TEST_F(SWDelistLevels, CarcinogenDrinkingAndFish)
{
    DelistResults out;
    CalcSWDelistLevels(true, benzeneLike(), ctx, c, out);
    EXPECT_TRUE(RelNear(L, 10.89824104309082, 1e-6));
    EXPECT_TRUE(RelNear(*out.SWINGCswsr, 0.012404417619109154, kRel));
    EXPECT_EQ(*out.SWINGsr, 386989280.0) << "the drinking-water divisor is the single 340000014336";
    EXPECT_TRUE(RelNear(*out.FISHINGCfishsr, 1.5927271842956543, kRel));
    EXPECT_TRUE(RelNear(*out.FISHINGCswsr, 0.1264827996492386, kRel));
    EXPECT_TRUE(RelNear(*out.FISHINGsr, 38299136.0, kRel));
    EXPECT_FALSE(out.SWINGsh || out.FISHINGsh || out.SWINGCswsh || out.FISHINGCfishsh || out.FISHINGCswsh);
}

TEST_F(SWDelistLevels, LevelsAndConcentrationsAreInverses)
{
    DelistResults out;
    const DelistChemical t = tolueneLike();
    CalcSWDelistLevels(false, t, ctx, c, out);
    const double D = double(float(L / 340000014336.0));
    EXPECT_TRUE(RelNear(*out.SWINGsh * D, *out.SWINGCswsh, kRel));
    EXPECT_TRUE(RelNear(*out.FISHINGsh * L / 3.3e9, *out.FISHINGCswsh, kRel));
    // The fish-tissue concentration at the target hazard quotient.
    EXPECT_TRUE(RelNear(*out.FISHINGCfishsh * 210 / (72 * 30 * 365), t.ORDO, kRel));
}

TEST_F(SWDelistLevels, NoncarcinogenFishIsAHundredTimesDrinkingWhateverTheConstants)
{
    for (const ExposureConstants& constants : {c, testConstants({{"ATCARC", 50}, {"ED", 9}})}) {
        DelistResults out;
        CalcSWDelistLevels(false, tolueneLike(), ctx, constants, out);
        EXPECT_TRUE(RelNear(*out.SWINGCswsh, 0.7508571147918701, kRel));
        EXPECT_TRUE(RelNear(*out.SWINGsh, 23425013760.0, kRel));
        EXPECT_TRUE(RelNear(*out.FISHINGCfishsh, 100 * *out.SWINGCswsh, kRel));
        EXPECT_TRUE(RelNear(*out.FISHINGCswsh, 2.5153756141662598, kRel));
        EXPECT_TRUE(RelNear(*out.FISHINGsh, 761658624.0, kRel));
    }
}

TEST_F(SWDelistLevels, UptakeFactorChoice)
{
    // LOGKOW above 4 selects BAF; 4 exactly does not.
    DelistChemical t = tolueneLike();
    t.LOGKOW = 5;
    DelistResults baf;
    CalcSWDelistLevels(false, t, ctx, c, baf);
    EXPECT_TRUE(RelNear(*baf.FISHINGCswsh, 1.6769170761108398, kRel));
    EXPECT_TRUE(RelNear(*baf.FISHINGsh, 507772416.0, kRel));
    t.LOGKOW = 4;
    DelistResults bcf;
    CalcSWDelistLevels(false, t, ctx, c, bcf);
    EXPECT_TRUE(RelNear(*bcf.FISHINGCswsh, 2.5153756141662598, kRel));

    // Carcinogen: BCF when usable, else BAF, else no fish level.
    DelistChemical b = benzeneLike();
    b.BCF = 0;
    b.BAF = 25.2;
    DelistResults onlyBaf;
    CalcSWDelistLevels(true, b, ctx, c, onlyBaf);
    EXPECT_TRUE(RelNear(*onlyBaf.FISHINGCswsr, 0.1264827996492386 / 2, kRel));
    b.BAF = -1;
    DelistResults none;
    CalcSWDelistLevels(true, b, ctx, c, none);
    EXPECT_TRUE(RelNear(*none.FISHINGCfishsr, 1.5927271842956543, kRel));
    EXPECT_EQ(none.FISHINGsr, 0.0);
    EXPECT_EQ(none.FISHINGCswsr, 0.0);

    // Noncarcinogen: both factors needed.
    DelistResults inorg;
    CalcSWDelistLevels(false, inorganic(), ctx, c, inorg);
    EXPECT_GT(*inorg.FISHINGCfishsh, 0);
    EXPECT_EQ(inorg.FISHINGsh, 0.0);
    EXPECT_EQ(inorg.FISHINGCswsh, 0.0);
    EXPECT_GT(*inorg.SWINGsh, 0);
}

TEST_F(SWDelistLevels, NoPartitioningWithoutKsw)
{
    DelistChemical t = tolueneLike();
    t.KSW = 0;
    DelistResults out;
    CalcSWDelistLevels(false, t, ctx, c, out);
    EXPECT_TRUE(RelNear(*out.FISHINGCswsh, *out.FISHINGCfishsh / t.BCF, kRel));
}

TEST_F(SWDelistLevels, MissingToxicityGivesZerosInTheBranch)
{
    DelistChemical b = benzeneLike();
    b.CSFO = 0;
    DelistResults carc;
    CalcSWDelistLevels(true, b, ctx, c, carc);
    for (auto m : {&DelistResults::SWINGsr, &DelistResults::FISHINGsr, &DelistResults::SWINGCswsr,
                   &DelistResults::FISHINGCfishsr, &DelistResults::FISHINGCswsr})
        EXPECT_EQ(carc.*m, 0.0);
    EXPECT_FALSE(carc.SWINGsh);

    DelistChemical t = tolueneLike();
    t.ORDO = 0;
    DelistResults non;
    CalcSWDelistLevels(false, t, ctx, c, non);
    for (auto m : {&DelistResults::SWINGsh, &DelistResults::FISHINGsh, &DelistResults::SWINGCswsh,
                   &DelistResults::FISHINGCfishsh, &DelistResults::FISHINGCswsh})
        EXPECT_EQ(non.*m, 0.0);
    EXPECT_FALSE(non.SWINGsr);
}

TEST_F(SWDelistLevels, NoSoilLossGivesZerosNotInfinities)
{
    const DelistingContext noLoss = testContext(testUnit(), testConstants({{"R", 0}}));
    ASSERT_EQ(noLoss.gSoilLossDL, 0.0f);
    DelistResults out;
    CalcSWDelistLevels(false, tolueneLike(), noLoss, c, out);
    EXPECT_EQ(out.SWINGsh, 0.0);
    EXPECT_EQ(out.SWINGCswsh, 0.0);
    EXPECT_EQ(out.FISHINGsh, 0.0);
    EXPECT_EQ(out.FISHINGCswsh, 0.0);
}

}   // namespace
