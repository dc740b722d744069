// Prints the value of many random parses and the text of many random
// designs, the same on every build, so that the page's WebAssembly build can
// be compared with the native one line by line: design_probe COUNT
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "calculation.h"

// The standard fixes this engine's every number; its distributions it does not.
static std::mt19937_64 engine(0x5EED);
static int Below(int n) {
    return static_cast<int>(engine() % static_cast<unsigned>(n));
}

int main(int argc, char** argv) {
    // clang-format off
    static const char* const kPieces[] = {"0", "1", "5", "9", "00", "123", "999999999", ".", ".",
        "e", "E", "d", "D", "+", "-", "&H", "&o", "f", "A", " ", ",", "k", "1e308", "1e-320",
        "4.9406564584124654e-324", "e-"};
    // clang-format on
    static const double kCoefficients[] = {1.414, 0.7071, 3.546, 1.392, 0.2024};
    for (long i = argc > 1 ? std::atol(argv[1]) : 1000; i-- > 0;) {
        std::string typed;  // numbers of every shape, and stray characters
        for (int n = Below(8); n-- > 0;) typed += kPieces[Below(std::size(kPieces))];
        double f = lpf::ParseLeadingNumber(typed);
        std::uint64_t bits[2];
        std::memcpy(&bits[0], &f, sizeof f);
        if (Below(4)) {  // one draw a statement: argument order differs between compilers
            const auto mantissa = static_cast<double>(engine() >> 11);
            f = std::ldexp(mantissa, Below(240) - 173);
        }
        std::memcpy(&bits[1], &f, sizeof f);
        const auto rval = static_cast<std::int16_t>(Below(4) ? 1000 + Below(9001) : engine());
        const double c = lpf::ComputeCapacitance(kCoefficients[Below(5)], rval, f, 3.141592654);
        std::printf("\"%s\" %016" PRIx64 " %016" PRIx64 " %d %s\n", typed.c_str(), bits[0], bits[1],
                    rval, lpf::MicrofaradText(c, Below(2) ? '.' : ',').c_str());
    }
}
