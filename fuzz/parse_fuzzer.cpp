// Fuzzes the reading of the frequency box. The text lies in a heap block of
// exactly its size, so AddressSanitizer stops any read past its end; the
// number read must be the one the independent reading gives, bit for bit.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "calculation.h"
#include "reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = std::make_unique<char[]>(size);
    if (size) std::memcpy(text.get(), data, size);
    const std::string_view view(text.get(), size);

    const double got = lpf::ParseLeadingNumber(view);
    const double want = fuzzcheck::ReferenceLeadingNumber(view);
    if (std::isnan(got) || got != want || std::signbit(got) != std::signbit(want)) {
        std::fprintf(stderr, "ParseLeadingNumber(\"%.*s\") = %.17g, expected %.17g\n",
                     static_cast<int>(size), text.get(), got, want);
        std::abort();
    }
    return 0;
}
