#include "delisting_fixture.h"

#include "../relative_near.h"
#include "core/temp_database.h"

#include <gtest/gtest.h>

#include <cmath>

// Levels are compared with the relative tolerance kRel (1e-5); columns that must be 0 or stay
// untouched (NULL) are compared exactly.

namespace {

class GWDelistLevels : public ::testing::Test {
protected:
    // One DAF row of 20 in every column for `cas`, so the leachate level is the well
    // concentration times single(20 × scale).
    DafCurves curvesWithDaf20(const QString& cas)
    {
        db.insert(QStringLiteral("DAFs"), {{"CAS Num", cas},
                                           {"LFconc", 1},
                                           {"DAFLF_CARC", 20},
                                           {"DAFLF_NON", 20},
                                           {"SIconc", 1},
                                           {"DAFSI_CARC", 20},
                                           {"DAFSI_NON", 20}});
        return curves({cas});
    }
    DafCurves curves(const QStringList& cas)
    {
        Result<DafCurves> c = DafCurves::load(db.conn(), cas);
        EXPECT_TRUE(c.ok());
        return c.ok() ? std::move(*c) : DafCurves();
    }

    TempDatabase db;
    const ExposureConstants c = testConstants();
    const DelistingContext ctx = testContext();
    const ChemicalDaf daf20{float(20 * ctx.gDafScaleDL), float(20 * ctx.gDafScaleDL)};
};

TEST_F(GWDelistLevels, CarcinogenIngestionDermalAndInhalation)
{
    const DelistChemical b = benzeneLike();
    DelistResults out;
    CalcGWDelistLevels(b, true, ctx, c, daf20, curvesWithDaf20(b.CHEMCAS), out);

    EXPECT_TRUE(RelNear(*out.GWINGCgsr, 0.012176813557744026, kRel));
    EXPECT_TRUE(RelNear(*out.GWINGsr, 3.5402536392211914, kRel));
    // Short dermal event; the child's uses its own event time.
    EXPECT_TRUE(RelNear(*out.GWADULTCgsr, 0.09107521176338196, kRel));
    EXPECT_TRUE(RelNear(*out.GWADULTsr, 26.478960037231445, kRel));
    EXPECT_TRUE(RelNear(*out.GWCHILDCgsr, 0.1881396472454071, kRel));
    EXPECT_TRUE(RelNear(*out.GWCHILDsr, 54.6992073059082, kRel));
    EXPECT_EQ(out.GWMaxADULTsr, out.GWADULTCgsr);
    EXPECT_EQ(out.GWMaxCHILDsr, out.GWCHILDCgsr);
    EXPECT_EQ(out.GWINHsr, 0.0);
    EXPECT_EQ(out.GWINHCgsr, 0.0);
    for (auto m : {&DelistResults::GWINGCgsh, &DelistResults::GWINGsh, &DelistResults::GWINHsh,
                   &DelistResults::GWADULTsh, &DelistResults::GWCHILDCgsh, &DelistResults::GWMaxADULTsh})
        EXPECT_FALSE(out.*m);
}

TEST_F(GWDelistLevels, LevelsAndTargetsAreInverses)
{
    const DelistChemical b = benzeneLike();
    const DafCurves curves = curvesWithDaf20(b.CHEMCAS);
    DelistResults out;
    CalcGWDelistLevels(b, true, ctx, c, daf20, curves, out);

    // The well concentration drunk for a lifetime gives the target risk …
    const double risk = *out.GWINGCgsr * b.CSFO * c.IFWADJ * c.EF / (365.0 * c.ATCARC);
    EXPECT_TRUE(RelNear(risk, 1e-5, kRel));
    // … and the leachate level reaches the well at that concentration.
    double daf = 0;
    const float well = InterpWellConc(curves, ctx.gDafScaleDL, daf, b.CHEMCAS, QStringLiteral("LF"),
                                      QStringLiteral("CARC"), false, *out.GWINGsr);
    EXPECT_TRUE(RelNear(well, *out.GWINGCgsr, kRel));
    EXPECT_EQ(daf, 20.0);
}

TEST_F(GWDelistLevels, CarcinogenWithoutSlopeFactorGetsZerosAndNoDermalCall)
{
    DelistChemical b = benzeneLike();
    b.CSFO = 0;
    DelistResults out;
    CalcGWDelistLevels(b, true, ctx, c, daf20, curvesWithDaf20(b.CHEMCAS), out);
    for (auto m :
         {&DelistResults::GWINGCgsr, &DelistResults::GWINGsr, &DelistResults::GWADULTCgsr, &DelistResults::GWADULTsr,
          &DelistResults::GWCHILDCgsr, &DelistResults::GWCHILDsr, &DelistResults::GWINHCgsr, &DelistResults::GWINHsr})
        EXPECT_EQ(out.*m, 0.0);
    EXPECT_FALSE(out.GWMaxADULTsr);
    EXPECT_FALSE(out.GWMaxCHILDsr);
}

TEST_F(GWDelistLevels, NoncarcinogenWellConcentrationUsesFixedExposureNumbers)
{
    const DelistChemical t = tolueneLike();
    const DafCurves curves = curvesWithDaf20(t.CHEMCAS);
    for (const ExposureConstants& constants : {c, testConstants({{"ED", 9}, {"EF", 250}, {"BWADULT", 80}})}) {
        DelistResults out;
        CalcGWDelistLevels(t, false, ctx, constants, daf20, curves, out);
        EXPECT_TRUE(RelNear(*out.GWINGCgsh, 0.02 * 72 * 30 * 365 / 21000, kRel));
        EXPECT_TRUE(RelNear(*out.GWINGsh, 0.7508571147918701 * double(float(20 * ctx.gDafScaleDL)), kRel));
        EXPECT_EQ(out.GWINHsh, 0.0);
        EXPECT_EQ(out.GWINHCgsh, 0.0);
        EXPECT_FALSE(out.GWINGsr);
    }
}

TEST_F(GWDelistLevels, NoncarcinogenWithoutReferenceDoseAndLead)
{
    DelistChemical t = tolueneLike();
    t.ORDO = 0;
    DelistResults out;
    CalcGWDelistLevels(t, false, ctx, c, daf20, curvesWithDaf20(t.CHEMCAS), out);
    EXPECT_EQ(out.GWINGsh, 0.0);
    EXPECT_EQ(out.GWADULTsh, 0.0);
    EXPECT_EQ(out.GWCHILDsh, 0.0);
    for (auto m : {&DelistResults::GWINGCgsh, &DelistResults::GWINHsh, &DelistResults::GWINHCgsh,
                   &DelistResults::GWADULTCgsh, &DelistResults::GWMaxADULTsh, &DelistResults::GWMaxCHILDsh})
        EXPECT_FALSE(out.*m);

    const DelistChemical pb = leadChemical();
    DelistResults leadOut;
    CalcGWDelistLevels(pb, false, ctx, c, daf20, curvesWithDaf20(pb.CHEMCAS), leadOut);
    EXPECT_TRUE(RelNear(*leadOut.GWINGsh, 0.015 * daf20.gH_WVDAF, kRel));
    DelistResults only;
    only.GWINGsh = leadOut.GWINGsh;
    for (const DelistResultColumn& col : delistResultColumns())
        EXPECT_EQ(leadOut.*col.member, only.*col.member) << col.name;

    DelistResults noDaf;
    CalcGWDelistLevels(pb, false, ctx, c, ChemicalDaf{}, curves({pb.CHEMCAS}), noDaf);
    EXPECT_EQ(noDaf.GWINGsh, 0.0);
}

TEST_F(GWDelistLevels, NoDafRowsInEitherTableGiveZeroLevelsBesidePositiveConcentrations)
{
    const DelistChemical b = benzeneLike();
    DelistResults out;
    CalcGWDelistLevels(b, true, ctx, c, ChemicalDaf{}, curves({b.CHEMCAS}), out);
    EXPECT_GT(*out.GWINGCgsr, 0);
    EXPECT_EQ(out.GWINGsr, 0.0);
    EXPECT_GT(*out.GWADULTCgsr, 0);
    EXPECT_EQ(out.GWADULTsr, 0.0);
    EXPECT_EQ(out.GWCHILDsr, 0.0);
}

TEST_F(GWDelistLevels, DermalZeroPermeabilityClearsBothBranches)
{
    for (bool carc : {true, false}) {
        DelistChemical b = benzeneLike();
        b.K = 0;
        DelistResults out;
        CalcGWDermalDelistLevels(b, carc, ctx, c, daf20, out);
        for (auto m : {&DelistResults::GWADULTCgsh, &DelistResults::GWADULTsh, &DelistResults::GWCHILDCgsh,
                       &DelistResults::GWCHILDsh, &DelistResults::GWADULTCgsr, &DelistResults::GWADULTsr,
                       &DelistResults::GWCHILDCgsr, &DelistResults::GWCHILDsr, &DelistResults::GWMaxADULTsh,
                       &DelistResults::GWMaxCHILDsh, &DelistResults::GWMaxADULTsr, &DelistResults::GWMaxCHILDsr})
            EXPECT_EQ(out.*m, 0.0);
    }
}

TEST_F(GWDelistLevels, DermalLongEventsShareTheAdultFactor)
{
    // Carcinogen, long event: the child's concentration uses the factor formed with TADULT.
    DelistChemical longCarc = benzeneLike();
    longCarc.TSTAR = 0.4;
    longCarc.B = 0.3;
    DelistResults carc;
    CalcGWDermalDelistLevels(longCarc, true, ctx, c, daf20, carc);
    EXPECT_TRUE(RelNear(*carc.GWADULTCgsr, 0.062367334961891174, kRel));
    EXPECT_TRUE(RelNear(*carc.GWADULTsr, 18.132509231567383, kRel));
    EXPECT_TRUE(RelNear(*carc.GWCHILDCgsr, 0.16916997730731964, kRel));
    EXPECT_TRUE(RelNear(*carc.GWCHILDsr, 49.18402099609375, kRel));

    // Noncarcinogen, long event: 2τ(1 + 3B + 3B²)/(1 + B)² in the factor.
    DelistResults non;
    CalcGWDermalDelistLevels(tolueneLike(), false, ctx, c, daf20, non);
    EXPECT_TRUE(RelNear(*non.GWADULTCgsh, 4.05555534362793, kRel));
    EXPECT_TRUE(RelNear(*non.GWADULTsh, 1179.10107421875, kRel));
    EXPECT_TRUE(RelNear(*non.GWCHILDCgsh, 2.200120449066162, kRel));
    EXPECT_TRUE(RelNear(*non.GWCHILDsh, 639.6570434570312, kRel));
    EXPECT_EQ(non.GWMaxADULTsh, non.GWADULTCgsh);
    EXPECT_EQ(non.GWMaxCHILDsh, non.GWCHILDCgsh);
    EXPECT_FALSE(non.GWADULTsr);

    // TSTAR equal to TADULT is a long event.
    DelistChemical edge = longCarc;
    edge.TSTAR = double(c.TADULT);
    DelistResults atEdge;
    CalcGWDermalDelistLevels(edge, true, ctx, c, daf20, atEdge);
    EXPECT_EQ(atEdge.GWADULTCgsr, carc.GWADULTCgsr);
}

TEST_F(GWDelistLevels, DermalInorganicUsesTheAdultTimeForBoth)
{
    DelistResults out;
    CalcGWDermalDelistLevels(inorganic(), false, ctx, c, daf20, out);
    EXPECT_TRUE(RelNear(*out.GWADULTCgsh, 1.887930989265442, kRel));
    EXPECT_TRUE(RelNear(*out.GWADULTsh, 548.8919067382812, kRel));
    EXPECT_TRUE(RelNear(*out.GWCHILDCgsh, 1.0241940021514893, kRel));
    EXPECT_TRUE(RelNear(*out.GWCHILDsh, 297.7713928222656, kRel));

    // Only the dose differs between adult and child.
    const double daAdult = 0.0003 * (30.0 * 365 * 70) / (350.0 * 30 * 20000);
    const double daChild = 0.0003 * (6.0 * 365 * 15) / (6.0 * 350 * 7900);
    EXPECT_TRUE(RelNear(*out.GWADULTCgsh / *out.GWCHILDCgsh, daAdult / daChild, kRel));
}

TEST_F(GWDelistLevels, DermalZeroDafOrNonFiniteValuesGiveZeros)
{
    DelistResults noDaf;
    CalcGWDermalDelistLevels(benzeneLike(), true, ctx, c, ChemicalDaf{}, noDaf);
    EXPECT_GT(*noDaf.GWADULTCgsr, 0);
    EXPECT_EQ(noDaf.GWADULTsr, 0.0);
    EXPECT_EQ(noDaf.GWCHILDsr, 0.0);

    // A zero lag time in the short-event formula divides by zero.
    DelistChemical noLag = benzeneLike();
    noLag.TAU = 0;
    DelistResults out;
    CalcGWDermalDelistLevels(noLag, true, ctx, c, daf20, out);
    for (auto m : {&DelistResults::GWADULTCgsr, &DelistResults::GWADULTsr, &DelistResults::GWMaxADULTsr,
                   &DelistResults::GWCHILDCgsr, &DelistResults::GWCHILDsr, &DelistResults::GWMaxCHILDsr})
        EXPECT_EQ(out.*m, 0.0);
}

}   // namespace
