// The form's handlers against a recording stand-in for a window: what each
// one changes, in order, with nothing done by a toolkit calling back.

#include "form.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "control_table.h"
#include "high_contrast.h"
#include "rules.h"

namespace {

using lpf::ControlId;
using Calls = std::vector<std::string>;

std::string Name(ControlId id) {
    return lpf::Row(id).name;
}

// Keeps what a window would hold and records every change, in order, and
// every call its contract does not allow.
class RecordingView : public lpf::View {
  public:
    std::map<ControlId, std::string> texts{{ControlId::Text5, "1000"}, {ControlId::Text1, "1000"}};
    ControlId order = ControlId::Option2;
    ControlId increment = ControlId::Option3;
    int scrollValue = 1000;
    std::string separator = ",";  // as the locale writes it
    Calls calls;
    Calls announced;  // what a screen reader was told to read out, apart from the calls
    mutable Calls outsideContract;

  private:
    void OutsideContract(const char* call, ControlId id) const override {
        outsideContract.push_back(std::string(call) + " " + Name(id));
    }
    void DoSetVisible(ControlId id, bool v) override { Log((v ? "show " : "hide ") + Name(id)); }
    void DoSetText(ControlId id, const std::string& t) override {
        texts[id] = t;
        Log(Name(id) + " = " + t);
    }
    std::string DoText(ControlId id) const override { return texts.at(id); }
    void DoSetForeColour(ControlId id, lpf::Colour c) override {
        Log(Name(id) + " colour " + std::to_string(c.Red()) + "," + std::to_string(c.Green()) +
            "," + std::to_string(c.Blue()));
    }
    void DoRepaint(ControlId id) override { Log("repaint " + Name(id)); }
    void DoRepaintWindow() override { Log("repaint Form1"); }
    bool DoSelected(ControlId option) const override {
        return option == order || option == increment;
    }
    void DoSelect(ControlId option) override {
        (option == ControlId::Option1 || option == ControlId::Option2 ? order : increment) = option;
        Log("select " + Name(option));
    }
    int DoScrollValue(ControlId) const override { return scrollValue; }
    void DoSetScrollMinimum(ControlId id, int v) override {
        Log(Name(id) + " minimum " + std::to_string(v));
    }
    void DoSetScrollValue(ControlId id, int v) override {
        scrollValue = v;
        Log(Name(id) + " value " + std::to_string(v));
    }
    void DoSetScrollStep(ControlId id, int v) override {
        Log(Name(id) + " step " + std::to_string(v));
    }
    void DoFocus(ControlId id, lpf::FocusMove move) override {
        Log((move == lpf::FocusMove::Direct ? "focus " : "keyboard focus ") + Name(id));
    }
    void DoSelectAllText(ControlId id) override { Log("select all of " + Name(id)); }
    void DoAnnounce(ControlId id, const std::string& words) override {
        announced.push_back(Name(id) + ": " + words);
    }
    void DoSetAccessibleName(ControlId id, const std::string& n) override {
        Log("name " + Name(id) + " " + n);
    }
    void DoSetLabelFor(ControlId caption, ControlId box) override {
        Log(Name(caption) + " labels " + Name(box));
    }
    std::string DoDecimalSeparator() const override { return separator; }
    void DoQuit() override { Log("quit"); }

    void Log(std::string call) { calls.push_back(std::move(call)); }
};

struct HandlerCase {
    const char* what;
    std::function<void(RecordingView&)> before;  // the window as the user left it
    std::function<void(lpf::Form&)> act;
    const char* only;  // keep the calls that start with this; "" keeps all
    Calls expected;
};

const HandlerCase kCases[] = {
    {"start-up",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.Form_Load(); },
     "",
     {"hide Picture1", "hide Command6", "hide Label4", "hide Label5", "hide Label6", "hide Text6",
      "Label3 = Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024."}},
    {"Help",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.Clicked(ControlId::Command5); },
     "",
     {"show Picture1", "show Command6"}},
    {"Close",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.Clicked(ControlId::Command6); },
     "",
     {"hide Command6", "hide Picture1", "focus Text1"}},
    {"EXIT",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.Clicked(ControlId::Command2); },
     "",
     {"quit"}},
    {"Reset after moving to 4000 with increment 500",
     [](RecordingView& v) { v.scrollValue = 4000, v.increment = ControlId::Option9; },
     [](lpf::Form& f) { f.Clicked(ControlId::Command4); },
     "",
     {"HScroll1 minimum 1000", "HScroll1 value 1000", "Text1 = 1000", "repaint HScroll1",
      "select Option3", "HScroll1 step 1", "repaint Form1"}},
    {"Reset with nothing to put back leaves Text1 as typed",
     [](RecordingView& v) { v.texts[ControlId::Text1] = "2200"; },
     [](lpf::Form& f) { f.Clicked(ControlId::Command4); },
     "",
     {"HScroll1 minimum 1000", "repaint HScroll1", "repaint Form1"}},
    {"the scroll bar settles at 1100",
     [](RecordingView& v) { v.scrollValue = 1100; },
     [](lpf::Form& f) { f.ScrollSettled(ControlId::HScroll1); },
     "",
     {"Text1 = 1100"}},
    {"increment 1000",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.OptionSelected(ControlId::Option10); },
     "",
     {"HScroll1 step 1000"}},
    {"Two Poles: caption and names",
     [](RecordingView& v) { v.order = ControlId::Option1; },
     [](lpf::Form& f) { f.OptionSelected(ControlId::Option1); },
     "name ",
     {"name Label19 Enter frequency (Hz)", "name Text5 Enter frequency (Hz)",
      "name HScroll1 Select R1", "name Text1 R1 = R2 (Ohm)", "name Text2 C1 (uF)",
      "name Text3 C2 (uF)", "name Label12 C5 (uF)", "name Text4 C5 (uF)"}},
    {"Three Poles: caption colour and text",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.OptionSelected(ControlId::Option2); },
     "Label3",
     {"Label3 colour 0,0,128",
      "Label3 = Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024."}},
    {"Two Poles: caption colour and text",
     [](RecordingView& v) { v.order = ControlId::Option1; },
     [](lpf::Form& f) { f.OptionSelected(ControlId::Option1); },
     "Label3",
     {"Label3 colour 192,0,0", "Label3 = Normalized 2nd order LPF C1 = 1.414 and C2 = 0.7071"}},
    {"Design with two poles, comma separator",
     [](RecordingView& v) { v.order = ControlId::Option1; },
     [](lpf::Form& f) { f.Clicked(ControlId::Command1); },
     "",
     {"hide Label20", "show Text2", "show Text3", "Text2 = 0,225045089502555",
      "Text3 = 0,112538460245585"}},
    {"Design at start-up, comma separator",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.Clicked(ControlId::Command1); },
     "",
     {"hide Label20", "show Text2", "show Text3", "show Text4", "Text2 = 0,56436342813017",
      "Text3 = 0,221543680754991", "Text4 = 3,22129604775935E-02"}},
    {"Design with a frequency of letters shows the boxes empty",
     [](RecordingView& v) { v.texts[ControlId::Text5] = "abc"; },
     [](lpf::Form& f) { f.Clicked(ControlId::Command1); },
     "",
     {"hide Label20", "show Text2", "show Text3", "show Text4",
      "Text2 = ", "Text3 = ", "Text4 = "}},
    {"Design with neither order only hides the prompt",
     [](RecordingView& v) { v.order = ControlId::Frame1; },
     [](lpf::Form& f) { f.Clicked(ControlId::Command1); },
     "",
     {"hide Label20"}},
    {"controls without a handler",
     [](RecordingView&) {},
     [](lpf::Form& f) {
         f.Clicked(ControlId::Text5);
         f.OptionSelected(ControlId::Frame2);
         f.ScrollSettled(ControlId::Label2);
         f.Scrolled(ControlId::Label2, lpf::ScrollAction::LineRight);
     },
     "",
     {}},
    {"the start focus is the first stop, set by the program",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.Open(); },
     "focus",
     {"focus Option2"}},
    {"Tab onto a box selects its text",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.TabPressed(ControlId::Text1, false); },
     "",
     {"keyboard focus Text2", "select all of Text2"}},
    {"Shift+Tab onto a box selects its text",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.TabPressed(ControlId::Text2, true); },
     "",
     {"keyboard focus Text1", "select all of Text1"}},
    {"Tab onto a push button",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.TabPressed(ControlId::Option2, false); },
     "",
     {"keyboard focus Command2"}},
    {"Tab from nothing the walk knows",
     [](RecordingView&) {},
     [](lpf::Form& f) {
         f.Open();
         f.TabPressed(std::nullopt, true);
     },
     "keyboard",
     {"keyboard focus Command5"}},
    {"an option clicked where the window leaves selecting to the form",
     [](RecordingView&) {},
     [](lpf::Form& f) {
         f.Clicked(ControlId::Option9);
         f.Clicked(ControlId::Option9);  // selected already: no Click
     },
     "",
     {"select Option9", "HScroll1 step 500"}},
    {"Right from increment 1: selected, its step set, then focused",
     [](RecordingView&) {},
     [](lpf::Form& f) { f.ArrowPressed(ControlId::Option3, lpf::Arrow::Right); },
     "",
     {"select Option4", "HScroll1 step 5", "keyboard focus Option4"}},
    {"Left and Up onto an option move the focus backwards",
     [](RecordingView& v) { v.increment = ControlId::Option10; },
     [](lpf::Form& f) {
         f.ArrowPressed(ControlId::Option10, lpf::Arrow::Left);
         f.ArrowPressed(ControlId::Option9, lpf::Arrow::Up);
     },
     "keyboard",
     {"keyboard focus Option9", "keyboard focus Option5"}},
    {"an arrow with no option that way, or off an option, does nothing",
     [](RecordingView&) {},
     [](lpf::Form& f) {
         f.ArrowPressed(ControlId::Option3, lpf::Arrow::Left);
         f.ArrowPressed(ControlId::Option2, lpf::Arrow::Down);
         f.ArrowPressed(ControlId::Text5, lpf::Arrow::Right);
         f.ArrowPressed(ControlId::HScroll1, lpf::Arrow::Left);
     },
     "",
     {}},
    {"Design, locale separator of more than one byte: the period",
     [](RecordingView& v) { v.order = ControlId::Option1, v.separator = "\u066B"; },
     [](lpf::Form& f) { f.Clicked(ControlId::Command1); },
     "Text2",
     {"Text2 = 0.225045089502555"}},
};

// The scroll bar, from the value in `start` with the step of `increment`.
struct ScrollCase {
    const char* what;
    ControlId increment;
    int start;
    lpf::ScrollAction action;
    int thumb;
    std::optional<int> expected;  // none: no change, nothing reported
};

using enum lpf::ScrollAction;

const ScrollCase kScrolls[] = {
    {"right by 1", ControlId::Option3, 1000, LineRight, 0, 1001},
    {"right by 5", ControlId::Option4, 1000, LineRight, 0, 1005},
    {"right by 10", ControlId::Option5, 2000, LineRight, 0, 2010},
    {"left by 25", ControlId::Option6, 2000, LineLeft, 0, 1975},
    {"left by 50", ControlId::Option7, 2000, LineLeft, 0, 1950},
    {"right by 100", ControlId::Option8, 1000, LineRight, 0, 1100},
    {"left by 500", ControlId::Option9, 9999, LineLeft, 0, 9499},
    {"right by 1000", ControlId::Option10, 1000, LineRight, 0, 2000},
    {"right by 1000 stops at the maximum", ControlId::Option10, 9500, LineRight, 0, 10000},
    {"left by 500 stops at the minimum", ControlId::Option9, 1200, LineLeft, 0, 1000},
    {"left at the minimum", ControlId::Option3, 1000, LineLeft, 0, std::nullopt},
    {"right at the maximum", ControlId::Option8, 10000, LineRight, 0, std::nullopt},
    {"page right, whatever the increment", ControlId::Option10, 5000, PageRight, 0, 5001},
    {"page left", ControlId::Option3, 5000, PageLeft, 0, 4999},
    {"page left at the minimum", ControlId::Option3, 1000, PageLeft, 0, std::nullopt},
    {"page right at the maximum", ControlId::Option3, 10000, PageRight, 0, std::nullopt},
    {"to the start", ControlId::Option8, 4000, ToStart, 0, 1000},
    {"to the start, there already", ControlId::Option8, 1000, ToStart, 0, std::nullopt},
    {"to the end", ControlId::Option3, 1000, ToEnd, 0, 10000},
    {"to the end, there already", ControlId::Option3, 10000, ToEnd, 0, std::nullopt},
    {"thumb released between the ends", ControlId::Option3, 1000, ThumbAt, 4321, 4321},
    {"thumb released where it was", ControlId::Option3, 4321, ThumbAt, 4321, std::nullopt},
    {"thumb released past the end", ControlId::Option3, 9000, ThumbAt, 12000, 10000},
    {"thumb released before the start", ControlId::Option3, 3000, ThumbAt, 0, 1000},
};

TEST(Form, TheScrollBarGoesWhereEachActionTakesIt) {
    for (const ScrollCase& c : kScrolls) {
        SCOPED_TRACE(c.what);
        RecordingView view;
        lpf::Form form(view);
        form.OptionSelected(c.increment);  // the user chose the step
        view.scrollValue = c.start;
        view.calls.clear();
        form.Scrolled(ControlId::HScroll1, c.action, c.thumb);
        const std::string v = c.expected ? std::to_string(*c.expected) : "";
        EXPECT_EQ(view.calls,
                  c.expected ? (Calls{"HScroll1 value " + v, "Text1 = " + v}) : Calls{});
        EXPECT_EQ(form.State().Rval, c.expected.value_or(lpf::kStartRval));
    }
}

// The order's Click runs in full before the focus moves, so a screen reader
// hears the option already selected, and the prompt as it appears.
TEST(Form, AnArrowSelectsRunsTheClickThenFocuses) {
    RecordingView view;
    lpf::Form form(view);
    EXPECT_TRUE(form.ArrowPressed(ControlId::Option2, lpf::Arrow::Up));
    ASSERT_GE(view.calls.size(), 3u);
    EXPECT_EQ(view.calls.front(), "select Option1");
    EXPECT_EQ(view.calls[1], "show Label20");
    EXPECT_EQ(view.calls.back(), "keyboard focus Option1");
    EXPECT_TRUE(form.ArrowPressed(ControlId::Option1, lpf::Arrow::Up));  // none that way
    EXPECT_FALSE(form.ArrowPressed(ControlId::Text5, lpf::Arrow::Up));   // the box's own key
    EXPECT_FALSE(form.ArrowPressed(ControlId::HScroll1, lpf::Arrow::Up));
}

TEST(Form, ResetPutsTheSmallStepBackTo1) {
    RecordingView view;
    lpf::Form form(view);
    form.OptionSelected(ControlId::Option10);
    view.increment = ControlId::Option10;
    form.Clicked(ControlId::Command4);
    form.Scrolled(ControlId::HScroll1, LineRight);
    EXPECT_EQ(view.scrollValue, 1001);
}

// A control that announces itself does so as it appears, not while it stays
// on show, with the words a screen reader reads.
TEST(Form, TheHelpSheetAndThePromptAnnounceThemselvesAsTheyAppear) {
    const std::string help =
        "Picture1: Help. Low Pass Filter Design\nInstructions\n"
        "1. Select the number of filter poles (order) you are designing.\n"
        "2. Enter the cutoff Frequency of the Low Pass Filter.\n"
        "3. Select the Resistor values available to you.\n4. Click on \"Design\".\n"
        "Capacitors will be designed accordingly.\nNote: Use the scroll bar to select resistor "
        "value. Use \"Increment\" for fast resistor value navigation.";
    const std::string prompt = "Label20: Click \"Design\" to refresh";
    RecordingView view;
    lpf::Form form(view);
    form.Open();
    form.OptionSelected(ControlId::Option2);  // the prompt is on show already
    EXPECT_EQ(view.announced, Calls{});
    form.Clicked(ControlId::Command5);
    form.Clicked(ControlId::Command5);  // open already
    EXPECT_EQ(view.announced, Calls{help});
    form.Clicked(ControlId::Command6);
    form.Clicked(ControlId::Command1);  // hides the prompt
    form.OptionSelected(ControlId::Option2);
    form.Clicked(ControlId::Command5);
    EXPECT_EQ(view.announced, (Calls{help, prompt, help}));
}

TEST(FormRules, TheResultsSeparatorIsTheLocalesWhereTheResultsCanHoldIt) {
    struct Separator {
        const char* locale;
        char expected;
    };
    const Separator kSeparators[] = {
        {".", '.'},      {",", ','},  {"", '.'},   {"\u066B", '.'},  // Arabic
        {"\u00A0", '.'}, {",.", '.'}, {"'", '\''},
    };
    for (const Separator& s : kSeparators) {
        SCOPED_TRACE(s.locale);
        EXPECT_EQ(lpf::DecimalSeparatorOf(s.locale), s.expected);
    }
}

TEST(FormRules, ARowWithoutAFontIsDrawnInTheWindowFont) {
    EXPECT_STREQ(lpf::DrawnFont(lpf::WindowFont).face, "MS Sans Serif");
    EXPECT_EQ(lpf::DrawnFont(lpf::WindowFont).points, 9.75);
    EXPECT_TRUE(lpf::DrawnFont(lpf::WindowFont).bold);
    const lpf::DesignFont arial{"Arial", 12, false};
    EXPECT_EQ(&lpf::DrawnFont(arial), &arial);
    EXPECT_STREQ(lpf::StandIn(lpf::WindowFont).family, "Liberation Sans");
    EXPECT_EQ(lpf::StandIn(lpf::WindowFont).pixels, 12);
}

TEST(Form, EachHandlerChangesWhatItShould) {
    for (const HandlerCase& c : kCases) {
        SCOPED_TRACE(c.what);
        RecordingView view;
        c.before(view);
        lpf::Form form(view);
        c.act(form);
        Calls kept;
        for (const std::string& call : view.calls)
            if (call.rfind(c.only, 0) == 0) kept.push_back(call);
        EXPECT_EQ(kept, c.expected);
        EXPECT_EQ(view.outsideContract, Calls{});
    }
}

// What is on show after a switch of order, from start-up: the captions,
// boxes, schematic and mask of that circuit and none of the other's.
TEST(Form, EachOrderShowsItsOwnCircuit) {
    using enum ControlId;
    const struct {
        ControlId option;
        std::vector<ControlId> shown, hidden;
    } rows[] = {
        {Option1,
         {Label20, Label4, Label13, Label5, Label6, Label15, Label16, Label17, Text1, Text2, Text3,
          Image1, Text6},
         {Label1, Label14, Label10, Label11, Label12, Label18, Text4, Image2, Text7}},
        {Option2,
         {Label20, Label1, Label14, Label10, Label11, Label12, Label15, Label16, Label17, Label18,
          Text1, Text2, Text3, Text4, Image2, Text7},
         {Label4, Label13, Label5, Label6, Image1, Text6}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Name(row.option));
        RecordingView view;
        lpf::Form form(view);
        form.Open();
        form.OptionSelected(row.option == Option1 ? Option2 : Option1);  // from the other order
        view.order = row.option;
        form.OptionSelected(row.option);
        for (ControlId id : row.shown) EXPECT_TRUE(view.Shown(id)) << Name(id);
        for (ControlId id : row.hidden) EXPECT_FALSE(view.Shown(id)) << Name(id);
    }
}

TEST(Form, RvalFollowsTheScrollBarAndResetBringsItBack) {
    RecordingView view;
    lpf::Form form(view);
    form.Open();
    EXPECT_EQ(form.State().Rval, 1000);
    view.scrollValue = 4000;
    form.ScrollSettled(ControlId::HScroll1);
    EXPECT_EQ(form.State().Rval, 4000);
    form.Clicked(ControlId::Command4);
    EXPECT_EQ(form.State().Rval, 1000);
    EXPECT_EQ(view.texts[ControlId::Text1], "1000");
}

}  // namespace

// --- the rules of the window -------------------------------------------------

namespace {

using enum ControlId;

struct WalkCase {
    const char* what;
    std::function<void(RecordingView&, lpf::Form&)> userDid;  // after start-up
    ControlId from;
    bool backwards;
    std::vector<ControlId> expected;  // the stops reached, Tab after Tab, round to `from`
};

const WalkCase kWalks[] = {
    {"three poles, on from the selected option",
     [](RecordingView&, lpf::Form&) {},
     Option2,
     false,
     {Command2, Command1, Text1, Text2, Text3, HScroll1, Option3, Command4, Text4, Text5, Command5,
      Option2}},
    {"three poles, back from the selected option",
     [](RecordingView&, lpf::Form&) {},
     Option2,
     true,
     {Command5, Text5, Text4, Command4, Option3, HScroll1, Text3, Text2, Text1, Command1, Command2,
      Option2}},
    {"two poles, on from the selected option",
     [](RecordingView& v, lpf::Form& f) { v.order = Option1, f.OptionSelected(Option1); },
     Option1,
     false,
     {Command1, Text1, Text2, Text3, HScroll1, Option3, Command4, Text5, Command5, Command2,
      Option1}},
    {"two poles, back from a box",
     [](RecordingView& v, lpf::Form& f) { v.order = Option1, f.OptionSelected(Option1); },
     Text5,
     true,
     {Command4, Option3, HScroll1, Text3, Text2, Text1, Command1, Option1, Command2, Command5,
      Text5}},
    {"increment 500: its option is the stop",
     [](RecordingView& v, lpf::Form&) { v.increment = Option9; },
     HScroll1,
     false,
     {Option9, Command4}},
    {"help open: Close is the last stop",
     [](RecordingView&, lpf::Form& f) { f.Clicked(Command5); },
     Text5,
     false,
     {Command5, Command6, Option2}},
};

TEST(FormRules, TabWalk) {
    for (const WalkCase& c : kWalks) {
        SCOPED_TRACE(c.what);
        RecordingView view;
        lpf::Form form(view);
        form.Open();
        c.userDid(view, form);
        std::vector<ControlId> got;
        ControlId at = c.from;
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            got.push_back(at = form.NextTabStop(at, c.backwards));
        EXPECT_EQ(got, c.expected);
    }
}

TEST(FormRules, TheWindowOpensWithTheFocusOnThreePoles) {
    RecordingView view;
    lpf::Form form(view);
    form.Open();
    EXPECT_EQ(form.StartFocus(), Option2);
    EXPECT_EQ(form.NextTabStop(std::nullopt, true), Command5);  // Shift+Tab from nothing
}

// Worked out by hand: twips x dpi / 1440, the nearest pixel, a half away
// from zero (as Windows' MulDiv rounds).
TEST(FormRules, TwipsBecomePixelsAtTheNearestWholePixel) {
    const struct {
        int twips, dpi, pixels;
    } rows[] = {
        {1665, 96, 111},     // the client area's left edge, unscaled
        {1665, 120, 139},    // 138.75
        {1665, 144, 167},    // 166.5
        {1755, 144, 176},    // 175.5
        {5925, 144, 593},    // 592.5
        {5925, 192, 790},    // exact
        {255, 120, 21},      // 21.25
        {7, 96, 0},          // 0.47
        {8, 96, 1},          // 0.53
        {-1665, 144, -167},  // -166.5
        {0, 192, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.twips) + " twips at " + std::to_string(row.dpi) + " dpi");
        EXPECT_EQ(lpf::PixelsAt(row.twips, row.dpi), row.pixels);
    }
    EXPECT_EQ(lpf::Px(6600), 440);  // 96 dpi: 15 twips a pixel
    // A rectangle's four values each by the same rule: the client area at 150 %.
    EXPECT_EQ(lpf::PlaceAt(lpf::kForm1, 144), (lpf::PixelRect{167, 176, 813, 593}));
}

TEST(FormRules, ArrowKeysMoveToTheOptionThatWay) {
    using enum lpf::Arrow;
    struct Move {
        ControlId from;
        lpf::Arrow arrow;
        std::optional<ControlId> to;
    };
    // "Two Poles" above "Three Poles"; the increments in two rows:
    //   1    5    10   25
    //   50   100  500  1000
    // "1000" is wider than "25" above it, so its centre lies to the right:
    // Right from "25" goes down to it.
    const Move kMoves[] = {
        {Option1, Down, Option2},  {Option2, Up, Option1},     {Option2, Down, {}},
        {Option1, Up, {}},         {Option3, Right, Option4},  {Option4, Right, Option5},
        {Option5, Right, Option6}, {Option6, Right, Option10}, {Option3, Down, Option7},
        {Option4, Down, Option8},  {Option5, Down, Option9},   {Option6, Down, Option10},
        {Option10, Up, Option6},   {Option10, Left, Option9},  {Option8, Left, Option7},
        {Option7, Up, Option3},    {Option3, Left, {}},        {Option3, Up, {}},
        {Option10, Right, {}},     {Option7, Down, {}},
    };
    for (const Move& m : kMoves) {
        SCOPED_TRACE(Name(m.from) + " arrow " + std::to_string(static_cast<int>(m.arrow)));
        EXPECT_EQ(lpf::ArrowNeighbour(m.from, m.arrow), m.to);
    }
}

// Layouts the window does not have, where the options' right and bottom
// edges decide what lies in line: A at the top left, B and C beyond it.
TEST(FormRules, OptionsAreInLineWhereTheyOverlapByMoreThanAPixel) {
    using enum lpf::Arrow;
    struct Layout {
        const char* what;
        std::array<lpf::OptionPlace, 3> abc;
        lpf::Arrow arrow;
        std::size_t to;  // 1: B, 2: C
    };
    const Layout kLayouts[] = {
        {"B below A's right half is in its column, nearer than C",
         {{{0, 0, 600, 300}, {450, 600, 600, 300}, {0, 1200, 600, 300}}},
         Down,
         1},
        {"B right of A's lower half is in its row, nearer than C",
         {{{0, 0, 300, 600}, {600, 450, 300, 600}, {1200, 0, 300, 600}}},
         Right,
         1},
        {"B overlapping A by 20 twips is in its column",
         {{{0, 0, 600, 300}, {580, 600, 600, 300}, {0, 1200, 600, 300}}},
         Down,
         1},
        {"B overlapping A by 10 twips is not",
         {{{0, 0, 600, 300}, {590, 600, 600, 300}, {0, 1200, 600, 300}}},
         Down,
         2},
        {"B overlapping A by 20 twips is in its row",
         {{{0, 0, 300, 600}, {600, 580, 300, 600}, {1200, 0, 300, 600}}},
         Right,
         1},
        {"out of line, the nearest by distance",
         {{{0, 0, 300, 300}, {600, 900, 300, 300}, {1500, 600, 300, 300}}},
         Right,
         1},
    };
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.what);
        EXPECT_EQ(lpf::NeighbourAmong(l.abc, 0, l.arrow), l.to);
    }
}

// A window that knows its controls by name finds each by its own name only:
// the window itself is no control, and names are matched exactly.
TEST(FormRules, EachControlIsFoundByItsName) {
    const std::pair<const char*, std::optional<ControlId>> kNames[] = {
        {"Command6", Command6},   {"Option1", Option1},    {"Option10", Option10},
        {"Label2", Label2},       {"Form1", std::nullopt}, {"option1", std::nullopt},
        {"Option", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [name, id] : kNames) EXPECT_EQ(lpf::ControlNamed(name), id) << name;
    for (const lpf::ControlRow& row : lpf::ControlTable())
        EXPECT_EQ(lpf::ControlNamed(row.name), row.id) << row.name;
}

TEST(FormRules, TheRefreshPromptAndTheHelpSheetAnnounceThemselves) {
    std::vector<ControlId> announced;
    for (const lpf::ControlRow& row : lpf::ControlTable())
        if (lpf::AnnouncesItself(row.id)) announced.push_back(row.id);
    EXPECT_EQ(announced, (std::vector<ControlId>{Picture1, Label20}));
}

// A screen reader passes the edge bars, the panel and the masks by, hears the
// prompt and the help sheet as alerts and the schematics as images; every
// other control is what its kind makes it. Only the help sheet takes no input.
TEST(FormRules, EachControlIsPresentedAsWhatItIsToAListener) {
    using enum lpf::AccessibleRole;
    const std::map<ControlId, lpf::AccessibleRole> kNotOfTheirKind = {
        {Label2, None}, {Label7, None},   {Label8, None},    {Label9, None},  {Text6, None},
        {Text7, None},  {Label20, Alert}, {Picture1, Alert}, {Image1, Image}, {Image2, Image},
    };
    for (const lpf::ControlRow& row : lpf::ControlTable()) {
        const auto named = kNotOfTheirKind.find(row.id);
        EXPECT_EQ(lpf::RoleOf(row.id), named == kNotOfTheirKind.end() ? OfItsKind : named->second)
            << row.name;
        EXPECT_EQ(lpf::TakesInput(row.kind), row.id != Picture1) << row.name;
    }
}

// Off, every colour is the design's; on, no colour fixed by value is left,
// whichever control has it, on either layer, including the ones handlers set.
TEST(FormRules, HighContrastLeavesNoFixedColour) {
    using lpf::Layer, lpf::Scheme;
    for (const lpf::ControlRow& row : lpf::ControlTable()) {
        SCOPED_TRACE(row.name);
        for (auto [layer, colour] : {std::pair{Layer::Fore, lpf::ForeColour(row)},
                                     std::pair{Layer::Back, lpf::BackColour(row)}}) {
            EXPECT_EQ(lpf::InScheme(row.id, layer, colour, Scheme::Design), colour);
            EXPECT_NE(lpf::InScheme(row.id, layer, colour, Scheme::HighContrast).source,
                      lpf::Colour::Source::Rgb);
        }
    }
}

// The prompt and the order caption stand out in highlight, other captions
// in button text, the edge bars as lines in window text; a mask shows the
// white its schematic is drawn on, which becomes the window colour with it.
TEST(FormRules, HighContrastGivesEachColourItsRole) {
    using enum lpf::SystemColour;
    using lpf::Layer, lpf::Rgb, lpf::Sys, lpf::Scheme;
    const std::tuple<ControlId, Layer, lpf::Colour, lpf::Colour> kRoles[] = {
        {Label3, Layer::Fore, Rgb(192, 0, 0), Sys(Highlight)},
        {Label20, Layer::Fore, Rgb(255, 0, 0), Sys(Highlight)},
        {Label14, Layer::Fore, Rgb(0, 0, 128), Sys(ButtonText)},
        {Command2, Layer::Back, Rgb(255, 0, 0), Sys(ButtonFace)},
        {Label8, Layer::Back, Rgb(0, 0, 128), Sys(WindowText)},
        {Text7, Layer::Back, lpf::BackColour(lpf::Row(Text7)), Sys(Window)},
        {Label2, Layer::Back, Sys(ActiveCaptionText), Sys(ActiveCaptionText)},
    };
    for (const auto& [id, layer, designed, shown] : kRoles)
        EXPECT_EQ(lpf::InScheme(id, layer, designed, Scheme::HighContrast), shown) << Name(id);
    const std::pair<lpf::Colour, lpf::Colour> kInks[] = {
        {Rgb(255, 255, 255), Sys(Window)},
        {Rgb(0, 0, 0), Sys(WindowText)},
        {Rgb(255, 0, 0), Sys(Highlight)},
        {Rgb(0, 64, 128), Sys(WindowText)},
    };
    for (const auto& [pixel, shown] : kInks) {
        EXPECT_EQ(lpf::PictureInk(pixel, Scheme::Design), pixel);
        EXPECT_EQ(lpf::PictureInk(pixel, Scheme::HighContrast), shown);
    }
    EXPECT_EQ(lpf::BackColour(lpf::Row(Text6)), Rgb(255, 255, 255));
}

// A window draws each control in what the View says it shows: the design's
// colours with each kind's usual one, and the colour a handler gave, both
// through the scheme the window last set.
TEST(Form, TheViewGivesTheColoursShownInEitherScheme) {
    using enum lpf::SystemColour;
    using lpf::Layer, lpf::Rgb, lpf::Sys, lpf::Scheme;
    RecordingView view;
    lpf::Form form(view);
    form.Open();
    view.order = Option1;
    form.OptionSelected(Option1);  // the order caption turns dark red
    const std::tuple<ControlId, Layer, lpf::Colour, lpf::Colour> kShown[] = {
        {Label3, Layer::Fore, Rgb(192, 0, 0), Sys(Highlight)},
        {Label1, Layer::Fore, Sys(ButtonText), Sys(ButtonText)},
        {Command2, Layer::Back, Rgb(255, 0, 0), Sys(ButtonFace)},
        {Text6, Layer::Back, Rgb(255, 255, 255), Sys(Window)},
        {Text5, Layer::Back, lpf::Usual, lpf::Usual},
    };
    for (const auto& [id, layer, design, highContrast] : kShown) {
        view.SetScheme(Scheme::Design);
        EXPECT_EQ(view.ColourShown(id, layer), design) << Name(id);
        view.SetScheme(Scheme::HighContrast);
        EXPECT_EQ(view.ColourShown(id, layer), highContrast) << Name(id);
    }
}

// The options of each frame as the eye reads them, row by row.
TEST(FormRules, EachFramesOptionsAreReadRowByRow) {
    const auto order = lpf::ReadingOrder();
    EXPECT_EQ(std::vector(order.begin(), order.end()),
              (std::vector<ControlId>{Option1, Option2, Option3, Option4, Option5, Option6, Option7,
                                      Option8, Option9, Option10}));
}

TEST(FormRules, CallsOutsideTheContractAreCaughtAndNotPassedOn) {
    RecordingView view;
    lpf::View& window = view;
    window.SetText(Command1, "Design!");
    window.Focus(Label3);
    window.Select(Text1);
    window.SetScrollValue(Text1, 5);
    window.SetLabelFor(Text1, Text2);
    EXPECT_EQ(view.calls, Calls{});
    EXPECT_EQ(view.outsideContract, (Calls{"SetText Command1", "Focus Label3", "Select Text1",
                                           "SetScrollValue Text1", "SetLabelFor Text1"}));
}

}  // namespace
