#include "typed_texts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "c_number.h"

namespace lpf_random {
namespace {

double ValueOf(const std::string& plainNumber) {
    return ReadCNumber(plainNumber);
}

std::string Digits(Rng& rng, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + Uniform(rng, 0, 9));
    return s;
}

// A plain decimal with its exact value: "12", "0.5", "3141.59".
std::string PlainDecimal(Rng& rng) {
    std::string s = Digits(rng, Uniform(rng, 1, 7));
    if (Chance(rng, 0.5)) s += "." + Digits(rng, Uniform(rng, 1, 6));
    return s;
}

// Blanks count for nothing wherever they stand.
std::string WithBlanks(Rng& rng, std::string s) {
    const int blanks = Uniform(rng, 1, 3);
    for (int i = 0; i < blanks; ++i)
        s.insert(static_cast<std::size_t>(Uniform(rng, 0, static_cast<int>(s.size()))), " ");
    return s;
}

// Text after a number that cannot continue it.
constexpr std::array<const char*, 8> kTails = {"Hz", "kHz", " Hz", ",5", ",000", "x", "/2", "%"};

TypedText KnownNumber(Rng& rng) {
    std::string number = PlainDecimal(rng);
    std::string text = number;
    switch (Uniform(rng, 0, 3)) {
        case 0:
            break;
        case 1: {  // exponent, with the letters the rule accepts
            static constexpr std::array<char, 4> kLetters = {'E', 'e', 'D', 'd'};
            const char letter = kLetters[static_cast<std::size_t>(Uniform(rng, 0, 3))];
            const int exponent = Uniform(rng, -6, 6);
            std::string sign = exponent < 0 ? "-" : (Chance(rng, 0.5) ? "+" : "");
            const std::string digits = std::to_string(std::abs(exponent));
            text += letter + sign + digits;
            number += "e" + std::string(exponent < 0 ? "-" : "") + digits;
            break;
        }
        case 2: {  // "&H" or "&O" whole numbers of 15 bits
            const int v = Uniform(rng, 0, 0x7FFF);
            char buf[16];
            if (Chance(rng, 0.5)) {
                std::snprintf(buf, sizeof buf, Chance(rng, 0.5) ? "&H%X" : "&H%x", v);
            } else {
                std::snprintf(buf, sizeof buf, "&O%o", v);
            }
            return {Chance(rng, 0.3) ? WithBlanks(rng, buf) : std::string(buf), double(v)};
        }
        case 3:  // trailing unit or other text
            text += kTails[static_cast<std::size_t>(Uniform(rng, 0, kTails.size() - 1))];
            break;
    }
    double value = ValueOf(number);
    if (Chance(rng, 0.25)) {
        const bool minus = Chance(rng, 0.5);
        text = (minus ? "-" : "+") + text;
        if (minus) value = -value;
    }
    if (Chance(rng, 0.2)) text = WithBlanks(rng, text);
    return {text, value};
}

constexpr std::array<const char*, 12> kZeroTexts = {"",   "0", "000", "-0", "abc", "Hz",
                                                    ",5", ".", "e5",  "-",  "&H",  "0.000"};

// Frequencies at the edges of the double range, with their exact values.
constexpr std::array<const char*, 9> kEdgeNumbers = {
    "1e300",  "1e-300", "1.7976931348623157e308",  "1e309", "4.9e-324",
    "1e-310", "1e304",  "2.2250738585072014e-308", "1e-320"};

std::string Junk(Rng& rng, int length) {
    static const std::string kPieces[] = {"0",  "1",  "5", "9", "a", "k", "Z", "H", " ", " ",
                                          "&H", "&O", ",", ".", "e", "E", "D", "d", "+", "-",
                                          "&",  "#",  "%", "$", "F", "7", "3", "_"};
    std::string s;
    while (static_cast<int>(s.size()) < length)
        s += kPieces[static_cast<std::size_t>(Uniform(rng, 0, std::size(kPieces) - 1))];
    s.resize(static_cast<std::size_t>(length));
    return s;
}

}  // namespace

int Uniform(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

bool Chance(Rng& rng, double p) {
    return std::uniform_real_distribution<double>(0, 1)(rng) < p;
}

TypedText RandomTypedText(Rng& rng, bool mostlyNumbers) {
    if (mostlyNumbers && Chance(rng, 0.5)) return KnownNumber(rng);
    const int kind = Uniform(rng, 0, 99);
    if (kind < 45) return KnownNumber(rng);
    if (kind < 55)
        return {kZeroTexts[static_cast<std::size_t>(Uniform(rng, 0, kZeroTexts.size() - 1))], 0.0};
    if (kind < 62) {
        const std::string n =
            kEdgeNumbers[static_cast<std::size_t>(Uniform(rng, 0, kEdgeNumbers.size() - 1))];
        const bool minus = Chance(rng, 0.3);
        return {(minus ? "-" : "") + n, (minus ? -1 : 1) * ValueOf(n)};
    }
    if (kind < 70) return {Junk(rng, 200), std::nullopt};
    if (kind < 73) return {std::string(200, '9'), ValueOf(std::string(200, '9'))};
    return {Junk(rng, Uniform(rng, 1, 24)), std::nullopt};
}

std::string Shorten(const std::string& text) {
    if (text.size() <= 40) return "\"" + text + "\"";
    return "\"" + text.substr(0, 40) + "...\" (" + std::to_string(text.size()) + " characters)";
}

}  // namespace lpf_random
