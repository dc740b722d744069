// Prints the texts and values of many random designs and parses, the same
// ones on every build, so that the page's WebAssembly build can be compared
// with the native one line by line (web_test.py digits).
//
//   design_probe COUNT

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calculation.h"

namespace {

// splitmix64: the same numbers on every platform.
std::uint64_t state = 0x5EED;
std::uint64_t Next() {
    std::uint64_t z = state += 0x9E3779B97F4A7C15u;
    z = (z ^ z >> 30) * 0xBF58476D1CE4E5B9u;
    z = (z ^ z >> 27) * 0x94D049BB133111EBu;
    return z ^ z >> 31;
}
int Below(int n) {
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

std::uint64_t Bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// What a user might type: numbers of every shape, and stray characters.
std::string TypedText() {
    static const char* const kPieces[] = {"0", "1", "2", "5", "7", "9", "00", "123", "999999999",
                                          ".", ".", "e", "E", "d", "D", "+", "-", "&H", "&h",
                                          "&O", "&o", "f", "A", " ", "\t", ",", "k", "1e308",
                                          "1e-320", "4.9406564584124654e-324", "e-", "99"};
    std::string text;
    for (int n = Below(8); n-- > 0;) text += kPieces[Below(std::size(kPieces))];
    return text;
}

double RandomDouble() {
    const double mantissa = static_cast<double>(Next() >> 11) / 9007199254740992.0;
    return std::ldexp(mantissa, Below(240) - 120);
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1000;
    static const double kCoefficients[] = {1.414, 0.7071, 3.546, 1.392, 0.2024};
    for (long i = 0; i < count; ++i) {
        const std::string typed = TypedText();
        const double freq = lpf::ParseLeadingNumber(typed);
        std::printf("parse \"%s\" %016" PRIx64 "\n", typed.c_str(), Bits(freq));

        const double f = Below(4) == 0 ? freq : RandomDouble();
        const auto rval = static_cast<std::int16_t>(Below(4) == 0 ? Next() : 1000 + Below(9001));
        const char separator = Below(2) ? '.' : ',';
        const double c = lpf::ComputeCapacitance(kCoefficients[Below(5)], rval, f, 3.141592654);
        std::printf("design %016" PRIx64 " %d %s\n", Bits(f), rval,
                    lpf::MicrofaradText(c, separator).c_str());
    }
}
