#include "engine/forward/indoor_air.h"

#include "../relative_near.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

// The averages given to three significant digits are compared with a relative tolerance of
// 5e-3; proportionality with 1e-6 (single-precision rounding of the water concentration).

namespace {

// The model step by step as it is defined, with no shortcut: the averages of the shower, the
// bathroom and the house, which the kernel must give to the bit.
std::array<double, 3> literalModel(double HENRY, double DIFFW, double DIFFA, double Cw)
{
    const double Hd = HENRY / 0.0244658;
    const double Kshower = 216 / (2.5 / std::pow(DIFFW, 2.0 / 3) + 1 / (Hd * std::pow(DIFFA, 2.0 / 3)));
    const float Xshower = float(Kshower * double(float(6 / 0.098)) * double(float(180.0 / 400)));
    const double Ksurface = 2760000
                            / (2.5 / std::pow(DIFFW * 0.0001, 2.0 / 3) + 70 / (Hd * std::pow(DIFFA * 0.0001, 2.0 / 3)));
    const float Csat = float(Hd * Cw);
    const double dt = 0.2;
    float t = float(0.2);
    double Cs = 0, Cb = 0, Ch = 0, SS = 0, SB = 0, SH = 0;
    float WS = float(Cw), WB = 0, WH = 0;
    if (Cw != 0) {
        while (t <= 960.0f) {
            if (11.41f < t && t <= 60.1f) {
                WS = 0;
                WB = float(Cw);
            } else if (t > 60.1f) {
                WB = 0;
                WH = float(Cw);
            }
            double r = Cs / (Hd * Cw);
            if (r > 1)
                r = 1;
            float kB = float(0.5 * Ksurface * (1 - Cb / (Hd * Cw)));
            if (kB < 0)
                kB = 0;
            float kH = float(0.66 * Ksurface * (1 - Ch / (Hd * Cw)));
            if (kH < 0)
                kH = 0;
            float RS = float(dt * WS * 5.5 * (1 - std::exp(-double(Xshower))) * (1 - r));
            if (Csat > 0 && RS > 2300 * double(Csat))
                RS = float(2300 * double(Csat));
            float RB = float(2.08 * kB * WB);
            if (Csat > 0 && dt * RB > 13600 * double(Csat))
                RB = float(13600 * double(Csat) / dt);
            float RH = float(0.21 * kH * WH);
            if (Csat > 0 && dt * RH > 310000 * double(Csat))
                RH = float(310000 * double(Csat) / dt);
            const double nextCs = Cs + (RS + dt * 100 * (Cb - Cs)) / 2300;
            const double nextCb = Cb + (dt / 13600) * (100 * (Cs - Cb) - 300 * (Cb - Ch) + RB);
            const double nextCh = Ch + (dt / 310000) * (300 * (Cb - Ch) - 2325 * Ch + RH);
            if (t <= 11.4f)
                SS += nextCs;
            if (11.4f <= t && t <= 60.0f)
                SB += nextCb;
            if (t > 60.0f)
                SH += nextCh;
            t = float(double(t) + 0.2);
            Cs = nextCs;
            Cb = nextCb;
            Ch = nextCh;
        }
    }
    return {SS / 57, SB / 243, SH / 4500};
}

bool sameBits(double a, double b)
{
    return std::isnan(a) ? std::isnan(b) : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

TEST(IndoorAir, AveragesOfTheThreeCompartments)
{
    const IndoorAirRun run = runIndoorAir(0.01, 0.00001, 0.08, 1);
    EXPECT_TRUE(RelNear(1000 * run.shower, 7.84, 5e-3));
    EXPECT_TRUE(RelNear(1000 * run.bathroom, 2.42, 5e-3));
    EXPECT_TRUE(RelNear(1000 * run.house, 0.087, 5e-3));
    EXPECT_EQ(RunIndoorAirModel(0, 0.01, 0.00001, 0.08, 1), run.shower);
    EXPECT_EQ(RunIndoorAirModel(1, 0.01, 0.00001, 0.08, 1), run.bathroom);
    EXPECT_EQ(RunIndoorAirModel(2, 0.01, 0.00001, 0.08, 1), run.house);
    EXPECT_EQ(RunIndoorAirModel(3, 0.01, 0.00001, 0.08, 1), std::nullopt);
    EXPECT_EQ(RunIndoorAirModel(-1, 0.01, 0.00001, 0.08, 1), std::nullopt);
}

TEST(IndoorAir, SingleTimeGivesTheStatedStepCounts)
{
    const IndoorAirRun run = runIndoorAir(0.01, 0.00001, 0.08, 1);
    EXPECT_EQ(run.steps, 4799);
    EXPECT_EQ(run.showerWindow, 57);
    EXPECT_EQ(run.bathroomWindow, 242) << "the step at t = 60.00016 belongs to the house";
    EXPECT_EQ(run.houseWindow, 4500);
    EXPECT_EQ(run.showerUse, 57);
    EXPECT_EQ(run.bathroomUse, 243);
    EXPECT_EQ(run.houseUse, 4499);
}

TEST(IndoorAir, NoWaterConcentrationRunsNoStep)
{
    const IndoorAirRun run = runIndoorAir(0.01, 0.00001, 0.08, 0);
    EXPECT_EQ(run.steps, 0);
    EXPECT_EQ(run.shower, 0);
    EXPECT_EQ(run.bathroom, 0);
    EXPECT_EQ(run.house, 0);
}

TEST(IndoorAir, AveragesAreProportionalToTheWaterConcentration)
{
    for (const double henry : {0.0001, 0.01, 5.0}) {
        const IndoorAirRun one = runIndoorAir(henry, 0.00001, 0.08, 0.37);
        const IndoorAirRun two = runIndoorAir(henry, 0.00001, 0.08, 0.74);
        EXPECT_TRUE(RelNear(two.shower, 2 * one.shower, 1e-6)) << henry;
        EXPECT_TRUE(RelNear(two.bathroom, 2 * one.bathroom, 1e-6)) << henry;
        EXPECT_TRUE(RelNear(two.house, 2 * one.house, 1e-6)) << henry;
    }
}

TEST(IndoorAir, TheReleaseCapsHoldTheAirAtEquilibrium)
{
    // Hd × Cw is the air concentration in equilibrium with the water. With a small Henry's law
    // constant the release of one step would exceed what the compartment holds at equilibrium:
    // the caps stop it there, so the shower air reaches equilibrium and no compartment passes it.
    const double Cw = 2;
    for (const double henry : {1e-9, 1e-7}) {
        const double Csat = henry / 0.0244658 * Cw;
        const IndoorAirRun run = runIndoorAir(henry, 0.00001, 0.08, Cw);
        EXPECT_GT(run.shower, 0.95 * Csat) << henry;
        EXPECT_LE(run.shower, Csat) << henry;
        EXPECT_LE(run.bathroom * 243 / 242, Csat) << henry;
        EXPECT_LE(run.house, Csat) << henry;
    }
    // Without the caps binding, the shower stays far from equilibrium.
    const IndoorAirRun open = runIndoorAir(0.01, 0.00001, 0.08, Cw);
    EXPECT_LT(open.shower, 0.05 * 0.01 / 0.0244658 * Cw);
}

TEST(IndoorAir, BatchedRunsEqualSingleRuns)
{
    std::vector<IndoorAirInput> inputs;
    for (int i = 0; i < 19; ++i)
        inputs.push_back(
            {0.0001 * (1 + i % 4) * (i % 2 ? 100 : 1), 0.00001 * (1 + i % 3), 0.08, i % 7 == 3 ? 0 : 0.1 * i});
    std::vector<IndoorAirRun> batch(inputs.size());
    runIndoorAirBatch(inputs, batch);
    for (size_t i = 0; i < inputs.size(); ++i) {
        const IndoorAirRun one = runIndoorAir(inputs[i].henry, inputs[i].diffW, inputs[i].diffA, inputs[i].waterConc);
        EXPECT_EQ(batch[i].shower, one.shower) << i;
        EXPECT_EQ(batch[i].bathroom, one.bathroom) << i;
        EXPECT_EQ(batch[i].house, one.house) << i;
        EXPECT_EQ(batch[i].steps, one.steps) << i;
    }

    IndoorAirRuns runs;
    runs.computeAhead(inputs);
    EXPECT_EQ(runs.lastComputed(), inputs.size());
    runs.computeAhead(inputs);
    EXPECT_EQ(runs.lastComputed(), 0u) << "every run kept";
    EXPECT_EQ(runs.computedAhead(), inputs.size());
    EXPECT_EQ(runs.run(inputs[5]).house, batch[5].house);
    runs.computeAhead(std::span(inputs).subspan(4, 3));
    EXPECT_EQ(runs.lastComputed(), 0u);
    EXPECT_EQ(runs.computedAhead(), 3u) << "the runs of other inputs dropped";
    EXPECT_EQ(runs.run(inputs[5]).house, batch[5].house);
    const IndoorAirInput other{0.01, 0.00001, 0.08, 1};
    EXPECT_EQ(runs.run(other).shower, runIndoorAir(0.01, 0.00001, 0.08, 1).shower) << "computed when asked";
}

TEST(IndoorAir, BatchesGiveTheBitsOfTheModelAsDefined)
{
    // Chemicals from barely to very volatile, water from traces to extremes, some negative.
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-12, 3);
    std::uniform_real_distribution<double> chance(0, 1);
    std::vector<IndoorAirInput> inputs;
    for (int i = 0; i < 400; ++i) {
        IndoorAirInput in{std::pow(10.0, exponent(random)), std::pow(10.0, exponent(random) - 3),
                          std::pow(10.0, exponent(random)), std::pow(10.0, exponent(random))};
        if (chance(random) < 0.05)
            in.henry = -in.henry;
        if (chance(random) < 0.03)
            in.waterConc = -in.waterConc;
        if (chance(random) < 0.03)
            in.henry = std::pow(10.0, 300 * chance(random));
        if (chance(random) < 0.03)
            in.waterConc = std::pow(10.0, -300 * chance(random));
        inputs.push_back(in);
    }
    std::vector<IndoorAirRun> runs(inputs.size());
    runIndoorAirBatch(inputs, runs);
    for (size_t i = 0; i < inputs.size(); ++i) {
        const IndoorAirInput& in = inputs[i];
        const std::array<double, 3> expected = literalModel(in.henry, in.diffW, in.diffA, in.waterConc);
        EXPECT_TRUE(sameBits(runs[i].shower, expected[0])) << i;
        EXPECT_TRUE(sameBits(runs[i].bathroom, expected[1])) << i;
        EXPECT_TRUE(sameBits(runs[i].house, expected[2])) << i;
    }
}

}   // namespace
