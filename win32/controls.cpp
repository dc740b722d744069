// The native control of each kind, built from the control table, placed at
// the window's dpi and presented to screen readers.

#include <oleacc.h>

#include <algorithm>
#include <iterator>

#include "look.h"
#include "text.h"
#include "window.h"
#include "words.h"

namespace lpf::win32 {
namespace {

// The native control of each kind. Labels and pictures do not wrap, grey or
// interpret "&"; pictures and coloured push buttons are drawn here
// (drawing.cpp). Option buttons are not automatic: the form selects them, so
// that only a change of selection runs a Click. The help sheet takes no
// input; a mask never takes the focus.
struct KindLook {
    Kind kind;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    long role;  // what a screen reader calls it
};
constexpr KindLook kLooks[] = {
    {Kind::PushButton, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, ROLE_SYSTEM_PUSHBUTTON},
    {Kind::PictureBox, L"STATIC", SS_OWNERDRAW | WS_DISABLED, 0, ROLE_SYSTEM_GRAPHIC},
    {Kind::TextBox, L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
     ROLE_SYSTEM_TEXT},
    {Kind::MaskBox, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, ROLE_SYSTEM_STATICTEXT},
    {Kind::ScrollBar, L"SCROLLBAR", SBS_HORZ | WS_TABSTOP, 0, ROLE_SYSTEM_SCROLLBAR},
    {Kind::Frame, L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
     ROLE_SYSTEM_GROUPING},
    {Kind::OptionButton, L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, ROLE_SYSTEM_RADIOBUTTON},
    {Kind::Image, L"STATIC", SS_OWNERDRAW, 0, ROLE_SYSTEM_GRAPHIC},
    {Kind::Label, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, ROLE_SYSTEM_STATICTEXT},
};
static_assert(std::size(kLooks) == static_cast<int>(Kind::Label) + 1, "a look for every kind");

WNDPROC frameProc = nullptr;  // the frames' own procedure, under PassOnFromFrame

// Options tell their frame what happens to them; the frame passes it on to
// the window.
LRESULT CALLBACK PassOnFromFrame(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return SendMessageW(GetParent(frame), message, wParam, lParam);
        case WM_ERASEBKGND: {
            // Opaque in its back colour, as the design's frames are.
            RECT area;
            GetClientRect(frame, &area);
            const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
                GetParent(frame), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(frame)));
            FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
            return 1;
        }
        default:
            return CallWindowProcW(frameProc, frame, message, wParam, lParam);
    }
}

}  // namespace

// Created top of the stacking order first: a child window created later lies
// beneath the ones before it.
void Window::BuildControls(HINSTANCE instance) {
    for (const ControlId id : StackingOrder()) {
        const ControlRow& row = Row(id);
        const KindLook& look = *std::ranges::find(kLooks, row.kind, &KindLook::kind);
        const HWND parent = row.container ? Of(*row.container) : hwnd_;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | look.style | (row.shown ? WS_VISIBLE : 0);
        if (row.kind == Kind::PushButton && row.back != Usual)
            style |= BS_OWNERDRAW;  // in place of BS_PUSHBUTTON, which is 0
        if (row.kind == Kind::OptionButton && !GetWindow(parent, GW_CHILD))
            style |= WS_GROUP;  // the first option of its frame starts the group
        const PixelRect place = PlaceAt(row, dpi_);
        const HWND control = CreateWindowExW(
            look.exStyle, look.className, Widened(row.text).c_str(), style, place.left, place.top,
            place.width, place.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlNumber + Index(id))),
            instance, nullptr);
        controls_[Index(id)] = control;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.font, dpi_)), FALSE);
        if (row.checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        if (row.kind == Kind::Frame)
            frameProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PassOnFromFrame)));
        if (row.kind == Kind::ScrollBar) {
            SetScrollRange(control, SB_CTL, kHScroll1.minimum, kHScroll1.maximum, FALSE);
            SetScrollPos(control, SB_CTL, kHScroll1.value, FALSE);
        }
        // Only the pictures have words of their own here; the form names the
        // boxes as it opens. A picture's role is its kind's, graphic.
        const AccessibleRole role = RoleOf(id);
        presented_[Index(id)] = {
            .name = Widened(PictureName(row.picture)),
            .description = Widened(PictureDescription(row.picture)),
            .role = role == AccessibleRole::Alert ? ROLE_SYSTEM_ALERT : look.role,
            .decoration = role == AccessibleRole::None};
        Present(control, &presented_[Index(id)]);
    }
}

void Window::LayOut() {
    for (const ControlRow& row : ControlTable()) {
        const PixelRect place = PlaceAt(row, dpi_);
        SetWindowPos(Of(row.id), nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(Of(row.id), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.font, dpi_)),
                     FALSE);
    }
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace lpf::win32
