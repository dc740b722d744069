#pragma once
// What the window should look like after each user action, kept alongside the
// real Form1 and compared with it after every step of a random run.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Form1;

namespace lpf_random {

// A result box holds what the program last wrote into it, or what the user
// last typed there; only the program's texts must be results.
struct ResultBoxModel {
    QString text;
    bool typedByUser = false;
};

struct WindowModel {
    // Order: three poles at start-up. Until the first switch the captions
    // stand as the window was designed (both "Select" captions shown, for one).
    bool twoPoles = false;
    bool switched = false;
    bool helpShown = false;
    bool promptShown = true;  // "Click "Design" to refresh"

    // Resistor selector. text1 is what Text1 should show: the value written
    // by the program, or what the user typed there since.
    int value = 1000;
    QString incrementOption = QStringLiteral("Option3");
    QString text1 = QStringLiteral("1000");

    QString text5 = QStringLiteral("1000");
    std::optional<double> frequency = 1000.0;  // what Text5 reads as, where known

    std::array<ResultBoxModel, 3> results{};  // Text2, Text3, Text4
    bool focusOnText1 = false;                // right after Close

    int SmallStep() const;  // of the selected increment option

    // Handlers, as the user sees their effect.
    void SelectOrder(bool two);
    void Settle(int newValue);  // the scroll bar reports a position
    void Reset();
    void Help() { helpShown = true; }
    void Close();
    // Design: checks what was written against the inputs, then keeps it.
    QStringList Design(const Form1& form);

    // Every invariant, compared with the real window; one line per violation.
    QStringList Check(const Form1& form) const;
};

// The model's text of a box the user is editing (a result box then holds the
// user's text); nullptr for the masks, which no edit changes.
QString* UserTextOf(WindowModel& model, const QString& box);

}  // namespace lpf_random
