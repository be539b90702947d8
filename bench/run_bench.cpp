// What a run costs beside the bare arithmetic it performs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "models/crect.h"
#include "models/lcrect.h"
#include "run/run.h"

namespace {

constexpr int HalfPeriods = Run::MaxHalfPeriods;

template <class Model>
void RecalcLongest(benchmark::State& state, bool choke)
{
    Model model;
    Run run(model, ",");
    const Positions p = DesignedPositions(choke);
    run.StartUp(p);
    while (run.GrowEnabled())
        run.GrowButtonClick(p);
    for (auto _ : state) {
        run.Restart(p);
        benchmark::DoNotOptimize(run.Series3().StoredY().data());
    }
    state.SetItemsProcessed(state.iterations() * run.stepCount());
}

// The same source and circuit formulas, inlined, into arrays allocated once.
struct Out {
    explicit Out(int n) : i(n), u(n), uo(n) {}
    std::vector<double> i, u, uo;
};

void BareCapacitor(benchmark::State& state)
{
    const double dt = 2e-5, r1 = 0.5, r2 = 300, c1 = 470e-6;
    const double umax = std::sqrt(2.0) * 220, dfi = 2 * std::numbers::pi * 50 * dt;
    const int n = static_cast<int>(std::lround(HalfPeriods / (2.0 * 50 * dt)));
    Out out(n);
    for (auto _ : state) {
        double uc = 0, fi = 0;
        for (int k = 0; k < n; ++k) {
            const double u = std::sin(fi) * umax;
            const double d = std::fabs(u) - uc;
            const double i = d <= 1.4 ? 0.0 : (d - 1.4) / r1;
            uc = uc + dt * (i - uc / r2) / c1;
            out.i[k] = i;
            out.u[k] = u;
            out.uo[k] = uc;
            fi += dfi;
        }
        benchmark::DoNotOptimize(out.uo.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BareChoke(benchmark::State& state)
{
    const double dt = 1e-5, r1 = 0.5, r2 = 300, r3 = 0.01, c1 = 470e-6, l1 = 1e-4;
    const double umax = std::sqrt(2.0) * 220, dfi = 2 * std::numbers::pi * 50 * dt;
    const int n = static_cast<int>(std::lround(HalfPeriods / (2.0 * 50 * dt)));
    Out out(n);
    for (auto _ : state) {
        double uc = 0, il = 0, fi = 0;
        for (int k = 0; k < n; ++k) {
            const double u = std::sin(fi) * umax;
            const double a = std::fabs(u);
            double i, ud;
            if (a > il * r1) {
                i = il;
                ud = a - il * r1;
            } else {
                i = a / r1;
                ud = 0;
            }
            const double g = r2 / (r2 + r3) * (uc + il * r3);
            const double ucNew = uc + dt * (il - g / r2) / c1;
            double ilNew = il + (ud - g) * dt / (l1 + 1e-6);
            if (ilNew < 0)
                ilNew = 0;
            uc = ucNew;
            il = ilNew;
            out.i[k] = i;
            out.u[k] = u;
            out.uo[k] = g;
            fi += dfi;
        }
        benchmark::DoNotOptimize(out.uo.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void RecalcCapacitor(benchmark::State& state)
{
    RecalcLongest<tCRect>(state, false);
}

void RecalcChoke(benchmark::State& state)
{
    RecalcLongest<tLCRect>(state, true);
}

BENCHMARK(RecalcCapacitor)->Name("Recalc/capacitor")->Unit(benchmark::kMicrosecond);
BENCHMARK(RecalcChoke)->Name("Recalc/choke")->Unit(benchmark::kMicrosecond);
BENCHMARK(BareCapacitor)->Name("BareLoop/capacitor")->Unit(benchmark::kMicrosecond);
BENCHMARK(BareChoke)->Name("BareLoop/choke")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
