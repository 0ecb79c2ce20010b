#include "engine/forward/indoor_air.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

constexpr double kDt = 0.2;
constexpr float kEnd = 960;
constexpr double kShowerFlow = 5.5;
constexpr double kShowerVol = 2300;
constexpr double kBathVol = 13600;
constexpr double kHouseVol = 310000;
constexpr double kShowerBathFlow = 100;
constexpr double kBathHouseFlow = 300;
constexpr double kHouseOutFlow = 2325;
constexpr float kShowerUntil = 11.41f;   // water-use switch times
constexpr float kBathUntil = 60.1f;
constexpr float kShowerWindowEnd = 11.4f;   // averaging windows
constexpr float kBathWindowEnd = 60;

// Runs side by side at most.
constexpr std::size_t kLanes = 8;

// What one run keeps from step to step, and its fixed coefficients.
struct Lane {
    double Cw = 0;
    double HdCw = 0;            // Hd × Cw
    float Csat = 0;             // single(Hd × Cw)
    double Ksurface = 0;
    double showerTransfer = 0;  // 1 − e^(−Xshower)
    double Cs = 0, Cb = 0, Ch = 0;
    float WS = 0, WB = 0, WH = 0;
    double SS = 0, SB = 0, SH = 0;
};

Lane laneOf(const IndoorAirInput& in)
{
    const double twoThirds = 2.0 / 3.0;
    const double Hd = in.henry / 0.0244658;
    const double Kshower =
        216 / (2.5 / std::pow(in.diffW, twoThirds) + 1 / (Hd * std::pow(in.diffA, twoThirds)));
    const float Xshower = float(Kshower * double(float(6 / 0.098)) * double(float(180.0 / 400.0)));
    const double Ksurface =
        2760000 / (2.5 / std::pow(in.diffW * 0.0001, twoThirds) + 70 / (Hd * std::pow(in.diffA * 0.0001, twoThirds)));
    Lane lane;
    lane.Cw = in.waterConc;
    lane.HdCw = Hd * in.waterConc;
    lane.Csat = float(Hd * in.waterConc);
    lane.Ksurface = Ksurface;
    lane.showerTransfer = 1 - std::exp(-double(Xshower));
    lane.WS = float(in.waterConc);
    return lane;
}

// One time step of one run.
inline void step(Lane& l, bool showerWindow, bool bathWindow, bool houseWindow)
{
    const double r = std::min(l.Cs / l.HdCw, 1.0);
    const float kB = std::max(float(0.5 * l.Ksurface * (1 - l.Cb / l.HdCw)), 0.0f);
    const float kH = std::max(float(0.66 * l.Ksurface * (1 - l.Ch / l.HdCw)), 0.0f);

    float RS = float(kDt * l.WS * kShowerFlow * l.showerTransfer * (1 - r));
    if (l.Csat > 0 && RS > kShowerVol * l.Csat)
        RS = float(kShowerVol * l.Csat);
    float RB = float(2.08 * kB * l.WB);
    if (l.Csat > 0 && kDt * RB > kBathVol * l.Csat)
        RB = float(kBathVol * l.Csat / kDt);
    float RH = float(0.21 * kH * l.WH);
    if (l.Csat > 0 && kDt * RH > kHouseVol * l.Csat)
        RH = float(kHouseVol * l.Csat / kDt);

    const double Cs = l.Cs + (RS + kDt * kShowerBathFlow * (l.Cb - l.Cs)) / kShowerVol;
    const double Cb = l.Cb + (kDt / kBathVol) * (kShowerBathFlow * (l.Cs - l.Cb) - kBathHouseFlow * (l.Cb - l.Ch) + RB);
    const double Ch = l.Ch + (kDt / kHouseVol) * (kBathHouseFlow * (l.Cb - l.Ch) - kHouseOutFlow * l.Ch + RH);
    if (showerWindow)
        l.SS += Cs;
    if (bathWindow)
        l.SB += Cb;
    if (houseWindow)
        l.SH += Ch;
    l.Cs = Cs;
    l.Cb = Cb;
    l.Ch = Ch;
}

// The time loop for up to kLanes runs with water concentrations other than 0.
void runLanes(std::span<Lane> lanes, IndoorAirRun& counts)
{
    float t = float(kDt);
    while (t <= kEnd) {
        ++counts.steps;
        const bool bathUse = kShowerUntil < t && t <= kBathUntil;
        const bool houseUse = !bathUse && t > kBathUntil;
        for (Lane& l : lanes) {
            if (bathUse) {
                l.WS = 0;
                l.WB = float(l.Cw);
            } else if (houseUse) {
                l.WB = 0;
                l.WH = float(l.Cw);
            }
        }
        const Lane& first = lanes.front();
        counts.showerUse += first.WS != 0;
        counts.bathroomUse += first.WB != 0;
        counts.houseUse += first.WH != 0;

        const bool showerWindow = t <= kShowerWindowEnd;
        const bool bathWindow = kShowerWindowEnd <= t && t <= kBathWindowEnd;
        const bool houseWindow = t > kBathWindowEnd;
        counts.showerWindow += showerWindow;
        counts.bathroomWindow += bathWindow;
        counts.houseWindow += houseWindow;
        for (Lane& l : lanes)
            step(l, showerWindow, bathWindow, houseWindow);
        t = float(double(t) + kDt);
    }
}

} // namespace

void runIndoorAirBatch(std::span<const IndoorAirInput> inputs, std::span<IndoorAirRun> runs)
{
    std::array<Lane, kLanes> lanes{};
    std::array<std::size_t, kLanes> index{};
    std::size_t n = 0;
    auto flush = [&] {
        if (n == 0)
            return;
        IndoorAirRun counts;
        runLanes(std::span(lanes.data(), n), counts);
        for (std::size_t i = 0; i < n; ++i) {
            IndoorAirRun& run = runs[index[i]];
            run = counts;
            run.shower = lanes[i].SS / 57;
            run.bathroom = lanes[i].SB / 243;
            run.house = lanes[i].SH / 4500;
        }
        n = 0;
    };
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].waterConc == 0) {
            runs[i] = IndoorAirRun{};
            continue;
        }
        lanes[n] = laneOf(inputs[i]);
        index[n] = i;
        if (++n == kLanes)
            flush();
    }
    flush();
}

IndoorAirRun runIndoorAir(double henry, double diffW, double diffA, double waterConc)
{
    const IndoorAirInput in{henry, diffW, diffA, waterConc};
    IndoorAirRun run;
    runIndoorAirBatch(std::span(&in, 1), std::span(&run, 1));
    return run;
}

std::optional<double> RunIndoorAirModel(int compartment, double henry, double diffW, double diffA, double waterConc)
{
    if (compartment < 0 || compartment > 2)
        return std::nullopt;
    const IndoorAirRun run = runIndoorAir(henry, diffW, diffA, waterConc);
    return compartment == 0 ? run.shower : compartment == 1 ? run.bathroom : run.house;
}

std::size_t IndoorAirRuns::Hash::operator()(const IndoorAirInput& in) const
{
    std::size_t h = 0;
    for (const double v : {in.henry, in.diffW, in.diffA, in.waterConc})
        h = h * 1000003u ^ std::hash<double>{}(v);
    return h;
}

void IndoorAirRuns::computeAhead(std::span<const IndoorAirInput> inputs)
{
    std::vector<IndoorAirInput> fresh;
    for (const IndoorAirInput& in : inputs)
        if (m_runs.emplace(in, IndoorAirRun{}).second)
            fresh.push_back(in);
    std::vector<IndoorAirRun> runs(fresh.size());
    runIndoorAirBatch(fresh, runs);
    for (std::size_t i = 0; i < fresh.size(); ++i)
        m_runs[fresh[i]] = runs[i];
}

IndoorAirRun IndoorAirRuns::run(const IndoorAirInput& input) const
{
    const auto it = m_runs.find(input);
    if (it != m_runs.end())
        return it->second;
    return runIndoorAir(input.henry, input.diffW, input.diffA, input.waterConc);
}
