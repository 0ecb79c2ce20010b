#include "engine/forward/indoor_air.h"

#include "../relative_near.h"

#include <gtest/gtest.h>

// The averages given to three significant digits are compared with a relative tolerance of
// 5e-3; proportionality with 1e-6 (single-precision rounding of the water concentration).

namespace {

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
        inputs.push_back({0.0001 * (1 + i % 4) * (i % 2 ? 100 : 1), 0.00001 * (1 + i % 3), 0.08, i % 7 == 3 ? 0 : 0.1 * i});
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

} // namespace
