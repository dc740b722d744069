#pragma once
// Form1 as a Win32 window: the 48 native controls built from the control
// table, the form's View over them, and the Windows messages turned into the
// form's user events. Files: window.cpp (the window and its procedure),
// controls.cpp (a native control of each kind, placed at the dpi), view.cpp
// (the View), messages.cpp (clicks, the scroll bar, activation, the
// desktop's dpi and colours), drawing.cpp (colours, coloured buttons,
// pictures), keyboard.cpp (Tab, arrow keys), accessibility.cpp (what screen
// readers read).

#include <windows.h>

#include <array>

#include "accessibility.h"
#include "form.h"

namespace lpf::win32 {

// Each control's window id is this plus its index; the probe in tests/win32
// reads controls by it.
constexpr int kFirstControlNumber = 100;

class Window : public View {
  public:
    // Opens the window in the way the program was started with (normal,
    // minimised, ...): `show` is a ShowWindow command.
    Window(HINSTANCE instance, int show);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // False when the system could not make the window; then nothing is shown.
    bool Created() const { return hwnd_ != nullptr; }

    // Tab, Shift+Tab and the arrow keys on an option button, before the
    // focused control sees them; true when the key was used.
    bool TakeKey(const MSG& message);

  private:
    void DoSetVisible(ControlId id, bool visible) override;
    void DoSetText(ControlId id, const std::string& text) override;
    std::string DoText(ControlId id) const override;
    void DoSetForeColour(ControlId id, Colour colour) override;
    void DoRepaint(ControlId id) override;
    void DoRepaintWindow() override;
    bool DoSelected(ControlId option) const override;
    void DoSelect(ControlId option) override;
    int DoScrollValue(ControlId bar) const override;
    void DoSetScrollMinimum(ControlId bar, int minimum) override;
    void DoSetScrollValue(ControlId bar, int value) override;
    void DoFocus(ControlId id, FocusMove move) override;
    void DoSelectAllText(ControlId box) override;
    void DoAnnounce(ControlId id, const std::string& words) override;
    void DoSetAccessibleName(ControlId id, const std::string& name) override;
    void DoSetLabelFor(ControlId caption, ControlId box) override;
    std::string DoDecimalSeparator() const override;
    void DoQuit() override;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void BuildControls(HINSTANCE instance);
    // The window's frame on the screen for the design's client area at `dpi`.
    static RECT FrameAt(UINT dpi);
    // The whole window at its own dpi: every control's place and font.
    void LayOut();
    std::optional<ControlId> IdOf(HWND control) const;
    HWND Of(ControlId id) const { return controls_[Index(id)]; }

    // drawing.cpp
    LRESULT ControlColours(UINT message, HDC dc, HWND control);
    void DrawItem(const DRAWITEMSTRUCT& item);

    // messages.cpp
    void Scrolled(HWND bar, int code);
    void FollowScheme();
    void DpiChanged(UINT dpi, const RECT& suggested);

    HWND hwnd_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    std::array<HBITMAP, 4> pictures_{};  // by Picture, in the scheme's colours
    std::array<Presentation, kControlCount> presented_{};
    UINT dpi_ = 96;
    ControlId focus_{};  // the control with the focus when the window was last active
    Form form_{*this};
};

}  // namespace lpf::win32
