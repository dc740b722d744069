#!/usr/bin/env python3
"""Derives the expected result texts of the calculation tests.

Same order of operations as the calculator (integer Rval * 2, then * pi,
then * frequency, then coefficient / that, then * 1000000), with Python's
own correctly rounded double arithmetic and its own '%.14e' rounding to 15
significant digits; the plain/exponent choice is applied here on the
rounded digits. Prints expected_results.h.
"""
import math
from decimal import Decimal

PI_VAL = 3.141592654
COEF = {"C1": 1.414, "C2": 0.7071, "C3": 3.546, "C4": 1.392, "C5": 0.2024}


def capacitance(coef, rval, freq):
    d1 = int(rval) * 2
    d2 = float(d1) * PI_VAL
    d3 = d2 * freq
    if d3 == 0 or not math.isfinite(d3):
        return math.nan
    return coef / d3


def text(farads, sep="."):
    uf = farads * 1000000
    if not math.isfinite(uf):
        return ""
    if uf == 0:
        return "0"
    mantissa, exp = ("%.14e" % abs(uf)).split("e")
    exp = int(exp)
    digits = mantissa.replace(".", "").rstrip("0")
    sign = "-" if uf < 0 else ""
    # Digits the plain form needs before and after the separator.
    plain = format(Decimal(digits).scaleb(exp - len(digits) + 1), "f")
    whole, _, frac = plain.partition(".")
    if len(whole) >= 16 or len(frac) > 15:
        m = digits[0] + (sep + digits[1:] if len(digits) > 1 else "")
        return "%s%sE%s%02d" % (sign, m, "-" if exp < 0 else "+", abs(exp))
    return sign + plain.replace(".", sep)


def order_row(freq_text, rval, names, sep="."):
    freq = float(freq_text)
    texts = [text(capacitance(COEF[n], rval, freq), sep) for n in names]
    return '    {"%s", %s, %d, \'%s\', {%s}},' % (
        freq_text, freq_text, rval, sep, ", ".join('"%s"' % t for t in texts))


def farads_row(farads, sep):
    return '    {"%s", %s, \'%s\', "%s"},' % (farads, farads, sep, text(float(farads), sep))


HEADER = """#pragma once
// Expected result texts, every digit. Written by
// `python3 expected_texts.py > expected_results.h`, which repeats the
// arithmetic with Python's own doubles and formatting; none of them comes
// from running the code under test.

#include <cstdint>
#include <string>
#include <vector>

// One row per line reads best.
// clang-format off

struct OrderRow {
    const char* frequencyText;  // what the user types into Text5
    double frequency;           // the same number, in hertz
    std::int16_t rval;          // ohms
    char separator;             // the locale's decimal separator
    std::vector<std::string> texts;  // Text2, Text3 (and Text4)
};

"""

FARADS_ROW = """
struct FaradsRow {
    const char* name;
    double farads;
    char separator;
    const char* text;
};

// Values straight into MicrofaradText, on both sides of each switch between
// plain and exponent form.
"""


if __name__ == "__main__":
    print(HEADER, end="")
    points = [("1000", 1000), ("50", 1000), ("10", 1000), ("2000", 1100),
              ("100000", 2200), ("0.5", 4700), ("1e-3", 10000), ("1e9", 32767),
              ("1000", -1000), ("-1000", 1000), ("1000", -32768), ("60", 1)]
    for names in (["C1", "C2"], ["C3", "C4", "C5"]):
        print("// %s." % " and ".join(", ".join(names).rsplit(", ", 1)))
        print("inline const std::vector<OrderRow> %s = {" %
              ("kTwoPoles" if len(names) == 2 else "kThreePoles"))
        for f, r in points:
            print(order_row(f, r, names))
        print(order_row("1000", 1000, names, ","))
        print(order_row("2000", 1100, names, ","))
        print("};\n")
    print(FARADS_ROW.lstrip("\n"), end="")
    print("inline const std::vector<FaradsRow> kFaradsTexts = {")
    for farads in ["2e-6", "0.5e-6", "1.25e-6", "-3.21e-8", "0.0", "-0.0", "12345678.9012345",
                   "123456789.012345", "999999999.999999", "999999999.9999995", "1e9",
                   "1234567890.123456", "1.23456789012345e-7", "1.23456789012345e-8",
                   "9.99999999999999e-7", "9.999999999999999e-7", "9.9999999999999999e-22",
                   "1e-21", "1.5e-21", "1e-22", "-1e-22", "1e-300", "5e-324", "1e302", "1e303",
                   "-1e303"]:
        print(farads_row(farads, "."))
    for farads in ["1.25e-6", "1.23456789012345e-7", "1.23456789012345e-8", "1.5e-21",
                   "1234567890.123456", "2e-6"]:
        print(farads_row(farads, ","))
    print("};")
    print("\n// clang-format on")
