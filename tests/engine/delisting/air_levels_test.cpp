#include "delisting_fixture.h"

#include "../relative_near.h"

#include <gtest/gtest.h>

// Levels are compared with the relative tolerance kRel (1e-5); zeros, caps and untouched
// (NULL) columns exactly.

namespace {

using M = std::optional<double> DelistResults::*;
const M kCarcColumns[] = {&DelistResults::AIRINHPsr, &DelistResults::AIRINHVsr, &DelistResults::AIRSIsr,
                          &DelistResults::AIRCairsr, &DelistResults::AIRQpsr,   &DelistResults::AIRQp10sr};
const M kNonColumns[] = {&DelistResults::AIRINHPsh, &DelistResults::AIRINHVsh, &DelistResults::AIRSIsh,
                         &DelistResults::AIRCairsh, &DelistResults::AIRQpsh,   &DelistResults::AIRQp10sh};

class AirDelistLevels : public ::testing::Test {
protected:
    const ExposureConstants c = testConstants();
    const DelistingContext lf = testContext();
    const DelistingContext si = testContext(testUnit("SI", 1e6));
};

TEST_F(AirDelistLevels, CarcinogenLandfill)
{
    DelistResults out;
    CalcAirDelistLevels(benzeneLike(), true, true, lf, c, out);
    EXPECT_TRUE(RelNear(*out.AIRCairsr, 0.002534721978008747, kRel));
    EXPECT_TRUE(RelNear(*out.AIRQpsr, 0.41130444407463074, kRel));
    EXPECT_EQ(out.AIRQp10sr, out.AIRQpsr);
    EXPECT_TRUE(RelNear(*out.AIRINHPsr, 921319.125, kRel));
    EXPECT_TRUE(RelNear(*out.AIRINHVsr, 0.000361276586772874, kRel));
    EXPECT_FALSE(out.AIRSIsr);
    for (M m : kNonColumns)
        EXPECT_FALSE(out.*m);
}

TEST_F(AirDelistLevels, NoncarcinogenLandfillCapsTheEmissionRateAtTen)
{
    DelistResults out;
    CalcAirDelistLevels(tolueneLike(), false, true, lf, c, out);
    EXPECT_TRUE(RelNear(*out.AIRCairsh, 0.10726530849933624, kRel));
    EXPECT_TRUE(RelNear(*out.AIRQpsh, 17.405733108520508, kRel));
    EXPECT_EQ(out.AIRQp10sh, 10.0);
    EXPECT_TRUE(RelNear(*out.AIRINHPsh, 22399930.0, kRel));
    EXPECT_TRUE(RelNear(*out.AIRINHVsh, 509.76165771484375, kRel));
    EXPECT_FALSE(out.AIRSIsh);

    // The emission rate from the allowable air concentration, and the particulate level from
    // the capped rate.
    const DustEmissions e = airDustEmissions(lf, c);
    EXPECT_TRUE(RelNear(*out.AIRQpsh * 0.3045 / (4.0 * lf.gDispSigma * lf.gDispXSum), *out.AIRCairsh, kRel));
    EXPECT_TRUE(RelNear(*out.AIRINHPsh * (double(e.Ew) + e.Er + e.Eu) / 3600000, 10, kRel));
}

TEST_F(AirDelistLevels, LandfillVolatileCarcinogenFormulaIsTenThousandTimesSmaller)
{
    DelistChemical both = benzeneLike();
    both.ORDI = both.CSFI;
    DelistResults carc;
    DelistResults non;
    CalcAirDelistLevels(both, true, true, lf, c, carc);
    CalcAirDelistLevels(both, false, true, lf, c, non);
    EXPECT_TRUE(RelNear((*carc.AIRINHVsr / *carc.AIRQpsr) / (*non.AIRINHVsh / *non.AIRQpsh), 1e-4, kRel));

    DelistChemical noVapour = benzeneLike();
    noVapour.MW = 0;
    DelistResults none;
    CalcAirDelistLevels(noVapour, true, true, lf, c, none);
    EXPECT_EQ(none.AIRINHVsr, 0.0);
    EXPECT_GT(*none.AIRINHPsr, 0);

    DelistChemical noDiffusion = benzeneLike();
    noDiffusion.DIFFA = 0;
    DelistResults zero;
    CalcAirDelistLevels(noDiffusion, true, true, lf, c, zero);
    EXPECT_EQ(zero.AIRINHVsr, 0.0);
}

TEST_F(AirDelistLevels, Impoundment)
{
    DelistResults carc;
    CalcAirDelistLevels(benzeneLike(), true, false, si, c, carc);
    EXPECT_TRUE(RelNear(*carc.AIRSIsr, 0.18011059210849767, kRel));
    EXPECT_TRUE(RelNear(*carc.AIRQpsr, 0.41130444407463074, kRel));
    EXPECT_FALSE(carc.AIRINHPsr || carc.AIRINHVsr || carc.AIRQp10sr);

    DelistResults non;
    CalcAirDelistLevels(tolueneLike(), false, false, si, c, non);
    EXPECT_TRUE(RelNear(*non.AIRSIsh, 54080285.2926389, kRel));
    EXPECT_FALSE(non.AIRINHPsh || non.AIRINHVsh || non.AIRQp10sh);

    // A small flow rate keeps the waste so long that nothing remains: the fraction underflows.
    DelistResults underflow;
    CalcAirDelistLevels(tolueneLike(), false, false, testContext(testUnit("SI", 100)), c, underflow);
    EXPECT_EQ(underflow.AIRSIsh, 0.0);

    for (auto missing : {&DelistChemical::DIFFW, &DelistChemical::HENRY}) {
        DelistChemical t = tolueneLike();
        t.*missing = 0;
        DelistResults out;
        CalcAirDelistLevels(t, false, false, si, c, out);
        EXPECT_EQ(out.AIRSIsh, 0.0);
        EXPECT_GT(*out.AIRQpsh, 0);
    }

    DelistChemical noDiffusion = tolueneLike();
    noDiffusion.DIFFA = 0;
    DelistResults out;
    CalcAirDelistLevels(noDiffusion, false, false, si, c, out);
    EXPECT_EQ(out.AIRSIsh, 0.0);
}

TEST_F(AirDelistLevels, MissingInhalationToxicityGivesSixZeros)
{
    DelistChemical b = benzeneLike();
    b.CSFI = 0;
    DelistResults carc;
    CalcAirDelistLevels(b, true, true, lf, c, carc);
    for (M m : kCarcColumns)
        EXPECT_EQ(carc.*m, 0.0);
    for (M m : kNonColumns)
        EXPECT_FALSE(carc.*m);

    DelistResults non;
    CalcAirDelistLevels(inorganic(), false, false, si, c, non);
    for (M m : kNonColumns)
        EXPECT_EQ(non.*m, 0.0);
    for (M m : kCarcColumns)
        EXPECT_FALSE(non.*m);
}

TEST_F(AirDelistLevels, LeadReadsTheWindAndDispersionConstantsEvenForAnImpoundment)
{
    const ExposureConstants windy = testConstants({{"U", 5.0}, {"F", 0.2}});
    const DelistingContext lf2 = testContext(testUnit(), windy);
    for (const DelistingContext& ctx : {lf2, testContext(testUnit("SI", 1e6), windy)}) {
        DelistResults out;
        CalcAirDelistLevels(leadChemical(), false, ctx.gWmuTypeDL == QLatin1String("LF"), ctx, windy, out);
        EXPECT_EQ(out.AIRCairsh, 0.0002);
        EXPECT_TRUE(RelNear(*out.AIRQpsh, 0.030425261706113815, kRel));
        EXPECT_EQ(out.AIRQp10sh, out.AIRQpsh);
        EXPECT_TRUE(RelNear(*out.AIRINHPsh, 68152.375, kRel));
        EXPECT_FALSE(out.AIRINHVsh);
        EXPECT_FALSE(out.AIRSIsh);
    }
}

TEST_F(AirDelistLevels, DustEmissionsAreCappedAtTenEach)
{
    const DustEmissions normal = airDustEmissions(lf, c);
    EXPECT_TRUE(RelNear(normal.Ew, 0.030451646074652672, kRel));
    EXPECT_TRUE(RelNear(normal.Er, 1.4334293603897095, kRel));
    EXPECT_TRUE(RelNear(normal.Eu, 0.14326681196689606, kRel));

    WasteUnit huge = testUnit();
    huge.WASTEVOL = 1e9;
    const DustEmissions capped = airDustEmissions(testContext(huge), c);
    EXPECT_EQ(capped.Ew, 10.0f);
    EXPECT_EQ(capped.Er, 10.0f);
    EXPECT_EQ(capped.Eu, 10.0f);
}

}   // namespace
