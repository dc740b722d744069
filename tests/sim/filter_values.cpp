// Prints the capacitor values of every design on the simulation grid, computed
// exactly as the Design command computes them, one design per line:
//   <poles> <ohms> <hertz> <farads>...
// The capacitors are listed in result-box order (C1 C2, or C3 C4 C5) with 17
// significant digits, so that the netlist carries the very doubles the window
// would turn into text.

#include <cstdint>
#include <cstdio>

#include "calculation.h"
#include "design_state.h"

int main() {
    using lpf::ButterworthTable;
    const std::int16_t resistors[] = {1000, 2200, 4700, 10000};
    const double frequencies[] = {10, 1000, 100000};
    for (int poles : {2, 3}) {
        for (std::int16_t rval : resistors) {
            for (double freq : frequencies) {
                std::printf("%d %d %.17g", poles, rval, freq);
                if (poles == 2) {
                    for (double k : {ButterworthTable::C1, ButterworthTable::C2})
                        std::printf(" %.17g", lpf::ComputeCapacitance(k, rval, freq, lpf::kPiVal));
                } else {
                    for (double k :
                         {ButterworthTable::C3, ButterworthTable::C4, ButterworthTable::C5})
                        std::printf(" %.17g", lpf::ComputeCapacitance(k, rval, freq, lpf::kPiVal));
                }
                std::printf("\n");
            }
        }
    }
    return 0;
}
