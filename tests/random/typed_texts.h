#pragma once
// Texts a user might type into the window's boxes. Frequency texts come with
// the value the leading-number rule gives them where that value is known by
// construction; anything else is left unknown.

#include <optional>
#include <random>
#include <string>

namespace lpf_random {

using Rng = std::mt19937_64;

int Uniform(Rng& rng, int lo, int hi);  // lo..hi inclusive
bool Chance(Rng& rng, double p);

struct TypedText {
    std::string text;
    std::optional<double> frequency;  // what the text reads as, where known
};

// Numbers in the forms the frequency box reads (plain, decimal, exponent with
// E, e or D, signs, inner blanks, "&H" and "&O", trailing units), texts that
// read as zero, values at the edges of the double range, and junk: letters,
// commas, periods, signs, 200-character strings, the empty text.
// A frequency box gets mostly numbers, so that most Design clicks compute.
TypedText RandomTypedText(Rng& rng, bool mostlyNumbers = false);

// Printable, with the first characters only when the text is long.
std::string Shorten(const std::string& text);

}  // namespace lpf_random
