// Capacitor values and their text in microfarads.

#include "calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "design_state.h"
#include "expected_results.h"

namespace {

using lpf::ButterworthTable;
using lpf::ComputeCapacitance;
using lpf::MicrofaradText;

std::string RowName(const OrderRow& row) {
    return std::string(row.frequencyText) + " Hz, " + std::to_string(row.rval) + " ohm, '" +
           row.separator + "'";
}

void ExpectTexts(const std::vector<OrderRow>& table, const std::vector<double>& coefficients) {
    for (const OrderRow& row : table) {
        SCOPED_TRACE(RowName(row));
        for (std::size_t i = 0; i < coefficients.size(); ++i) {
            const double farads =
                ComputeCapacitance(coefficients[i], row.rval, row.frequency, lpf::kPiVal);
            EXPECT_EQ(MicrofaradText(farads, row.separator), row.texts[i]) << "result " << i + 1;
        }
    }
}

TEST(ComputeCapacitance, TwoPoleTextsEveryDigit) {
    ExpectTexts(kTwoPoles, {ButterworthTable::C1, ButterworthTable::C2});
}

TEST(ComputeCapacitance, ThreePoleTextsEveryDigit) {
    ExpectTexts(kThreePoles, {ButterworthTable::C3, ButterworthTable::C4, ButterworthTable::C5});
}

TEST(ComputeCapacitance, OneKilohertzOneKilohmToFourDigits) {
    const struct {
        const char* name;
        double coefficient, microfarads, tolerance;
    } rows[] = {
        {"C1", ButterworthTable::C1, 0.2250, 0.00005},
        {"C2", ButterworthTable::C2, 0.1125, 0.00005},
        {"C3", ButterworthTable::C3, 0.5644, 0.00005},
        {"C4", ButterworthTable::C4, 0.2215, 0.00005},
        {"C5", ButterworthTable::C5, 0.03221, 0.000005},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(ComputeCapacitance(row.coefficient, 1000, 1000, lpf::kPiVal) * 1e6,
                    row.microfarads, row.tolerance);
    }
}

TEST(ComputeCapacitance, StoredValuesInFarads) {
    // The doubles themselves at 1000 Hz and 1000 ohms, as Python computes them.
    EXPECT_EQ(ComputeCapacitance(ButterworthTable::C1, 1000, 1000, lpf::kPiVal),
              2.250450895025552e-07);
    EXPECT_EQ(ComputeCapacitance(ButterworthTable::C2, 1000, 1000, lpf::kPiVal),
              1.1253846024558471e-07);
    EXPECT_EQ(ComputeCapacitance(ButterworthTable::C3, 1000, 1000, lpf::kPiVal),
              5.643634281301703e-07);
    EXPECT_EQ(ComputeCapacitance(ButterworthTable::C4, 1000, 1000, lpf::kPiVal),
              2.215436807549907e-07);
    EXPECT_EQ(ComputeCapacitance(ButterworthTable::C5, 1000, 1000, lpf::kPiVal),
              3.221296047759348e-08);
}

TEST(ComputeCapacitance, DoublingFrequencyOrResistorHalvesEveryResult) {
    // Doubling is exact in binary, so the halving is exact too.
    for (double coefficient : {ButterworthTable::C1, ButterworthTable::C2, ButterworthTable::C3,
                               ButterworthTable::C4, ButterworthTable::C5}) {
        SCOPED_TRACE(coefficient);
        const double base = ComputeCapacitance(coefficient, 1000, 1000, lpf::kPiVal);
        EXPECT_EQ(ComputeCapacitance(coefficient, 1000, 2000, lpf::kPiVal), base / 2);
        EXPECT_EQ(ComputeCapacitance(coefficient, 2000, 1000, lpf::kPiVal), base / 2);
    }
}

TEST(ComputeCapacitance, NoFiniteDivisorGivesNaN) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        std::int16_t rval;
        double freq;
    } rows[] = {
        {"zero frequency", 1000, 0.0},      {"negative zero frequency", 1000, -0.0},
        {"zero resistor", 0, 1000.0},       {"infinite frequency", 1000, kInf},
        {"product overflows", 1000, 1e305}, {"NaN frequency", 1000, std::nan("")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(
            std::isnan(ComputeCapacitance(ButterworthTable::C1, row.rval, row.freq, lpf::kPiVal)));
    }
}

TEST(MicrofaradText, PlainAndExponentForms) {
    for (const FaradsRow& row : kFaradsTexts) {
        SCOPED_TRACE(std::string(row.name) + " F, '" + row.separator + "'");
        EXPECT_EQ(MicrofaradText(row.farads, row.separator), row.text);
    }
}

TEST(MicrofaradText, NonFiniteGivesEmptyText) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (double farads : {std::nan(""), kInf, -kInf}) {
        SCOPED_TRACE(farads);
        EXPECT_EQ(MicrofaradText(farads), "");
    }
}

}  // namespace
