#include "engine/forward/indoor_air.h"

#include <cmath>

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

} // namespace

IndoorAirRun runIndoorAir(double henry, double diffW, double diffA, double waterConc)
{
    const double twoThirds = 2.0 / 3.0;
    const double Hd = henry / 0.0244658;
    const double Kshower = 216 / (2.5 / std::pow(diffW, twoThirds) + 1 / (Hd * std::pow(diffA, twoThirds)));
    const float Xshower = float(Kshower * double(float(6 / 0.098)) * double(float(180.0 / 400.0)));
    const double Ksurface =
        2760000 / (2.5 / std::pow(diffW * 0.0001, twoThirds) + 70 / (Hd * std::pow(diffA * 0.0001, twoThirds)));
    const double Cw = waterConc;
    const float Csat = float(Hd * Cw);
    const double HdCw = Hd * Cw;
    const double showerTransfer = 1 - std::exp(-double(Xshower));

    IndoorAirRun run;
    double Cs = 0, Cb = 0, Ch = 0;
    float WS = float(Cw), WB = 0, WH = 0;
    double SS = 0, SB = 0, SH = 0;
    float t = float(kDt);
    if (Cw != 0) {
        while (t <= kEnd) {
            ++run.steps;
            if (kShowerUntil < t && t <= kBathUntil) {
                WS = 0;
                WB = float(Cw);
            } else if (t > kBathUntil) {
                WB = 0;
                WH = float(Cw);
            }
            run.showerUse += WS != 0;
            run.bathroomUse += WB != 0;
            run.houseUse += WH != 0;

            const double r = std::min(Cs / HdCw, 1.0);
            const float kB = std::max(float(0.5 * Ksurface * (1 - Cb / HdCw)), 0.0f);
            const float kH = std::max(float(0.66 * Ksurface * (1 - Ch / HdCw)), 0.0f);

            float RS = float(kDt * WS * kShowerFlow * showerTransfer * (1 - r));
            if (Csat > 0 && RS > kShowerVol * Csat)
                RS = float(kShowerVol * Csat);
            float RB = float(2.08 * kB * WB);
            if (Csat > 0 && kDt * RB > kBathVol * Csat)
                RB = float(kBathVol * Csat / kDt);
            float RH = float(0.21 * kH * WH);
            if (Csat > 0 && kDt * RH > kHouseVol * Csat)
                RH = float(kHouseVol * Csat / kDt);

            const double CsNext = Cs + (RS + kDt * kShowerBathFlow * (Cb - Cs)) / kShowerVol;
            const double CbNext =
                Cb + (kDt / kBathVol) * (kShowerBathFlow * (Cs - Cb) - kBathHouseFlow * (Cb - Ch) + RB);
            const double ChNext = Ch + (kDt / kHouseVol) * (kBathHouseFlow * (Cb - Ch) - kHouseOutFlow * Ch + RH);

            if (t <= kShowerWindowEnd) {
                SS += CsNext;
                ++run.showerWindow;
            }
            if (kShowerWindowEnd <= t && t <= kBathWindowEnd) {
                SB += CbNext;
                ++run.bathroomWindow;
            }
            if (t > kBathWindowEnd) {
                SH += ChNext;
                ++run.houseWindow;
            }
            t = float(double(t) + kDt);
            Cs = CsNext;
            Cb = CbNext;
            Ch = ChNext;
        }
    }
    run.shower = SS / 57;
    run.bathroom = SB / 243;
    run.house = SH / 4500;
    return run;
}

std::optional<double> RunIndoorAirModel(int compartment, double henry, double diffW, double diffA, double waterConc)
{
    if (compartment < 0 || compartment > 2)
        return std::nullopt;
    const IndoorAirRun run = runIndoorAir(henry, diffW, diffA, waterConc);
    return compartment == 0 ? run.shower : compartment == 1 ? run.bathroom : run.house;
}
