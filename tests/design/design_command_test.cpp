// The Design command against a recording stand-in for the window.

#include "design_command.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "calculation.h"
#include "expected_results.h"

namespace {

using lpf::ResultBox;
using Calls = std::vector<std::string>;

const char* BoxName(ResultBox box) {
    switch (box) {
        case ResultBox::Text2:
            return "Text2";
        case ResultBox::Text3:
            return "Text3";
        case ResultBox::Text4:
            return "Text4";
    }
    return "?";
}

// Records every read of Text5 and every change to the window, in order.
class FakeWindow : public lpf::DesignWindow {
  public:
    std::string frequency = "1000";  // start-up text of Text5
    bool twoPoles = false;
    bool threePoles = true;  // start-up order
    char separator = '.';
    mutable Calls calls;

    std::string FrequencyText() const override {
        calls.push_back("read Text5");
        return frequency;
    }
    bool TwoPolesSelected() const override { return twoPoles; }
    bool ThreePolesSelected() const override { return threePoles; }
    char DecimalSeparator() const override { return separator; }
    void HideRefreshPrompt() override { calls.push_back("hide Label20"); }
    void ShowResultBox(ResultBox box) override {
        calls.push_back(std::string("show ") + BoxName(box));
    }
    void SetResultText(ResultBox box, const std::string& text) override {
        calls.push_back(std::string(BoxName(box)) + " = " + text);
    }
};

Calls TwoPoleCalls(const std::string& t2, const std::string& t3) {
    return {"read Text5", "hide Label20",  "show Text2",
            "show Text3", "Text2 = " + t2, "Text3 = " + t3};
}

Calls ThreePoleCalls(const std::string& t2, const std::string& t3, const std::string& t4) {
    return {"read Text5", "hide Label20",  "show Text2",    "show Text3",
            "show Text4", "Text2 = " + t2, "Text3 = " + t3, "Text4 = " + t4};
}

// Capacitor values in farads at 1000 Hz and 1000 ohms, as Python computes them.
constexpr double kC1 = 2.250450895025552e-07, kC2 = 1.1253846024558471e-07;
constexpr double kC3 = 5.643634281301703e-07, kC4 = 2.215436807549907e-07,
                 kC5 = 3.221296047759348e-08;

double Freq(const lpf::DesignState& state) {
    EXPECT_TRUE(std::holds_alternative<double>(state.Freq)) << "Freq must hold the parsed double";
    return lpf::AsDouble(state.Freq);
}

TEST(Command1_Click, StartUpPressFillsThreePoleBoxes) {
    lpf::DesignState state;
    ASSERT_TRUE(std::holds_alternative<std::int16_t>(state.Freq));
    FakeWindow window;
    lpf::Command1_Click(state, window);
    EXPECT_EQ(window.calls,
              ThreePoleCalls("0.56436342813017", "0.221543680754991", "3.22129604775935E-02"));
    EXPECT_EQ(Freq(state), 1000.0);
    EXPECT_EQ(state.PiVal, 3.141592654);
    EXPECT_EQ(state.C3, kC3);
    EXPECT_EQ(state.C4, kC4);
    EXPECT_EQ(state.C5, kC5);
    EXPECT_EQ(state.C1, 0.0);  // the other order keeps what it held
    EXPECT_EQ(state.C2, 0.0);
}

TEST(Command1_Click, TwoPolePressLeavesText4AndThreePoleValuesAlone) {
    lpf::DesignState state;
    state.C3 = 3, state.C4 = 4, state.C5 = 5;
    FakeWindow window;
    window.twoPoles = true, window.threePoles = false;
    lpf::Command1_Click(state, window);
    EXPECT_EQ(window.calls, TwoPoleCalls("0.225045089502555", "0.112538460245585"));
    EXPECT_EQ(state.C1, kC1);
    EXPECT_EQ(state.C2, kC2);
    EXPECT_EQ(state.C3, 3);
    EXPECT_EQ(state.C4, 4);
    EXPECT_EQ(state.C5, 5);
}

TEST(Command1_Click, NeitherOrderOnlyReadsAndHidesPrompt) {
    lpf::DesignState state;
    state.C1 = 1, state.C3 = 3;
    FakeWindow window;
    window.threePoles = false;
    window.frequency = "50";
    lpf::Command1_Click(state, window);
    EXPECT_EQ(window.calls, (Calls{"read Text5", "hide Label20"}));
    EXPECT_EQ(Freq(state), 50.0);
    EXPECT_EQ(state.PiVal, 3.141592654);
    EXPECT_EQ(state.C1, 1);
    EXPECT_EQ(state.C3, 3);
}

TEST(Command1_Click, PressingTwiceGivesTheSameTexts) {
    for (bool two : {true, false}) {
        SCOPED_TRACE(two ? "two poles" : "three poles");
        lpf::DesignState state;
        FakeWindow window;
        window.twoPoles = two, window.threePoles = !two;
        window.frequency = "2000";
        lpf::Command1_Click(state, window);
        const Calls first = window.calls;
        window.calls.clear();
        lpf::Command1_Click(state, window);
        EXPECT_EQ(window.calls, first);
    }
}

// Every row of the expected tables, typed into Text5 and designed.
TEST(Command1_Click, TextsForEveryRow) {
    for (bool two : {true, false}) {
        for (const OrderRow& row : two ? kTwoPoles : kThreePoles) {
            SCOPED_TRACE(std::string(two ? "two poles, " : "three poles, ") + row.frequencyText +
                         " Hz, " + std::to_string(row.rval) + " ohm, '" + row.separator + "'");
            lpf::DesignState state;
            state.Rval = row.rval;
            FakeWindow window;
            window.twoPoles = two, window.threePoles = !two;
            window.frequency = row.frequencyText;
            window.separator = row.separator;
            lpf::Command1_Click(state, window);
            const auto& t = row.texts;
            EXPECT_EQ(window.calls,
                      two ? TwoPoleCalls(t[0], t[1]) : ThreePoleCalls(t[0], t[1], t[2]));
            EXPECT_EQ(Freq(state), row.frequency);
        }
    }
}

// A frequency that reads as zero, or inputs whose results leave the double
// range: the boxes are shown empty and the previous values stay stored.
TEST(Command1_Click, FailureEmptiesBoxesAndKeepsPreviousValues) {
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
            FakeWindow window;
            window.twoPoles = two, window.threePoles = !two;
            lpf::Command1_Click(state, window);  // 1000 Hz first
            window.calls.clear();
            window.frequency = row.text;
            lpf::Command1_Click(state, window);
            EXPECT_EQ(window.calls, two ? TwoPoleCalls("", "") : ThreePoleCalls("", "", ""));
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
