#include "engine/forward/gw_delisting.h"

#include "../relative_near.h"
#include "forward_fixture.h"

// Lookups through the DAF curve are compared with a relative tolerance of 1e-6; the choice of
// limit and label exactly.

namespace {

using R = ConstituentResults;
const QString kCas = QStringLiteral("100-00-1");

class GWDelistingTest : public ::testing::Test {
protected:
    GWDelistingRow delist(const R& r, double mcl = 0, const RunContext& ctx = scaledContext(2))
    {
        ConstituentInputs in = testOrganic(kCas);
        in.MCL = mcl;
        const DafCurves dafs = loadCurves(db, {kCas});
        const std::vector<GWDelistingRow> rows = CalcGWDelistingLevels(ctx, dafs, std::span(&in, 1), std::span(&r, 1));
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? GWDelistingRow{} : rows.front();
    }

    TempDatabase db;
};

TEST_F(GWDelistingTest, NothingPositive)
{
    addDafRow(db, kCas, 1, 10);
    R r;
    r.GWMaxINGsh = 0;
    r.GWMaxINHsr = -3;
    const GWDelistingRow g = delist(r);
    EXPECT_EQ(g.ChemCas, kCas);
    EXPECT_EQ(g.GWMaxAConcen, 0);
    EXPECT_EQ(g.GWDL, 0);
    EXPECT_EQ(g.GWDAF, 0);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral(""));
    EXPECT_FALSE(g.GWLimitingPathway.isNull()) << "stored as empty text, not NULL";
    EXPECT_EQ(g.GWIngetion, 0);
    EXPECT_EQ(g.GWInhalation, 0);
    EXPECT_EQ(g.GWAdultDermalAbsorption, 0);
    EXPECT_EQ(g.GWChildDermalAbsorption, 0);
    EXPECT_EQ(g.DAF_SF, 2.0f);
}

TEST_F(GWDelistingTest, TheRiskSideGovernsBelowTheMcl)
{
    db.insert(QStringLiteral("DAFs"), {{"CAS Num", kCas},
                                       {"LFconc", 1},
                                       {"DAFLF_CARC", 10},
                                       {"DAFLF_NON", 40},
                                       {"SIconc", 1},
                                       {"DAFSI_CARC", 100},
                                       {"DAFSI_NON", 400}});
    R r;
    r.GWMaxINGsr = 0.002;
    r.GWMaxINGsh = 0.01;
    const GWDelistingRow g = delist(r, 0.005);
    EXPECT_EQ(g.GWMaxAConcen, 0.002);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral("GW Ingestion"));
    EXPECT_EQ(g.GWIngetion, 0.002);
    EXPECT_EQ(g.GWDAF, 10) << "carcinogen column";
    EXPECT_TRUE(RelNear(g.GWDL, 20 * 0.002, 1e-6));

    // The unit type "SI" takes the impoundment columns; anything else the landfill's.
    EXPECT_EQ(delist(r, 0.005, scaledContext(2, QStringLiteral("SI"))).GWDAF, 100);
    EXPECT_EQ(delist(r, 0.005, scaledContext(2, QStringLiteral("si"))).GWDAF, 10);
    EXPECT_EQ(delist(r, 0.005, scaledContext(2, QString())).GWDAF, 10);
}

TEST_F(GWDelistingTest, AnMclBelowEveryRouteGovernsOnTheHazardSide)
{
    db.insert(QStringLiteral("DAFs"), {{"CAS Num", kCas},
                                       {"LFconc", 1},
                                       {"DAFLF_CARC", 10},
                                       {"DAFLF_NON", 40},
                                       {"SIconc", 1},
                                       {"DAFSI_CARC", 10},
                                       {"DAFSI_NON", 40}});
    R r;
    r.GWMaxINGsr = 0.02;
    r.GWMaxADULTsh = 0.5;
    r.GWMaxINHsr = 0.03;
    const GWDelistingRow g = delist(r, 0.005);
    EXPECT_EQ(g.GWMaxAConcen, 0.005);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral("MCL"));
    EXPECT_EQ(g.GWDAF, 40) << "noncarcinogen column, even for a carcinogen";
    EXPECT_EQ(g.GWIngetion, 0.02);
    EXPECT_EQ(g.GWAdultDermalAbsorption, 0.5);
    EXPECT_EQ(g.GWInhalation, 0.03);
    EXPECT_EQ(g.GWChildDermalAbsorption, 0);
}

TEST_F(GWDelistingTest, TiesAndLabels)
{
    addDafRow(db, kCas, 1, 10);
    // Equal limits on both sides: the hazard side.
    R r;
    r.GWMaxCHILDsr = 0.25;
    r.GWMaxINHsh = 0.25;
    GWDelistingRow g = delist(r);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral("GW Inhalation"));

    // A route equal to the MCL that limits: the route's label, ingestion tried first.
    r = R{};
    r.GWMaxADULTsh = 0.005;
    r.GWMaxINGsh = 0.005;
    r.GWMaxINGsr = 1;
    g = delist(r, 0.005);
    EXPECT_EQ(g.GWMaxAConcen, 0.005);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral("GW Ingestion"));

    // Child dermal on the risk side only.
    r = R{};
    r.GWMaxCHILDsr = 0.125;
    g = delist(r);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral("GW Dermal-Child"));
    EXPECT_EQ(g.GWChildDermalAbsorption, 0.125);
}

TEST_F(GWDelistingTest, WithoutDafRowsTheLevelIsZero)
{
    R r;
    r.GWMaxINGsh = 0.3;
    const GWDelistingRow g = delist(r);
    EXPECT_EQ(g.GWMaxAConcen, 0.3);
    EXPECT_EQ(g.GWLimitingPathway, QStringLiteral("GW Ingestion"));
    EXPECT_EQ(g.GWDL, 0);
    EXPECT_EQ(g.GWDAF, 0);
}

}   // namespace
