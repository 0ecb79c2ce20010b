#include "engine/forward/indoor_air.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The compartment whose water is in use.
enum class Use { Shower, Bathroom, House };

// One time step, the same for every run: where the water is used and which averages it adds to.
struct Step {
    Use use;
    bool showerWindow;
    bool bathroomWindow;
    bool houseWindow;
};

struct Schedule {
    std::vector<Step> steps;
    IndoorAirRun counts;   // the step counts of every run with water
};

const Schedule& schedule()
{
    static const Schedule s = [] {
        Schedule s;
        Use use = Use::Shower;
        float t = float(kDt);
        while (t <= kEnd) {
            const bool bathUse = kShowerUntil < t && t <= kBathUntil;
            const bool houseUse = !bathUse && t > kBathUntil;
            if (bathUse)
                use = Use::Bathroom;
            else if (houseUse)
                use = Use::House;
            const Step step{use, t <= kShowerWindowEnd, kShowerWindowEnd <= t && t <= kBathWindowEnd,
                            t > kBathWindowEnd};
            s.steps.push_back(step);
            IndoorAirRun& c = s.counts;
            ++c.steps;
            c.showerUse += use == Use::Shower;
            c.bathroomUse += use == Use::Bathroom;
            c.houseUse += use == Use::House;
            c.showerWindow += step.showerWindow;
            c.bathroomWindow += step.bathroomWindow;
            c.houseWindow += step.houseWindow;
            t = float(double(t) + kDt);
        }
        return s;
    }();
    return s;
}

// The fixed coefficients of one run.
struct Coefficients {
    double HdCw = 0;        // Hd × Cw, the air concentration at equilibrium with the water
    double water = 0;       // single(Cw), the concentration of the water in use
    double showerOn = 0;    // kDt × water × kShowerFlow × (1 − e^(−Xshower)) with the shower on
    double showerOff = 0;   // the same with the shower off (water 0)
    double bathroomK = 0;   // 0.5 × Ksurface
    double houseK = 0;      // 0.66 × Ksurface
    // A step's release into a compartment is capped where it would fill the compartment beyond
    // equilibrium: above `limit` it is `cap`. No cap when single(Hd × Cw) is not above 0.
    double limitS = kNoLimit, limitB = kNoLimit, limitH = kNoLimit;
    double capS = 0, capB = 0, capH = 0;
    // A compartment whose water is off releases nothing, and its release can be left out of
    // its step as long as the terms that multiply the water stay finite: they do while the
    // concentrations of the compartments whose release is left out stay within `bound` of 0.
    bool shortcut = false;
    double bound = 0;

    static constexpr double kNoLimit = std::numeric_limits<double>::infinity();
};

Coefficients coefficientsOf(const IndoorAirInput& in)
{
    const double twoThirds = 2.0 / 3.0;
    const double Hd = in.henry / 0.0244658;
    const double Kshower = 216 / (2.5 / std::pow(in.diffW, twoThirds) + 1 / (Hd * std::pow(in.diffA, twoThirds)));
    const float Xshower = float(Kshower * double(float(6 / 0.098)) * double(float(180.0 / 400.0)));
    const double Ksurface =
        2760000 / (2.5 / std::pow(in.diffW * 0.0001, twoThirds) + 70 / (Hd * std::pow(in.diffA * 0.0001, twoThirds)));
    const double showerTransfer = 1 - std::exp(-double(Xshower));
    const float water = float(in.waterConc);
    const float Csat = float(Hd * in.waterConc);

    Coefficients c;
    c.HdCw = Hd * in.waterConc;
    c.water = water;
    c.showerOn = kDt * water * kShowerFlow * showerTransfer;
    c.showerOff = kDt * 0.0f * kShowerFlow * showerTransfer;
    c.bathroomK = 0.5 * Ksurface;
    c.houseK = 0.66 * Ksurface;
    if (Csat > 0) {
        c.limitS = kShowerVol * Csat;
        c.capS = float(kShowerVol * Csat);
        c.limitB = kBathVol * Csat;
        c.capB = float(kBathVol * Csat / kDt);
        c.limitH = kHouseVol * Csat;
        c.capH = float(kHouseVol * Csat / kDt);
    }

    // Within the bound, |C / (Hd × Cw)| ≤ 2^60, so that 0.66 × Ksurface × (1 − that) stays
    // below 2^120.
    const double scale = std::ldexp(1.0, 60);
    const double a = std::fabs(c.HdCw);
    c.shortcut = a >= std::ldexp(1.0, -900) && a <= std::ldexp(1.0, 900) && std::fabs(Ksurface) <= scale
                 && std::isfinite(showerTransfer);
    c.bound = a * scale;
    return c;
}

// Two runs side by side: each operation is the IEEE double operation on both lanes. Numbers of
// single precision are held as doubles that single() has rounded.
#if defined(__SSE2__)
struct Pair {
    __m128d v;

    static Pair load(const double* p) { return {_mm_load_pd(p)}; }
    static Pair all(double x) { return {_mm_set1_pd(x)}; }
    void store(double* p) const { _mm_store_pd(p, v); }

    friend Pair operator+(Pair a, Pair b) { return {_mm_add_pd(a.v, b.v)}; }
    friend Pair operator-(Pair a, Pair b) { return {_mm_sub_pd(a.v, b.v)}; }
    friend Pair operator*(Pair a, Pair b) { return {_mm_mul_pd(a.v, b.v)}; }
    friend Pair operator/(Pair a, Pair b) { return {_mm_div_pd(a.v, b.v)}; }
    // double(float(x))
    friend Pair single(Pair a) { return {_mm_cvtps_pd(_mm_cvtpd_ps(a.v))}; }
    // std::max(a, 0): 0 > a ? 0 : a
    friend Pair notBelowZero(Pair a) { return {_mm_max_pd(_mm_setzero_pd(), a.v)}; }
    // std::min(a, 1): 1 < a ? 1 : a
    friend Pair notAboveOne(Pair a) { return {_mm_min_pd(_mm_set1_pd(1.0), a.v)}; }
    // test > limit ? cap : a
    friend Pair capped(Pair a, Pair test, Pair limit, Pair cap)
    {
        const __m128d above = _mm_cmpgt_pd(test.v, limit.v);
        return {_mm_or_pd(_mm_and_pd(above, cap.v), _mm_andnot_pd(above, a.v))};
    }
    // |a|
    friend Pair abs(Pair a) { return {_mm_andnot_pd(_mm_set1_pd(-0.0), a.v)}; }
};
#else
struct Pair {
    double v[2];

    static Pair load(const double* p) { return {{p[0], p[1]}}; }
    static Pair all(double x) { return {{x, x}}; }
    void store(double* p) const { p[0] = v[0], p[1] = v[1]; }

    template <typename F>
    friend Pair each(Pair a, Pair b, F f)
    {
        return {{f(a.v[0], b.v[0]), f(a.v[1], b.v[1])}};
    }
    friend Pair operator+(Pair a, Pair b)
    {
        return each(a, b, [](double x, double y) { return x + y; });
    }
    friend Pair operator-(Pair a, Pair b)
    {
        return each(a, b, [](double x, double y) { return x - y; });
    }
    friend Pair operator*(Pair a, Pair b)
    {
        return each(a, b, [](double x, double y) { return x * y; });
    }
    friend Pair operator/(Pair a, Pair b)
    {
        return each(a, b, [](double x, double y) { return x / y; });
    }
    friend Pair single(Pair a)
    {
        return each(a, a, [](double x, double) { return double(float(x)); });
    }
    friend Pair notBelowZero(Pair a)
    {
        return each(a, a, [](double x, double) { return std::max(x, 0.0); });
    }
    friend Pair notAboveOne(Pair a)
    {
        return each(a, a, [](double x, double) { return std::min(x, 1.0); });
    }
    friend Pair capped(Pair a, Pair test, Pair limit, Pair cap)
    {
        return {{test.v[0] > limit.v[0] ? cap.v[0] : a.v[0], test.v[1] > limit.v[1] ? cap.v[1] : a.v[1]}};
    }
    friend Pair abs(Pair a)
    {
        return each(a, a, [](double x, double) { return std::fabs(x); });
    }
};
#endif

// Runs side by side at most: enough independent runs to keep the divider busy, few enough for
// the arrays of a step to stay in the first-level cache. Even, for the pairs.
constexpr std::size_t kLanes = 256;

// The runs of one batch, one array per quantity. A batch of an odd number of runs repeats its
// last run in the lane after it.
struct Lanes {
    std::size_t n = 0;
    alignas(16) std::array<double, kLanes> HdCw, water, showerOn, showerOff, bathroomK, houseK, limitS, limitB, limitH,
        capS, capB, capH, bound;
    alignas(16) std::array<double, kLanes> Cs, Cb, Ch, SS, SB, SH;
    // The sum of |C| over the compartments whose release a step left out, at every step: not
    // below any of them, and not a number or infinite once one was.
    alignas(16) std::array<double, kLanes> reach;
    std::array<std::size_t, kLanes> input;

    void add(const Coefficients& c, std::size_t index)
    {
        set(n, c);
        input[n] = index;
        ++n;
        if (n % 2 == 1)
            set(n, c);
    }

private:
    void set(std::size_t i, const Coefficients& c)
    {
        HdCw[i] = c.HdCw;
        water[i] = c.water;
        showerOn[i] = c.showerOn;
        showerOff[i] = c.showerOff;
        bathroomK[i] = c.bathroomK;
        houseK[i] = c.houseK;
        limitS[i] = c.limitS;
        limitB[i] = c.limitB;
        limitH[i] = c.limitH;
        capS[i] = c.capS;
        capB[i] = c.capB;
        capH[i] = c.capH;
        bound[i] = c.bound;
        Cs[i] = Cb[i] = Ch[i] = SS[i] = SB[i] = SH[i] = 0;
        reach[i] = 0;
    }
};

// One time step of every run. With `AllReleases` each compartment's release is computed as in
// the model; without, only the release of the compartment in use, the others being 0.
//
// Why leaving them out changes no bit: the water of a compartment out of use is +0, so its
// release is ±0 while the factors multiplying the water are finite; a compartment's
// concentration only ever has a step's change added to it from +0, so it is never −0, and
// neither is the sum of exchange terms that the release would be added to; x + ±0 = x for any x
// other than −0. A run whose concentrations left out sum beyond its bound is computed again
// with every release.
template <Use U, bool AllReleases>
void stepLanes(Lanes& L, bool showerWindow, bool bathroomWindow, bool houseWindow)
{
    constexpr bool shower = AllReleases || U == Use::Shower;
    constexpr bool bathroom = AllReleases || U == Use::Bathroom;
    constexpr bool house = AllReleases || U == Use::House;
    const Pair one = Pair::all(1.0);
    const Pair dt = Pair::all(kDt);
    for (std::size_t i = 0; i < L.n; i += 2) {
        const Pair Cs = Pair::load(&L.Cs[i]);
        const Pair Cb = Pair::load(&L.Cb[i]);
        const Pair Ch = Pair::load(&L.Ch[i]);
        const Pair HdCw = Pair::load(&L.HdCw[i]);
        const Pair bathToHouse = Pair::all(kBathHouseFlow) * (Cb - Ch);
        Pair toShower = Pair::all(kDt * kShowerBathFlow) * (Cb - Cs);
        Pair toBathroom = Pair::all(kShowerBathFlow) * (Cs - Cb) - bathToHouse;
        Pair toHouse = bathToHouse - Pair::all(kHouseOutFlow) * Ch;
        if constexpr (shower) {
            const Pair factor = Pair::load(U == Use::Shower ? &L.showerOn[i] : &L.showerOff[i]);
            const Pair RS = single(factor * (one - notAboveOne(Cs / HdCw)));
            toShower = capped(RS, RS, Pair::load(&L.limitS[i]), Pair::load(&L.capS[i])) + toShower;
        }
        if constexpr (bathroom) {
            const Pair WB = U == Use::Bathroom ? Pair::load(&L.water[i]) : Pair::all(0.0);
            const Pair kB = notBelowZero(single(Pair::load(&L.bathroomK[i]) * (one - Cb / HdCw)));
            const Pair RB = single(Pair::all(2.08) * kB * WB);
            toBathroom = toBathroom + capped(RB, dt * RB, Pair::load(&L.limitB[i]), Pair::load(&L.capB[i]));
        }
        if constexpr (house) {
            const Pair WH = U == Use::House ? Pair::load(&L.water[i]) : Pair::all(0.0);
            const Pair kH = notBelowZero(single(Pair::load(&L.houseK[i]) * (one - Ch / HdCw)));
            const Pair RH = single(Pair::all(0.21) * kH * WH);
            toHouse = toHouse + capped(RH, dt * RH, Pair::load(&L.limitH[i]), Pair::load(&L.capH[i]));
        }
        if constexpr (!AllReleases) {
            Pair reach = Pair::load(&L.reach[i]);
            if constexpr (!shower)
                reach = reach + abs(Cs);
            if constexpr (!bathroom)
                reach = reach + abs(Cb);
            if constexpr (!house)
                reach = reach + abs(Ch);
            reach.store(&L.reach[i]);
        }
        const Pair nextCs = Cs + toShower / Pair::all(kShowerVol);
        const Pair nextCb = Cb + Pair::all(kDt / kBathVol) * toBathroom;
        const Pair nextCh = Ch + Pair::all(kDt / kHouseVol) * toHouse;
        if (showerWindow)
            (Pair::load(&L.SS[i]) + nextCs).store(&L.SS[i]);
        if (bathroomWindow)
            (Pair::load(&L.SB[i]) + nextCb).store(&L.SB[i]);
        if (houseWindow)
            (Pair::load(&L.SH[i]) + nextCh).store(&L.SH[i]);
        nextCs.store(&L.Cs[i]);
        nextCb.store(&L.Cb[i]);
        nextCh.store(&L.Ch[i]);
    }
}

template <bool AllReleases>
void runLanes(Lanes& L)
{
    for (const Step& s : schedule().steps) {
        switch (s.use) {
        case Use::Shower:
            stepLanes<Use::Shower, AllReleases>(L, s.showerWindow, s.bathroomWindow, s.houseWindow);
            break;
        case Use::Bathroom:
            stepLanes<Use::Bathroom, AllReleases>(L, s.showerWindow, s.bathroomWindow, s.houseWindow);
            break;
        case Use::House:
            stepLanes<Use::House, AllReleases>(L, s.showerWindow, s.bathroomWindow, s.houseWindow);
            break;
        }
    }
}

void storeRun(const Lanes& L, std::size_t lane, IndoorAirRun& run)
{
    run = schedule().counts;
    run.shower = L.SS[lane] / 57;
    run.bathroom = L.SB[lane] / 243;
    run.house = L.SH[lane] / 4500;
}

}   // namespace

void runIndoorAirBatch(std::span<const IndoorAirInput> inputs, std::span<IndoorAirRun> runs)
{
    // Each set of lanes made when its first run comes.
    std::unique_ptr<Lanes> shortcut;
    std::unique_ptr<Lanes> full;
    auto lanes = [](std::unique_ptr<Lanes>& l) -> Lanes& {
        if (!l)
            l = std::make_unique_for_overwrite<Lanes>();
        return *l;
    };
    auto runFull = [&] {
        runLanes<true>(*full);
        for (std::size_t i = 0; i < full->n; ++i)
            storeRun(*full, i, runs[full->input[i]]);
        full->n = 0;
    };
    auto addFull = [&](const Coefficients& c, std::size_t index) {
        lanes(full).add(c, index);
        if (full->n == kLanes)
            runFull();
    };
    auto runShortcut = [&] {
        runLanes<false>(*shortcut);
        for (std::size_t i = 0; i < shortcut->n; ++i) {
            const std::size_t index = shortcut->input[i];
            if (!(shortcut->reach[i] <= shortcut->bound[i]))
                addFull(coefficientsOf(inputs[index]), index);
            else
                storeRun(*shortcut, i, runs[index]);
        }
        shortcut->n = 0;
    };

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].waterConc == 0) {
            runs[i] = IndoorAirRun{};
            continue;
        }
        const Coefficients c = coefficientsOf(inputs[i]);
        if (!c.shortcut) {
            addFull(c, i);
            continue;
        }
        lanes(shortcut).add(c, i);
        if (shortcut->n == kLanes)
            runShortcut();
    }
    if (shortcut && shortcut->n > 0)
        runShortcut();
    if (full && full->n > 0)
        runFull();
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
    std::unordered_map<IndoorAirInput, IndoorAirRun, Hash> runs;
    std::vector<IndoorAirInput> fresh;
    for (const IndoorAirInput& in : inputs) {
        if (runs.contains(in))
            continue;
        const auto kept = m_runs.find(in);
        if (kept != m_runs.end()) {
            runs.emplace(in, kept->second);
        } else {
            runs.emplace(in, IndoorAirRun{});
            fresh.push_back(in);
        }
    }
    std::vector<IndoorAirRun> computed(fresh.size());
    if (!fresh.empty())
        runIndoorAirBatch(fresh, computed);
    for (std::size_t i = 0; i < fresh.size(); ++i)
        runs[fresh[i]] = computed[i];
    m_runs = std::move(runs);
    m_computed = fresh.size();
}

IndoorAirRun IndoorAirRuns::run(const IndoorAirInput& input) const
{
    const auto it = m_runs.find(input);
    if (it != m_runs.end())
        return it->second;
    return runIndoorAir(input.henry, input.diffW, input.diffA, input.waterConc);
}
