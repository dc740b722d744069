// The form's handlers against a recording stand-in for a window: what each
// one changes, in order, with nothing done by a toolkit calling back.

#include "form.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "control_table.h"

namespace {

using lpf::ControlId;
using Calls = std::vector<std::string>;

std::string Name(ControlId id) {
    return id == ControlId::Form1 ? "Form1" : lpf::Row(id).name;
}

// Keeps what a window would hold and records every change, in order.
class RecordingView : public lpf::View {
  public:
    std::map<ControlId, std::string> texts{{ControlId::Text5, "1000"}, {ControlId::Text1, "1000"}};
    ControlId order = ControlId::Option2;
    ControlId increment = ControlId::Option3;
    int scrollValue = 1000;
    Calls calls;

    void SetVisible(ControlId id, bool v) override { Log((v ? "show " : "hide ") + Name(id)); }
    void SetText(ControlId id, const std::string& t) override {
        texts[id] = t;
        Log(Name(id) + " = " + t);
    }
    std::string Text(ControlId id) const override { return texts.at(id); }
    void SetForeColour(ControlId id, lpf::Colour c) override {
        Log(Name(id) + " colour " + std::to_string(c.Red()) + "," + std::to_string(c.Green()) +
            "," + std::to_string(c.Blue()));
    }
    void Repaint(ControlId id) override { Log("repaint " + Name(id)); }
    bool Selected(ControlId option) const override {
        return option == order || option == increment;
    }
    void Select(ControlId option) override {
        (option == ControlId::Option1 || option == ControlId::Option2 ? order : increment) = option;
        Log("select " + Name(option));
    }
    int ScrollValue(ControlId) const override { return scrollValue; }
    void SetScrollMinimum(ControlId id, int v) override {
        Log(Name(id) + " minimum " + std::to_string(v));
    }
    void SetScrollValue(ControlId id, int v) override {
        scrollValue = v;
        Log(Name(id) + " value " + std::to_string(v));
    }
    void SetScrollStep(ControlId id, int v) override {
        Log(Name(id) + " step " + std::to_string(v));
    }
    void Focus(ControlId id) override { Log("focus " + Name(id)); }
    void SetAccessibleName(ControlId id, const std::string& n) override {
        Log("name " + Name(id) + " " + n);
    }
    void SetLabelFor(ControlId caption, ControlId box) override {
        Log(Name(caption) + " labels " + Name(box));
    }
    char DecimalSeparator() const override { return ','; }
    void Quit() override { Log("quit"); }

  private:
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
    {"controls without a handler",
     [](RecordingView&) {},
     [](lpf::Form& f) {
         f.Clicked(ControlId::Text5);
         f.OptionSelected(ControlId::Frame2);
         f.ScrollSettled(ControlId::Label2);
     },
     "",
     {}},
};

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
