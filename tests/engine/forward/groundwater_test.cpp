#include "engine/forward/groundwater_dermal.h"
#include "engine/forward/groundwater_dispatch.h"
#include "engine/forward/groundwater_ingestion.h"
#include "engine/forward/groundwater_inhalation.h"
#include "engine/forward/indoor_air.h"

#include "../relative_near.h"
#include "forward_fixture.h"

// Hand-computed values and inverse checks are compared with a relative tolerance of 1e-5
// (single-precision steps stand between them); zeros and fixed values exactly.

namespace {

using R = ConstituentResults;
using Field = std::optional<double> R::*;

const QString kCas = QStringLiteral("100-00-1");

class GroundwaterTest : public ::testing::Test {
protected:
    void SetUp() override { k = loadTestConstants(db); }

    // A curve whose well concentrations c / D rise with c: 0.01, 0.05, 0.08, 0.15.
    void addCurve(const QString& cas = kCas)
    {
        addDafRow(db, cas, 0.1, 10);
        addDafRow(db, cas, 1, 20);
        addDafRow(db, cas, 4, 50);
        addDafRow(db, cas, 30, 200);
    }

    R pathways(const ConstituentInputs& in, RunContext& ctx)
    {
        const DafCurves dafs = loadCurves(db, {in.CHEMCAS});
        R out;
        CalcGWPathways(ctx, k, dafs, IndoorAirRuns(), ctx.gWmuType, in, out);
        return out;
    }

    // The forward results of `in` at a TCLP concentration equal to the back-calculated `level`.
    R atLevel(ConstituentInputs in, const R& levels, Field level, RunContext& ctx)
    {
        in.TCLPCONC = *(levels.*level);
        return pathways(in, ctx);
    }

    TempDatabase db;
    ExposureConstants k;
};

TEST_F(GroundwaterTest, IngestionByHand)
{
    addDafRow(db, kCas, 1, 10);
    ConstituentInputs in = testInorganic(kCas);
    in.ORDO = 0.1;
    in.CSFO = 0.5;
    RunContext ctx = scaledContext(2);
    const DafCurves dafs = loadCurves(db, {kCas});
    R out;
    CalcGWIngLevels(ctx, k, dafs, in, out);
    // 0.1 × 70 × 1 × 30 × 365 / (350 × 2 × 30) and 1e-5 × 365 × 70 / (0.5 × 350 × 1).
    EXPECT_EQ(*out.GWMaxINGsh, double(3.65f));
    EXPECT_TRUE(RelNear(*out.GWMaxINGsr, 0.00146, 1e-5));
    EXPECT_EQ(*out.GWMaxINGsr, double(float(*out.GWMaxINGsr))) << "kept in single precision";
    EXPECT_EQ(*out.GWINGsh, double(20 * 3.65f)) << "effective DAF 10 × 2";
    EXPECT_TRUE(RelNear(*out.GWINGsr, 20 * 0.00146, 1e-5));

    // At a TCLP concentration of 73 the well holds 3.65 mg/L: hazard quotient 1.
    in.TCLPCONC = 73;
    CalcGWIngRisk(ctx, k, dafs, in, out);
    EXPECT_TRUE(RelNear(*out.GWINGh, 1, 1e-6));
    EXPECT_TRUE(RelNear(*out.GWINGr, 0.5 * 350 * 3.65 * 1 / (70 * 365), 1e-6));
}

TEST_F(GroundwaterTest, IngestionWithoutToxicityValuesIsZero)
{
    addDafRow(db, kCas, 1, 10);
    ConstituentInputs in = testInorganic(kCas);
    in.ORDO = 0;
    in.CSFO = 0;
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    for (const Field f : {&R::GWMaxINGsh, &R::GWINGsh, &R::GWMaxINGsr, &R::GWINGsr, &R::GWINGh, &R::GWINGr})
        EXPECT_EQ(out.*f, 0.0);
}

TEST_F(GroundwaterTest, LeadHasAFixedRiskBasedWellConcentration)
{
    const QString lead = QStringLiteral("7439-92-1");
    addDafRow(db, lead, 1, 10);
    ConstituentInputs in = testInorganic(lead);
    RunContext ctx = testContext();
    for (const double csfo : {0.0, 8.5}) {
        in.CSFO = csfo;
        const R out = pathways(in, ctx);
        EXPECT_EQ(out.GWMaxINGsr, 0.015);
        EXPECT_EQ(*out.GWINGsr, double(float(10 * double(0.015f))));
        if (csfo == 0)
            EXPECT_EQ(out.GWINGr, 0.0);
        else
            EXPECT_GT(*out.GWINGr, 0) << "the forward risk has no lead rule";
    }
}

TEST_F(GroundwaterTest, ClassesChooseTheDafColumns)
{
    // Carcinogen column 10, noncarcinogen column 40.
    db.insert(QStringLiteral("DAFs"), {{"CAS Num", kCas},
                                       {"LFconc", 1},
                                       {"DAFLF_CARC", 10},
                                       {"DAFLF_NON", 40},
                                       {"SIconc", 1},
                                       {"DAFSI_CARC", 10},
                                       {"DAFSI_NON", 40}});
    ConstituentInputs in = testOrganic(kCas);
    in.TCLPCONC = 4;
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    // Both back-calculations use the constituent's own (carcinogen) column.
    EXPECT_EQ(*out.GWINGsh, double(float(10 * float(*out.GWMaxINGsh))));
    EXPECT_EQ(*out.GWINGsr, double(float(10 * float(*out.GWMaxINGsr))));
    // The forward hazard quotient reads the noncarcinogen column, the risk the carcinogen one.
    EXPECT_TRUE(RelNear(*out.GWINGh, 2 * 0.1 * 350 * 30 / (in.ORDO * 70 * 30 * 365), 1e-6));
    EXPECT_TRUE(RelNear(*out.GWINGr, in.CSFO * 350 * 0.4 / (70 * 365), 1e-6));
}

TEST_F(GroundwaterTest, AChemicalWithoutDafRowsKeepsItsWellLevels)
{
    ConstituentInputs in = testOrganic(kCas);
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    for (const Field f :
         {&R::GWMaxINGsh, &R::GWMaxINGsr, &R::GWMaxADULTsh, &R::GWMaxADULTsr, &R::GWMaxCHILDsh, &R::GWMaxCHILDsr})
        EXPECT_GT(*(out.*f), 0);
    for (const Field f : {&R::GWINGsh, &R::GWINGsr, &R::GWADULTsh, &R::GWADULTsr, &R::GWCHILDsh, &R::GWCHILDsr,
                          &R::GWINGh, &R::GWINGr, &R::GWADULTh, &R::GWADULTr, &R::GWCHILDh, &R::GWCHILDr})
        EXPECT_EQ(out.*f, 0.0);
    // No well concentration: the inhalation ratios and levels are 0 rather than a division by 0.
    for (const Field f : {&R::GWINHh, &R::GWINHr, &R::SHWRRATEh, &R::SHWRRATEr, &R::BATHRATEh, &R::BATHRATEr,
                          &R::HSERATEh, &R::HSERATEr, &R::GWMaxINHsh, &R::GWMaxINHsr, &R::GWINHsh, &R::GWINHsr})
        EXPECT_EQ(out.*f, 0.0);
}

TEST_F(GroundwaterTest, DermalEventFactor)
{
    ConstituentInputs in = testInorganic();
    in.K = 0.001;
    in.TSTAR = 100;
    in.TAU = 5;
    EXPECT_EQ(dermalEventFactor(in, 0.5f), 0.001 * 0.5) << "inorganic: K × t, whatever TSTAR and TAU";

    in.ORGANIC = 1;
    in.K = 0.01;
    in.TAU = 0.5;
    in.B = 0.2;
    in.TSTAR = 1;
    EXPECT_TRUE(RelNear(dermalEventFactor(in, 1), 0.01 * (1 / 1.2 + 2 * 0.5 * 1.72 / 1.44), 1e-12))
        << "TSTAR equal to the event time: long event";
    in.TSTAR = 1.0001;
    EXPECT_TRUE(RelNear(dermalEventFactor(in, 1), 2 * 0.01 * std::sqrt(6 * 0.5 / 3.142), 1e-12)) << "short event";
    in.ORGANIC = -1;
    EXPECT_TRUE(RelNear(dermalEventFactor(in, 1), 2 * 0.01 * std::sqrt(6 * 0.5 / 3.142), 1e-12)) << "any non-zero";
}

TEST_F(GroundwaterTest, DermalLevelsByHand)
{
    addDafRow(db, kCas, 1, 10);
    ConstituentInputs in = testInorganic(kCas);
    in.ORDO = 0.1;
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    // Adult: 30 × 365 × 70 × 0.1 / (30 × 350 × 20000) = 3.65e-4 per event, × 1000 / (0.001 × 0.5).
    EXPECT_TRUE(RelNear(*out.GWMaxADULTsh, 730, 1e-6));
    // Child: 6 × 365 × 15 × 0.1 / (6 × 350 × 7900) per event, × 1000 / (0.001 × 1).
    EXPECT_TRUE(RelNear(*out.GWMaxCHILDsh, 32850 * 0.1 / (6 * 350 * 7900.0) * 1e6, 1e-6));
    EXPECT_EQ(*out.GWADULTsh, double(float(10 * float(*out.GWMaxADULTsh))));
    // A noncarcinogen without CSFO: the risk side is 0 in both directions.
    for (const Field f : {&R::GWMaxADULTsr, &R::GWMaxCHILDsr, &R::GWADULTsr, &R::GWCHILDsr, &R::GWADULTr, &R::GWCHILDr})
        EXPECT_EQ(out.*f, 0.0);
}

TEST_F(GroundwaterTest, DermalWithoutPermeabilityIsZero)
{
    addDafRow(db, kCas, 1, 10);
    ConstituentInputs in = testOrganic(kCas);
    in.K = 0;
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    for (const Field f :
         {&R::GWMaxADULTsh, &R::GWMaxCHILDsh, &R::GWMaxADULTsr, &R::GWMaxCHILDsr, &R::GWADULTsh, &R::GWCHILDsh,
          &R::GWADULTsr, &R::GWCHILDsr, &R::GWADULTh, &R::GWCHILDh, &R::GWADULTr, &R::GWCHILDr})
        EXPECT_EQ(out.*f, 0.0);
}

TEST_F(GroundwaterTest, ACarcinogenWithoutReferenceDoseHasNoHazardSide)
{
    addDafRow(db, kCas, 1, 10);
    ConstituentInputs in = testOrganic(kCas);
    in.ORDO = 0;
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    for (const Field f : {&R::GWMaxADULTsh, &R::GWMaxCHILDsh, &R::GWADULTsh, &R::GWCHILDsh, &R::GWADULTh, &R::GWCHILDh})
        EXPECT_EQ(out.*f, 0.0);
    // The forward risk leaves the carcinogen's allowable leachate levels in place.
    EXPECT_GT(*out.GWADULTsr, 0);
    EXPECT_GT(*out.GWCHILDsr, 0);
    EXPECT_GT(*out.GWADULTr, 0);
}

// Each allowable leachate concentration, taken as the TCLP concentration, gives the target in
// the forward formula: through the DAF curve, then the pathway.
TEST_F(GroundwaterTest, BackCalculationsInvertTheForwardFormulas)
{
    addCurve();
    for (const bool organic : {true, false}) {
        ConstituentInputs in = organic ? testOrganic(kCas) : testInorganic(kCas);
        in.CSFO = 0.055;
        in.CSFI = 0.0273;
        in.HENRY = 0.00555;
        in.DIFFW = 0.0000098;
        in.DIFFA = 0.088;
        RunContext ctx = testContext(10000);
        const R levels = pathways(in, ctx);
        const struct {
            Field level;
            Field forward;
            double target;
        } pairs[] = {
            {&R::GWINGsh, &R::GWINGh, 1},        {&R::GWINGsr, &R::GWINGr, 1e-5},  {&R::GWADULTsh, &R::GWADULTh, 1},
            {&R::GWADULTsr, &R::GWADULTr, 1e-5}, {&R::GWCHILDsh, &R::GWCHILDh, 1}, {&R::GWCHILDsr, &R::GWCHILDr, 1e-5},
            {&R::GWINHsh, &R::GWINHh, 1},        {&R::GWINHsr, &R::GWINHr, 1e-5},
        };
        for (const auto& p : pairs) {
            ASSERT_GT(*(levels.*p.level), 0);
            const R forward = atLevel(in, levels, p.level, ctx);
            EXPECT_TRUE(RelNear(*(forward.*p.forward), p.target, 1e-5))
                << (organic ? "organic " : "inorganic ") << (&p - pairs);
        }
    }
}

TEST_F(GroundwaterTest, InhalationUsesTheModelAtBothWellConcentrations)
{
    db.insert(QStringLiteral("DAFs"), {{"CAS Num", kCas},
                                       {"LFconc", 1},
                                       {"DAFLF_CARC", 10},
                                       {"DAFLF_NON", 40},
                                       {"SIconc", 1},
                                       {"DAFSI_CARC", 10},
                                       {"DAFSI_NON", 40}});
    const ConstituentInputs in = testOrganic(kCas);
    RunContext ctx = testContext();
    const R out = pathways(in, ctx);
    const float Cc = float(in.TCLPCONC / 10);
    const float Cn = float(in.TCLPCONC / 40);
    auto model = [&](int compartment, float Cw) {
        return float(1000 * *RunIndoorAirModel(compartment, in.HENRY, in.DIFFW, in.DIFFA, Cw));
    };
    EXPECT_EQ(ctx.gShowerAirCarc, model(0, Cc));
    EXPECT_EQ(ctx.gBathAirCarc, model(1, Cc));
    EXPECT_EQ(ctx.gHouseAirCarc, model(2, Cc));
    EXPECT_EQ(ctx.gShowerAirNon, model(0, Cn));
    EXPECT_EQ(ctx.gBathAirNon, model(1, Cn));
    EXPECT_EQ(ctx.gHouseAirNon, model(2, Cn));
    EXPECT_EQ(*out.SHWRRATEh, double(ctx.gShowerAirNon) / Cn);
    EXPECT_EQ(*out.HSERATEr, double(ctx.gHouseAirCarc) / Cc);

    // The hazard quotient sums the three compartments, each with its own exposure time; the
    // ratios do not depend on the exposure times.
    const double den = in.ORDI * 70 * 30 * 365 * (20.0 / 70);
    const float hq = float(double(float(20.0 * ctx.gBathAirNon * 350 * 30 * 0.5 / den))
                           + float(20.0 * ctx.gShowerAirNon * 350 * 30 * double(0.2f) / den)
                           + float(20.0 * ctx.gHouseAirNon * 350 * 30 * 16 / den));
    EXPECT_EQ(*out.GWINHh, hq);

    // The risk-side allowable well concentration: single quotients, their weighted sum rounded
    // to single once.
    const float Qr = float(double(k.ATCARC) * ctx.RISKFACT * 365 / (in.CSFI * k.EF * k.EV * k.gInhFactorAdj));
    const float Tr = float(double(k.ETbathroom) * float(double(ctx.gBathAirCarc) / Cc)
                           + double(k.ETshower) * float(double(ctx.gShowerAirCarc) / Cc)
                           + double(k.ETHouse) * float(double(ctx.gHouseAirCarc) / Cc));
    EXPECT_EQ(*out.GWMaxINHsr, double(Qr) / Tr);

    QVariantMap longer = testConstantsRow();
    longer.insert(QStringLiteral("ETHouse"), 24.0);
    db.conn().exec(QStringLiteral("DELETE FROM CONSTNTS")).value();
    k = loadTestConstants(db, longer);
    const R more = pathways(in, ctx);
    EXPECT_GT(*more.GWINHh, *out.GWINHh);
    EXPECT_EQ(more.SHWRRATEh, out.SHWRRATEh);
    EXPECT_EQ(more.HSERATEr, out.HSERATEr);
}

TEST_F(GroundwaterTest, InhalationBranches)
{
    addCurve();
    RunContext ctx = testContext();
    ConstituentInputs in = testOrganic(kCas);

    // A noncarcinogen: no risk side.
    in.CSFI = 0;
    R out = pathways(in, ctx);
    for (const Field f : {&R::GWINHr, &R::SHWRRATEr, &R::BATHRATEr, &R::HSERATEr, &R::GWINHsr, &R::GWMaxINHsr})
        EXPECT_EQ(out.*f, 0.0);
    EXPECT_GT(*out.GWINHh, 0);
    EXPECT_GT(*out.GWMaxINHsh, 0);

    // Doubling the target hazard quotient doubles the allowable well concentration.
    RunContext twice = testContext();
    twice.HQFACT = 2;
    EXPECT_TRUE(RelNear(*pathways(in, twice).GWMaxINHsh, 2 * *out.GWMaxINHsh, 1e-6));

    // A zero HENRY, DIFFW or DIFFA: every inhalation field and the six air concentrations 0.
    for (double ConstituentInputs::*prop :
         {&ConstituentInputs::HENRY, &ConstituentInputs::DIFFW, &ConstituentInputs::DIFFA}) {
        ConstituentInputs flat = testOrganic(kCas);
        flat.*prop = 0;
        pathways(testOrganic(kCas), ctx);
        ASSERT_GT(ctx.gShowerAirCarc, 0);
        out = pathways(flat, ctx);
        for (const Field f : {&R::GWINHh, &R::GWINHr, &R::SHWRRATEh, &R::SHWRRATEr, &R::BATHRATEh, &R::BATHRATEr,
                              &R::HSERATEh, &R::HSERATEr, &R::GWMaxINHsh, &R::GWMaxINHsr, &R::GWINHsh, &R::GWINHsr})
            EXPECT_EQ(out.*f, 0.0);
        for (const float v : {ctx.gShowerAirCarc, ctx.gBathAirCarc, ctx.gHouseAirCarc, ctx.gShowerAirNon,
                              ctx.gBathAirNon, ctx.gHouseAirNon})
            EXPECT_EQ(v, 0.0f);
    }
}

TEST_F(GroundwaterTest, DispatchSetsUnitTypeAndScaleExceptForFishMercury)
{
    addCurve();
    RunContext ctx = testContext(10000, QString());
    ctx.gDafScale = 0;
    pathways(testOrganic(kCas), ctx);
    EXPECT_EQ(ctx.gDafScale, dafScaleFactor(10000, QStringLiteral("LF")));
    ctx.gWmuType = QStringLiteral("SI");
    pathways(testOrganic(kCas), ctx);
    EXPECT_TRUE(RelNear(ctx.gDafScale, 1.6233703, 1e-6));

    const QString fish = QStringLiteral("22967-92-6");
    const DafCurves dafs = loadCurves(db, {fish});
    RunContext before = scaledContext(7, QStringLiteral("XX"));
    RunContext after = before;
    R out;
    CalcGWPathways(after, k, dafs, IndoorAirRuns(), QStringLiteral("LF"), testInorganic(fish), out);
    EXPECT_EQ(after.gWmuType, before.gWmuType);
    EXPECT_EQ(after.gDafScale, before.gDafScale);
    int written = 0;
    for (const NumericResultField& f : numericResultFields()) {
        if (out.*f.member) {
            ++written;
            EXPECT_EQ(out.*f.member, 0.0) << f.name;
        }
    }
    EXPECT_EQ(written, 30) << "every groundwater field, ratios included";
}

}   // namespace
