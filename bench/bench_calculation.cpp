// What one result box costs: read the frequency text, compute one capacitor,
// and turn it into its microfarad text.
#include <benchmark/benchmark.h>

#include <string>

#include "calculation.h"
#include "design_state.h"

namespace {

void OneCapacitor(benchmark::State& state, double coefficient) {
    std::string text = "1000";
    std::int16_t rval = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(rval);
        const double freq = lpf::ParseLeadingNumber(text);
        const double farads = lpf::ComputeCapacitance(coefficient, rval, freq, lpf::kPiVal);
        std::string shown = lpf::MicrofaradText(farads);
        benchmark::DoNotOptimize(shown);
    }
}

// C1 at 1000 Hz and 1000 ohms shows as a plain decimal with 15 digits after
// the separator; C5 at the same point comes out in exponent form.
void BM_OneCapacitorPlain(benchmark::State& state) {
    OneCapacitor(state, lpf::ButterworthTable::C1);
}
void BM_OneCapacitorExponent(benchmark::State& state) {
    OneCapacitor(state, lpf::ButterworthTable::C5);
}

}  // namespace

BENCHMARK(BM_OneCapacitorPlain);
BENCHMARK(BM_OneCapacitorExponent);

BENCHMARK_MAIN();
