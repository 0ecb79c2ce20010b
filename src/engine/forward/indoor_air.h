#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

// The indoor-air model: how much of a chemical dissolved in tap water passes into the air of
// three connected compartments (shower, bathroom, rest of the house) while the water is used.
// A time-step mass balance with two-film transfer coefficients from the chemical's Henry's law
// constant and its diffusion coefficients in water and in air. Reads nothing but its arguments.

// The inputs of one run. `henry`, `diffW` and `diffA` must not be 0.
struct IndoorAirInput {
    double henry = 0;
    double diffW = 0;
    double diffA = 0;
    double waterConc = 0;

    bool operator==(const IndoorAirInput&) const = default;
};

// One run of the model: the average air concentration of each compartment over its averaging
// window, in the unit of the water concentration, and how the steps fell.
struct IndoorAirRun {
    double shower = 0;      // sum over the shower window / 57
    double bathroom = 0;    // sum over the bathroom window / 243
    double house = 0;       // sum over the house window / 4500
    int steps = 0;          // steps run (4799 for a water concentration other than 0)
    int showerWindow = 0;   // steps summed into each average
    int bathroomWindow = 0;
    int houseWindow = 0;
    int showerUse = 0;   // steps with the water used in each compartment
    int bathroomUse = 0;
    int houseUse = 0;
};

// Runs the model once for all three compartments. A water concentration of 0 skips the time
// loop and gives 0 everywhere.
IndoorAirRun runIndoorAir(double henry, double diffW, double diffA, double waterConc);

// Runs the model for each input; the same results as one runIndoorAir call each, computed
// side by side so that the runs overlap.
void runIndoorAirBatch(std::span<const IndoorAirInput> inputs, std::span<IndoorAirRun> runs);

// The average air concentration of one compartment (0 shower, 1 bathroom, 2 house); nullopt
// for any other compartment.
std::optional<double> RunIndoorAirModel(int compartment, double henry, double diffW, double diffA, double waterConc);

// Runs of the model by their exact inputs: those computed ahead in one batch, any other
// computed when asked.
class IndoorAirRuns {
public:
    // Keeps the runs of `inputs`, computing in one batch those not kept already; the runs of
    // other inputs are dropped.
    void computeAhead(std::span<const IndoorAirInput> inputs);
    IndoorAirRun run(const IndoorAirInput& input) const;
    std::size_t computedAhead() const { return m_runs.size(); }
    // The runs that the last computeAhead computed rather than kept.
    std::size_t lastComputed() const { return m_computed; }

private:
    struct Hash {
        std::size_t operator()(const IndoorAirInput& in) const;
    };
    std::unordered_map<IndoorAirInput, IndoorAirRun, Hash> m_runs;
    std::size_t m_computed = 0;
};
