// The Design command's computation: what it stores and the texts it returns.

#include "design_command.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calculation.h"
#include "expected_results.h"

namespace {

using Texts = std::optional<std::vector<std::string>>;

// What the window holds when Design is pressed.
struct Inputs {
    std::string frequency = "1000";                         // start-up text of Text5
    lpf::FilterOrder order = lpf::FilterOrder::ThreePoles;  // start-up order
    char separator = '.';
};

Texts Press(lpf::DesignState& state, const Inputs& in) {
    return lpf::Design(state, in.frequency, in.order, in.separator);
}

Texts TwoPoleTexts(const std::string& t2, const std::string& t3) {
    return std::vector<std::string>{t2, t3};
}

Texts ThreePoleTexts(const std::string& t2, const std::string& t3, const std::string& t4) {
    return std::vector<std::string>{t2, t3, t4};
}

// Capacitor values in farads at 1000 Hz and 1000 ohms, as Python computes them.
constexpr double kC1 = 2.250450895025552e-07, kC2 = 1.1253846024558471e-07;
constexpr double kC3 = 5.643634281301703e-07, kC4 = 2.215436807549907e-07,
                 kC5 = 3.221296047759348e-08;

double Freq(const lpf::DesignState& state) {
    EXPECT_TRUE(std::holds_alternative<double>(state.Freq)) << "Freq must hold the parsed double";
    return lpf::AsDouble(state.Freq);
}

TEST(Design, StartUpPressFillsThreePoleBoxes) {
    lpf::DesignState state;
    ASSERT_TRUE(std::holds_alternative<std::int16_t>(state.Freq));
    EXPECT_EQ(Press(state, {}),
              ThreePoleTexts("0.56436342813017", "0.221543680754991", "3.22129604775935E-02"));
    EXPECT_EQ(Freq(state), 1000.0);
    EXPECT_EQ(state.PiVal, 3.141592654);
    EXPECT_EQ(state.C3, kC3);
    EXPECT_EQ(state.C4, kC4);
    EXPECT_EQ(state.C5, kC5);
    EXPECT_EQ(state.C1, 0.0);  // the other order keeps what it held
    EXPECT_EQ(state.C2, 0.0);
}

TEST(Design, TwoPolePressLeavesText4AndThreePoleValuesAlone) {
    lpf::DesignState state;
    state.C3 = 3, state.C4 = 4, state.C5 = 5;
    EXPECT_EQ(Press(state, {.order = lpf::FilterOrder::TwoPoles}),
              TwoPoleTexts("0.225045089502555", "0.112538460245585"));
    EXPECT_EQ(state.C1, kC1);
    EXPECT_EQ(state.C2, kC2);
    EXPECT_EQ(state.C3, 3);
    EXPECT_EQ(state.C4, 4);
    EXPECT_EQ(state.C5, 5);
}

TEST(Design, NeitherOrderOnlyStoresFrequencyAndPi) {
    lpf::DesignState state;
    state.C1 = 1, state.C3 = 3;
    EXPECT_EQ(Press(state, {.frequency = "50", .order = lpf::FilterOrder::None}),
              Texts(std::vector<std::string>{}));
    EXPECT_EQ(Freq(state), 50.0);
    EXPECT_EQ(state.PiVal, 3.141592654);
    EXPECT_EQ(state.C1, 1);
    EXPECT_EQ(state.C3, 3);
}

TEST(Design, PressingTwiceGivesTheSameTexts) {
    for (bool two : {true, false}) {
        SCOPED_TRACE(two ? "two poles" : "three poles");
        lpf::DesignState state;
        const Inputs in{"2000", two ? lpf::FilterOrder::TwoPoles : lpf::FilterOrder::ThreePoles};
        const Texts first = Press(state, in);
        ASSERT_TRUE(first.has_value());
        EXPECT_EQ(Press(state, in), first);
    }
}

// Every row of the expected tables, typed into Text5 and designed.
TEST(Design, TextsForEveryRow) {
    for (bool two : {true, false}) {
        for (const OrderRow& row : two ? kTwoPoles : kThreePoles) {
            SCOPED_TRACE(std::string(two ? "two poles, " : "three poles, ") + row.frequencyText +
                         " Hz, " + std::to_string(row.rval) + " ohm, '" + row.separator + "'");
            lpf::DesignState state;
            state.Rval = row.rval;
            const Inputs in{row.frequencyText,
                            two ? lpf::FilterOrder::TwoPoles : lpf::FilterOrder::ThreePoles,
                            row.separator};
            const auto& t = row.texts;
            EXPECT_EQ(Press(state, in),
                      two ? TwoPoleTexts(t[0], t[1]) : ThreePoleTexts(t[0], t[1], t[2]));
            EXPECT_EQ(Freq(state), row.frequency);
        }
    }
}

// A frequency that reads as zero, or inputs whose results leave the double
// range: the boxes are shown empty and the previous values stay stored.
TEST(Design, FailureEmptiesBoxesAndKeepsPreviousValues) {
    const struct {
        const char* text;
        double freq;
    } rows[] = {
        // The frequency reads as zero.
        {"0", 0.0},
        {"", 0.0},
        {"abc", 0.0},
        {"-", 0.0},
        {"0.000", 0.0},
        {"1e-400", 0.0},
        // Every text overflows; the values in farads are finite.
        {"1e-310", 1e-310},
        {"-1e-310", -1e-310},
        // C1, C3 and C4 overflow, C2 and C5 alone would still fit: all or none.
        {"8.66e-307", 8.66e-307},
        // The values in farads overflow.
        {"1e-320", 1e-320},
        // The divisor overflows.
        {"1e305", 1e305},
        {"1e400", std::numeric_limits<double>::infinity()},
    };
    for (bool two : {true, false}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(two ? "two poles, " : "three poles, ") + "\"" + row.text +
                         "\"");
            lpf::DesignState state;
            Inputs in{.order = two ? lpf::FilterOrder::TwoPoles : lpf::FilterOrder::ThreePoles};
            ASSERT_TRUE(Press(state, in).has_value());  // 1000 Hz first
            in.frequency = row.text;
            EXPECT_EQ(Press(state, in), std::nullopt);
            EXPECT_EQ(Freq(state), row.freq);
            EXPECT_EQ(state.PiVal, 3.141592654);
            if (two) {
                EXPECT_EQ(state.C1, kC1);
                EXPECT_EQ(state.C2, kC2);
            } else {
                EXPECT_EQ(state.C3, kC3);
                EXPECT_EQ(state.C4, kC4);
                EXPECT_EQ(state.C5, kC5);
            }
        }
    }
}

}  // namespace
