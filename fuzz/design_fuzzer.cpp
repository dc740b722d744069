// Fuzzes the whole Design command: frequency text, resistor value and order
// from the input bytes, through Command1_Click and a recording window, to the
// result texts. Every text must be a well-formed result showing the computed
// value rounded to 15 significant digits, or, when the order cannot be
// computed, every box of that order must be empty and the stored values kept.
//
// Input layout: byte 0 selects the order (bits 0-1: two poles, three poles,
// neither, both) and the locale's separator (bit 2: comma); bytes 1-2 give
// the resistor, 1000 + value % 9001 ohms; the rest is the frequency text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "calculation.h"
#include "design_command.h"
#include "design_state.h"
#include "reference.h"

namespace {

struct Call {
    enum Kind { Hide, Show, Set } kind;
    lpf::ResultBox box;
    std::string text;
};

class RecordingWindow : public lpf::DesignWindow {
  public:
    std::string frequency;
    bool two = false, three = false;
    char separator = '.';
    std::vector<Call> calls;

    std::string FrequencyText() const override { return frequency; }
    bool TwoPolesSelected() const override { return two; }
    bool ThreePolesSelected() const override { return three; }
    char DecimalSeparator() const override { return separator; }
    void HideRefreshPrompt() override { calls.push_back({Call::Hide, {}, {}}); }
    void ShowResultBox(lpf::ResultBox box) override { calls.push_back({Call::Show, box, {}}); }
    void SetResultText(lpf::ResultBox box, const std::string& text) override {
        calls.push_back({Call::Set, box, text});
    }
};

[[noreturn]] void Fail(const RecordingWindow& w, int rval, const std::string& what) {
    std::fprintf(stderr, "Design with frequency \"%s\", %d ohms, %s%s, separator '%c': %s\n",
                 w.frequency.c_str(), rval, w.two ? "two poles " : "", w.three ? "three poles" : "",
                 w.separator, what.c_str());
    std::abort();
}

// The capacitor in farads, step by step in the calculator's order; NaN when
// the divisor is zero or beyond the double range, which the command must
// treat as an order it cannot compute.
double Farads(double coefficient, int rval, double freq) {
    const std::int32_t d1 = rval * 2;
    const double d2 = d1 * 3.141592654;
    const double d3 = d2 * freq;
    if (d3 == 0 || !std::isfinite(d3)) return NAN;
    return coefficient / d3;
}

struct Order {
    std::vector<double> coefficients;
    std::vector<double lpf::DesignState::*> stored;
    std::vector<lpf::ResultBox> boxes;
};

constexpr double kUntouched = -12345.0;  // what the stored values hold before

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    RecordingWindow w;
    w.two = (data[0] & 3) == 0 || (data[0] & 3) == 3;
    w.three = (data[0] & 3) == 1 || (data[0] & 3) == 3;
    w.separator = data[0] & 4 ? ',' : '.';
    const int rval = 1000 + (data[1] << 8 | data[2]) % 9001;
    w.frequency.assign(reinterpret_cast<const char*>(data) + 3, size - 3);

    lpf::DesignState state;
    state.Rval = static_cast<std::int16_t>(rval);
    state.C1 = state.C2 = state.C3 = state.C4 = state.C5 = kUntouched;
    lpf::Command1_Click(state, w);

    const double freq = fuzzcheck::ReferenceLeadingNumber(w.frequency);
    const double* f = std::get_if<double>(&state.Freq);
    if (!f || !(*f == freq && std::signbit(*f) == std::signbit(freq))) Fail(w, rval, "Freq");
    if (state.PiVal != 3.141592654) Fail(w, rval, "PiVal");

    using B = lpf::ResultBox;
    using S = lpf::DesignState;
    std::vector<Order> orders;
    if (w.two) orders.push_back({{1.414, 0.7071}, {&S::C1, &S::C2}, {B::Text2, B::Text3}});
    if (w.three)
        orders.push_back(
            {{3.546, 1.392, 0.2024}, {&S::C3, &S::C4, &S::C5}, {B::Text2, B::Text3, B::Text4}});

    // The calls must be: hide the prompt, then per order show its boxes and
    // set their texts, in box order.
    std::size_t next = 0;
    auto expect = [&](Call::Kind kind, B box) -> const Call& {
        if (next >= w.calls.size() || w.calls[next].kind != kind ||
            (kind != Call::Hide && w.calls[next].box != box))
            Fail(w, rval, "window calls out of order, at call " + std::to_string(next));
        return w.calls[next++];
    };
    expect(Call::Hide, B::Text2);
    for (const Order& order : orders) {
        for (B box : order.boxes) expect(Call::Show, box);
        std::vector<double> farads;
        bool computable = true;
        for (double k : order.coefficients) {
            farads.push_back(Farads(k, rval, freq));
            computable = computable && std::isfinite(farads.back() * 1000000);
        }
        for (std::size_t i = 0; i < order.boxes.size(); ++i) {
            const std::string& text = expect(Call::Set, order.boxes[i]).text;
            const double stored = state.*order.stored[i];
            if (!computable) {
                if (!text.empty()) Fail(w, rval, "text \"" + text + "\" for a failed order");
                if (stored != kUntouched) Fail(w, rval, "stored value changed on failure");
                continue;
            }
            if (stored != farads[i]) Fail(w, rval, "stored value differs");
            const double microfarads = farads[i] * 1000000;
            const std::string why = fuzzcheck::CheckResultText(text, w.separator, microfarads);
            if (!why.empty()) {
                char value[40];
                std::snprintf(value, sizeof value, "%.17g", microfarads);
                Fail(w, rval, "text \"" + text + "\" for " + value + " uF: " + why);
            }
            // Independent of the order of steps: within rounding of the formula.
            const double exact =
                static_cast<double>(order.coefficients[i] * 1e6L /
                                    (2.0L * 3.141592654L * rval * static_cast<long double>(freq)));
            if (std::isnormal(farads[i]) && std::fabs(microfarads / exact - 1) > 1e-14)
                Fail(w, rval, "value far from the formula");
        }
    }
    if (next != w.calls.size()) Fail(w, rval, "extra window calls");
    return 0;
}
