#include "engine/forward/nongw_dispatch.h"

#include "nongw_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

// The non-groundwater dispatch over the constituents of an analysis, as the constituent loop
// calls it. Tolerance of the values checked: relative 1e-6 (independently computed).

namespace {

using Written = std::set<std::string>;

// Runs both dispatchers on each constituent with one run context and one set of constants, as
// a run does, and returns the names of the result fields each row got.
std::vector<std::pair<ConstituentResults, Written>> runAnalysis(RunContext& ctx,
                                                                const std::vector<ConstituentInputs>& rows)
{
    ExposureConstants c = nongwConstants();
    std::vector<std::pair<ConstituentResults, Written>> results;
    for (const ConstituentInputs& in : rows) {
        ConstituentResults out;
        const Status risk = CalcNonGWRisk(ctx, c, in, out);
        EXPECT_TRUE(risk.ok()) << qPrintable(risk.error().description);
        const Status levels = CalcNonGWLevels(ctx, c, in, out);
        EXPECT_TRUE(levels.ok()) << qPrintable(levels.error().description);
        Written written;
        for (const NumericResultField& f : numericResultFields()) {
            if (!(out.*f.member))
                continue;
            written.insert(f.name);
            EXPECT_TRUE(std::isfinite(*(out.*f.member))) << f.name;
        }
        EXPECT_EQ(out.LMTPTHTO, std::nullopt);
        results.emplace_back(out, written);
    }
    return results;
}

const Written kLandfillFields = {"SWINGh",    "SWINGr",    "SWINGsh",   "SWINGsr",  "FISHINGh",  "FISHINGr",
                                 "FISHINGsh", "FISHINGsr", "AMBCONC",   "ECOCHRNs", "AIRINHVh",  "AIRINHVr",
                                 "AIRINHVsh", "AIRINHVsr", "AIRINHPh",  "AIRINHPr", "AIRINHPsh", "AIRINHPsr",
                                 "SOILINGh",  "SOILINGr",  "SOILINGsh", "SOILINGsr"};

Written without(Written fields, const Written& removed)
{
    for (const std::string& f : removed)
        fields.erase(f);
    return fields;
}

TEST(NonGWDispatch, LandfillAnalysis)
{
    RunContext ctx = landfillRun();
    EXPECT_EQ(ctx.gWmuType, QStringLiteral("LF"));
    EXPECT_EQ(ctx.ACTVLIFE, 10.0);
    const auto rows = runAnalysis(ctx, {benzene(), cadmium(), pcb(), lead(), fishMercury()});

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rows[i].second, kLandfillFields) << i;
    // Lead has no ECOCHRON: no ecological level.
    EXPECT_EQ(rows[3].second, without(kLandfillFields, {"ECOCHRNs"}));
    // Mercury for the fish pathway only: surface water (as 0) and fish, no air or soil.
    EXPECT_EQ(rows[4].second,
              without(kLandfillFields, {"AIRINHVh", "AIRINHVr", "AIRINHVsh", "AIRINHVsr", "AIRINHPh", "AIRINHPr",
                                        "AIRINHPsh", "AIRINHPsr", "SOILINGh", "SOILINGr", "SOILINGsh", "SOILINGsr"}));

    // The back-calculations see the forward steps' traffic term and water-body factors.
    const ConstituentResults& b = rows[0].first;
    EXPECT_TRUE(RelNear(*b.AIRINHPsh, 9763918, 1e-6));
    EXPECT_TRUE(RelNear(*b.SOILINGsh, 222778.816, 1e-6));
    EXPECT_TRUE(RelNear(*b.FISHINGsh, 41299733.5, 1e-6));
    EXPECT_TRUE(RelNear(*b.ECOCHRNs, 3971563.57, 1e-6));
    EXPECT_TRUE(RelNear(*b.ECOCHRNs * ctx.gSwFactor1, 0.1, 1e-6));
    EXPECT_TRUE(RelNear(*rows[3].first.AIRINHPsr, 62417.7398, 1e-6));
}

TEST(NonGWDispatch, ImpoundmentAnalysis)
{
    const Written impoundmentFields = without(kLandfillFields, {"AMBCONC", "ECOCHRNs"});
    for (const char* unitType : {"SI", "lf", ""}) {
        RunContext ctx = nongwRun(unitType, 50000, 20);
        const auto rows = runAnalysis(ctx, {benzene(), cadmium(), pcb(), lead(), fishMercury()});
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(rows[i].second, impoundmentFields) << unitType << i;
        EXPECT_EQ(rows[4].second, Written()) << unitType;
        EXPECT_TRUE(RelNear(*rows[0].first.AIRINHVsh, 228756.113, 1e-6)) << unitType;
        EXPECT_EQ(rows[0].first.SWINGh, 0.0);
    }
}

TEST(NonGWDispatch, NoEcologicalLevelWithoutSoilLoss)
{
    RunContext ctx = landfillRun();
    ExposureConstants c = nongwConstants();
    c.p = 0;
    ConstituentResults out;
    ASSERT_TRUE(CalcNonGWRisk(ctx, c, benzene(), out).ok());
    ASSERT_TRUE(CalcNonGWLevels(ctx, c, benzene(), out).ok());
    EXPECT_EQ(ctx.gSwFactor1, 0.0f);
    EXPECT_EQ(out.ECOCHRNs, std::nullopt);
    EXPECT_EQ(out.SWINGsh, std::nullopt);
    EXPECT_TRUE(out.AIRINHPsh.has_value()) << "the other levels are computed";
}

TEST(NonGWDispatch, AFailingStepEndsTheRow)
{
    RunContext ctx = landfillRun();
    ExposureConstants c = nongwConstants();
    c.U = 0;
    ConstituentResults out;
    Status s = CalcNonGWRisk(ctx, c, benzene(), out);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().description.startsWith(QStringLiteral("Benzene (71-43-2), SOILINGh:")));
    EXPECT_TRUE(out.AMBCONC.has_value());
    EXPECT_EQ(out.AIRINHPh, std::nullopt) << "skipped by the forward air step";

    c = nongwConstants();
    c.F = 0;
    out = {};
    s = CalcNonGWLevels(ctx, c, benzene(), out);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().description.contains(QStringLiteral("AIRINHPsh")));
    EXPECT_TRUE(out.SWINGsh.has_value());
    EXPECT_EQ(out.AIRINHVsh, std::nullopt);
    EXPECT_EQ(out.SOILINGsh, std::nullopt);
}

}   // namespace
