#include "window_model.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "form1.h"
#include "result_text_check.h"

namespace lpf_random {
namespace {

constexpr const char* kResultBoxes[] = {"Text2", "Text3", "Text4"};
constexpr const char* kOrderOptions[] = {"Option1", "Option2"};
constexpr const char* kIncrementOptions[] = {"Option3", "Option4", "Option5", "Option6",
                                             "Option7", "Option8", "Option9", "Option10"};
constexpr int kIncrementSteps[] = {1, 5, 10, 25, 50, 100, 500, 1000};

const QString kSecondOrder = QStringLiteral("Normalized 2nd order LPF C1 = 1.414 and C2 = 0.7071");
const QString kThirdOrder =
    QStringLiteral("Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024.");

char Separator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point[0].toLatin1() : '.';
}

// A box's or a mask's text.
QString TextOf(const Form1& form, const char* name) {
    return form.Control<QWidget>(name)->property("text").toString();
}

bool Visible(const Form1& form, const char* name) {
    return form.Control<QWidget>(name)->isVisible();
}

// Shown or hidden with the order, once a switch has run.
struct Follower {
    const char* name;
    bool withTwoPoles;
    bool withThreePoles;
    bool atStartUp;
};

constexpr Follower kFollowers[] = {
    {"Label20", true, true, true},  // the prompt: checked separately below
    {"Label4", true, false, false}, {"Label1", false, true, true},  {"Label13", true, false, true},
    {"Label14", false, true, true}, {"Label5", true, false, false}, {"Label6", true, false, false},
    {"Label10", false, true, true}, {"Label11", false, true, true}, {"Label12", false, true, true},
    {"Label15", true, true, true},  {"Label16", true, true, true},  {"Label17", true, true, true},
    {"Label18", false, true, true}, {"Text1", true, true, true},    {"Text4", false, true, true},
    {"Image1", true, false, false}, {"Image2", false, true, true},  {"Text6", true, false, false},
    {"Text7", false, true, true},
};

// Controls that nothing ever hides.
constexpr const char* kAlwaysShown[] = {
    "Command1", "Command2", "Command4", "Command5", "Text5",   "Text2",    "Text3",
    "HScroll1", "Frame1",   "Frame2",   "Option1",  "Option2", "Option3",  "Option4",
    "Option5",  "Option6",  "Option7",  "Option8",  "Option9", "Option10", "Label2",
    "Label3",   "Label7",   "Label8",   "Label9",   "Label19"};

QString CheckedOf(const Form1& form, const char* const* names, std::size_t count, int* checked) {
    QString which;
    *checked = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (form.Control<QRadioButton>(names[i])->isChecked()) {
            ++*checked;
            which = QString::fromLatin1(names[i]);
        }
    return which;
}

// The capacitor in microfarads for a frequency the test knows, computed in the
// calculator's order: (Rval * 2) * pi * f, then the coefficient divided by it.
std::optional<double> ExpectedMicrofarads(double coefficient, int rval, double f) {
    const double d3 = double(rval * 2) * 3.141592654 * f;
    if (d3 == 0.0 || !std::isfinite(d3)) return std::nullopt;
    const double uF = coefficient / d3 * 1000000;
    if (!std::isfinite(uF)) return std::nullopt;
    return uF;
}

}  // namespace

QString* UserTextOf(WindowModel& model, const QString& box) {
    if (box == QLatin1String("Text1")) return &model.text1;
    if (box == QLatin1String("Text5")) return &model.text5;
    for (int i = 0; i < 3; ++i)
        if (box == QLatin1String(kResultBoxes[i])) {
            model.results[i].typedByUser = true;
            return &model.results[i].text;
        }
    return nullptr;
}

int WindowModel::SmallStep() const {
    for (int i = 0; i < 8; ++i)
        if (incrementOption == QLatin1String(kIncrementOptions[i])) return kIncrementSteps[i];
    return 0;
}

void WindowModel::SelectOrder(bool two) {
    twoPoles = two;
    switched = true;
    promptShown = true;
    results[0] = {QStringLiteral(" "), false};
    results[1] = {QStringLiteral(" "), false};
    if (!two) results[2] = {QStringLiteral(" "), false};  // two poles leave Text4's text
}

void WindowModel::Settle(int newValue) {
    if (newValue == value) return;  // no change, no notification
    value = newValue;
    text1 = QString::number(newValue);
}

void WindowModel::Reset() {
    Settle(1000);
    incrementOption = QStringLiteral("Option3");
}

void WindowModel::Close() {
    helpShown = false;
    focusOnText1 = true;
}

QStringList WindowModel::Design(const Form1& form) {
    QStringList problems;
    promptShown = false;
    const std::vector<double> coefficients =
        twoPoles ? std::vector<double>{1.414, 0.7071} : std::vector<double>{3.546, 1.392, 0.2024};
    const std::size_t n = coefficients.size();
    std::vector<QString> texts;
    for (std::size_t i = 0; i < n; ++i) texts.push_back(TextOf(form, kResultBoxes[i]));

    std::size_t empty = 0;
    std::vector<double> values;
    for (std::size_t i = 0; i < n; ++i) {
        if (texts[i].isEmpty()) {
            ++empty;
            continue;
        }
        const std::string t = texts[i].toStdString();
        if (auto why = ResultTextProblem(t, Separator()))
            problems << QStringLiteral("Design wrote [%1] into %2: %3")
                            .arg(texts[i], kResultBoxes[i], QString::fromStdString(*why));
        else
            values.push_back(ResultTextValue(t, Separator()));
    }
    if (empty != 0 && empty != n)
        problems << QStringLiteral("Design filled some result boxes and left others empty");

    if (frequency) {
        std::vector<std::optional<double>> expected;
        bool computable = true;
        for (double c : coefficients) {
            expected.push_back(ExpectedMicrofarads(c, value, *frequency));
            computable = computable && expected.back().has_value();
        }
        if (!computable && empty != n)
            problems << QStringLiteral("frequency %1 cannot be computed, yet Design wrote a result")
                            .arg(*frequency, 0, 'g', 17);
        if (computable && empty != 0)
            problems << QStringLiteral("frequency %1 with %2 ohms left a result box empty")
                            .arg(*frequency, 0, 'g', 17)
                            .arg(value);
        if (computable && values.size() == n)
            for (std::size_t i = 0; i < n; ++i)
                if (std::fabs(values[i] - *expected[i]) > 1e-12 * std::fabs(*expected[i]))
                    problems << QStringLiteral("%1 shows %2, expected %3 (frequency %4, %5 ohms)")
                                    .arg(kResultBoxes[i], texts[i])
                                    .arg(*expected[i], 0, 'g', 15)
                                    .arg(*frequency, 0, 'g', 17)
                                    .arg(value);
    } else if (values.size() == n && std::fabs(values[0]) > 1e-290) {
        // Unknown frequency: the boxes still stand in the ratio of the coefficients.
        for (std::size_t i = 1; i < n; ++i) {
            const double want = values[0] * coefficients[i] / coefficients[0];
            if (std::fabs(values[i] - want) > 1e-12 * std::fabs(want))
                problems << QStringLiteral(
                                "%1 [%2] is not in the coefficients' ratio to Text2 [%3]")
                                .arg(kResultBoxes[i], texts[i], texts[0]);
        }
    }

    for (std::size_t i = 0; i < n; ++i) results[i] = {texts[i], false};
    return problems;
}

QStringList WindowModel::Check(const Form1& form) const {
    QStringList p;
    auto expect = [&p](bool ok, const QString& what) {
        if (!ok) p << what;
    };

    // The schematics and their masks.
    const bool image1 = Visible(form, "Image1"), image2 = Visible(form, "Image2");
    expect(image1 != image2, QStringLiteral("not exactly one schematic shown"));
    expect(Visible(form, "Text6") == image1, QStringLiteral("Text6 does not follow Image1"));
    expect(Visible(form, "Text7") == image2, QStringLiteral("Text7 does not follow Image2"));
    const bool threePoles = !twoPoles;
    expect(Visible(form, "Text4") == threePoles,
           QStringLiteral("Text4 not shown exactly with three poles"));
    expect(Visible(form, "Label18") == threePoles,
           QStringLiteral("Label18 (uF) not shown exactly with three poles"));

    for (const Follower& f : kFollowers) {
        if (QLatin1String(f.name) == QLatin1String("Label20")) continue;
        const bool want = !switched ? f.atStartUp : (twoPoles ? f.withTwoPoles : f.withThreePoles);
        expect(Visible(form, f.name) == want,
               QStringLiteral("%1 is %2").arg(f.name, want ? "hidden" : "shown"));
    }
    for (const char* name : kAlwaysShown)
        expect(Visible(form, name), QStringLiteral("%1 is hidden").arg(name));
    expect(
        Visible(form, "Label20") == promptShown,
        QStringLiteral("the refresh prompt Label20 is %1").arg(promptShown ? "hidden" : "shown"));

    // Help sheet.
    expect(Visible(form, "Picture1") == helpShown,
           QStringLiteral("Picture1 is %1").arg(helpShown ? "hidden" : "shown"));
    expect(Visible(form, "Command6") == Visible(form, "Picture1"),
           QStringLiteral("Command6 not shown exactly with Picture1"));
    expect(!form.Control<QWidget>("Picture1")->isEnabled(), QStringLiteral("Picture1 is enabled"));

    // Order caption.
    const auto* caption = form.Control<QLabel>("Label3");
    expect(caption->text() == (twoPoles ? kSecondOrder : kThirdOrder),
           QStringLiteral("Label3 reads [%1]").arg(caption->text()));
    const QColor colour = caption->palette().color(QPalette::WindowText);
    expect(colour == (twoPoles ? QColor(192, 0, 0) : QColor(0, 0, 128)),
           QStringLiteral("Label3 is coloured %1").arg(colour.name()));

    // Option groups.
    int checked = 0;
    const QString order = CheckedOf(form, kOrderOptions, 2, &checked);
    expect(checked == 1, QStringLiteral("%1 options selected in Frame1").arg(checked));
    expect(order == QLatin1String(twoPoles ? "Option1" : "Option2"),
           QStringLiteral("Frame1 has %1 selected").arg(order));
    const QString increment = CheckedOf(form, kIncrementOptions, 8, &checked);
    expect(checked == 1, QStringLiteral("%1 options selected in Frame2").arg(checked));
    expect(increment == incrementOption,
           QStringLiteral("Frame2 has %1 selected, expected %2").arg(increment, incrementOption));

    // Resistor selector.
    const auto* bar = form.Control<QScrollBar>("HScroll1");
    int step = 0;
    for (int i = 0; i < 8; ++i)
        if (increment == QLatin1String(kIncrementOptions[i])) step = kIncrementSteps[i];
    expect(bar->singleStep() == step,
           QStringLiteral("small step %1 with %2 selected").arg(bar->singleStep()).arg(increment));
    expect(bar->minimum() == 1000 && bar->maximum() == 10000 && bar->pageStep() == 1,
           QStringLiteral("scroll bar range %1..%2, large step %3")
               .arg(bar->minimum())
               .arg(bar->maximum())
               .arg(bar->pageStep()));
    expect(bar->value() == value,
           QStringLiteral("scroll bar at %1, expected %2").arg(bar->value()).arg(value));
    auto& state = const_cast<Form1&>(form).State();
    expect(state.Rval == bar->value(),
           QStringLiteral("Rval %1 but the scroll bar is at %2").arg(state.Rval).arg(bar->value()));
    // Also during a thumb drag: the value has not settled, so Text1 keeps it.
    expect(TextOf(form, "Text1") == text1,
           QStringLiteral("Text1 reads [%1], expected [%2]").arg(TextOf(form, "Text1"), text1));

    // Text boxes.
    expect(TextOf(form, "Text5") == text5,
           QStringLiteral("Text5 reads [%1], expected [%2]").arg(TextOf(form, "Text5"), text5));
    expect(TextOf(form, "Text6") == QString(6, QLatin1Char(' ')),
           QStringLiteral("the mask Text6 reads [%1]").arg(TextOf(form, "Text6")));
    expect(TextOf(form, "Text7") == QString(8, QLatin1Char(' ')),
           QStringLiteral("the mask Text7 reads [%1]").arg(TextOf(form, "Text7")));
    for (int i = 0; i < 3; ++i) {
        const QString actual = TextOf(form, kResultBoxes[i]);
        expect(actual == results[i].text, QStringLiteral("%1 reads [%2], expected [%3]")
                                              .arg(kResultBoxes[i], actual, results[i].text));
        if (!results[i].typedByUser && !actual.isEmpty() && actual != QLatin1String(" ")) {
            if (auto why = ResultTextProblem(actual.toStdString(), Separator()))
                p << QStringLiteral("%1 shows [%2]: %3")
                         .arg(kResultBoxes[i], actual, QString::fromStdString(*why));
        }
    }

    // Focus.
    const QWidget* focus = QApplication::focusWidget();
    if (focus) {
        expect(focus->isVisible() && focus->isEnabled(),
               QStringLiteral("the focus is on %1, which is hidden or disabled")
                   .arg(focus->objectName()));
        expect(focus->focusPolicy() != Qt::NoFocus,
               QStringLiteral("the focus is on %1, which takes no focus").arg(focus->objectName()));
    }
    // Focus and selection go together inside an option group.
    if (const auto* option = qobject_cast<const QRadioButton*>(focus))
        expect(
            option->isChecked(),
            QStringLiteral("the focus is on %1, which is not selected").arg(option->objectName()));
    if (focusOnText1)
        expect(focus == form.Control<QWidget>("Text1"),
               QStringLiteral("after Close the focus is on %1, not Text1")
                   .arg(focus ? focus->objectName() : QStringLiteral("nothing")));
    return p;
}

}  // namespace lpf_random
