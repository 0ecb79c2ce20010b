#include "engine/forward/limiting_pathway.h"

#include <gtest/gtest.h>

namespace {

using R = ConstituentResults;

R row(std::initializer_list<std::pair<std::optional<double> R::*, std::optional<double>>> values)
{
    R r;
    for (const auto& [field, value] : values)
        r.*field = value;
    return r;
}

void find(R& r)
{
    FindLimitingPathway(std::span<R>(&r, 1));
}

TEST(LimitingPathway, TheSmallestPositiveValueGoverns)
{
    R r = row({{&R::SOILINGsh, 5}, {&R::FISHINGsr, 3}, {&R::SWINGsh, 0}, {&R::AIRINHVsr, -1}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Fish Ingestion"));
    EXPECT_EQ(r.LMTTOTAL, 3.0);

    // A negative value never governs, even as the smallest number; nor does an empty one.
    r = row({{&R::AIRINHPsh, -7}, {&R::SOILINGsh, 4}, {&R::AIRINHVsh, std::nullopt}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Soil Ingestion"));
    EXPECT_EQ(r.LMTTOTAL, 4.0);

    // Only hazard-based values: the smallest of them.
    r = row({{&R::AIRINHPsh, 9}, {&R::SWINGsh, 2.5}, {&R::AIRINHVsh, 3}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Surface Water Ingestion"));
    EXPECT_EQ(r.LMTTOTAL, 2.5);
}

TEST(LimitingPathway, TiesGoToTheRiskSideAndToTheEarlierPathway)
{
    R r = row({{&R::AIRINHPsh, 2}, {&R::AIRINHVsr, 2}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Air Volatile Inhalation"));
    EXPECT_EQ(r.LMTTOTAL, 2.0);

    r = row({{&R::SOILINGsr, 1.5}, {&R::FISHINGsr, 1.5}, {&R::AIRINHPsr, 1.5}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Fish Ingestion"));

    r = row({{&R::SOILINGsh, 1}, {&R::AIRINHPsh, 1}, {&R::AIRINHPsr, 1.0000001}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Air Particulate Inhalation"));
    EXPECT_EQ(r.LMTTOTAL, 1.0);
}

TEST(LimitingPathway, NoPositiveValueIsNotApplicableAndKeepsTheTotal)
{
    R r = row({{&R::SWINGsh, 0}, {&R::FISHINGsr, -2}, {&R::LMTTOTAL, 42}});
    find(r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Not Applicable"));
    EXPECT_EQ(r.LMTTOTAL, 42.0);

    R empty;
    find(empty);
    EXPECT_EQ(empty.LMTPTHTO, QStringLiteral("Not Applicable"));
    EXPECT_EQ(empty.LMTTOTAL, std::nullopt);
}

TEST(LimitingPathway, SetLimitingPathwayKnowsOnlyTheTenFields)
{
    R r = row({{&R::AIRINHPsr, 6}, {&R::GWINGsh, 1}});
    SetLimitingPathway(QStringLiteral("AIRINHPsr"), r);
    EXPECT_EQ(r.LMTPTHTO, QStringLiteral("Air Particulate Inhalation"));
    EXPECT_EQ(r.LMTTOTAL, 6.0);
    R other;
    SetLimitingPathway(QStringLiteral("GWINGsh"), other);
    SetLimitingPathway(QStringLiteral("airinhpsr"), other);
    EXPECT_EQ(other.LMTPTHTO, std::nullopt);
    EXPECT_EQ(other.LMTTOTAL, std::nullopt);
}

}   // namespace
