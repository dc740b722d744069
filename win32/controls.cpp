// The native control of each kind, built from the control table, placed at
// the window's dpi and presented to screen readers.

#include <oleacc.h>

#include "look.h"
#include "rules.h"
#include "text.h"
#include "window.h"
#include "words.h"

namespace lpf::win32 {
namespace {

struct KindLook {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    long role;  // what a screen reader calls it
};

// The native control of each kind. Labels and pictures do not wrap, grey or
// interpret "&"; pictures and coloured push buttons are drawn here
// (drawing.cpp). Option buttons are not automatic: the form selects them, so
// that only a change of selection runs a Click.
KindLook LookOf(const ControlRow& row) {
    switch (row.kind) {
        case Kind::PushButton:
            if (row.back.source != Colour::Source::KindDefault)
                return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0, ROLE_SYSTEM_PUSHBUTTON};
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, ROLE_SYSTEM_PUSHBUTTON};
        case Kind::PictureBox:  // takes no input
            return {L"STATIC", SS_OWNERDRAW | WS_DISABLED, 0, ROLE_SYSTEM_GRAPHIC};
        case Kind::TextBox:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                    ROLE_SYSTEM_TEXT};
        case Kind::MaskBox:  // never takes the focus
            return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, ROLE_SYSTEM_STATICTEXT};
        case Kind::ScrollBar:
            return {L"SCROLLBAR", SBS_HORZ | WS_TABSTOP, 0, ROLE_SYSTEM_SCROLLBAR};
        case Kind::Frame:
            return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                    ROLE_SYSTEM_GROUPING};
        case Kind::OptionButton:
            return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, ROLE_SYSTEM_RADIOBUTTON};
        case Kind::Image:
            return {L"STATIC", SS_OWNERDRAW, 0, ROLE_SYSTEM_GRAPHIC};
        case Kind::Label:
            return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, ROLE_SYSTEM_STATICTEXT};
    }
    return {L"STATIC", 0, 0, 0};
}

static_assert(static_cast<int>(Picture::TwoPoleSchematic) == 1 &&
                  static_cast<int>(Picture::ThreePoleSchematic) == 2 &&
                  static_cast<int>(Picture::HelpSheet) == 3,
              "pictures.rc numbers the pictures as Picture does");

}  // namespace

// Created top of the stacking order first: a child window created later lies
// beneath the ones before it.
void Window::BuildControls(HINSTANCE instance) {
    for (const ControlId id : StackingOrder()) {
        const ControlRow& row = Row(id);
        const KindLook look = LookOf(row);
        const HWND parent = row.container ? Of(*row.container) : hwnd_;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | look.style | (row.shown ? WS_VISIBLE : 0);
        if (row.kind == Kind::OptionButton && !GetWindow(parent, GW_CHILD))
            style |= WS_GROUP;  // the first option of its frame starts the group
        const RECT place = PlaceOf(row);
        const HWND control = CreateWindowExW(
            look.exStyle, look.className, Widened(row.text).c_str(), style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlNumber(row.id))), instance,
            nullptr);
        controls_[Index(row.id)] = control;
        fore_[Index(row.id)] = ForeColour(row);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.font, dpi_)), FALSE);
        if (row.kind == Kind::OptionButton)
            SendMessageW(control, BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (row.kind == Kind::Frame) PassOnFromFrame(control);
        if (row.kind == Kind::ScrollBar) {
            SetScrollRange(control, SB_CTL, kHScroll1.minimum, kHScroll1.maximum, FALSE);
            SetScrollPos(control, SB_CTL, kHScroll1.value, FALSE);
        }
        Presentation& presented = presented_[Index(row.id)];
        presented.role = AnnouncesItself(row.id) ? ROLE_SYSTEM_ALERT : look.role;
        presented.decoration = row.presence == Presence::Decoration;
        Present(control, &presented);
    }
}

RECT Window::PlaceOf(const ControlRow& row) const {
    const int left = PixelsAt(row.left, dpi_);
    const int top = PixelsAt(row.top, dpi_);
    return {left, top, left + PixelsAt(row.width, dpi_), top + PixelsAt(row.height, dpi_)};
}

void Window::LayOut() {
    for (const ControlRow& row : ControlTable()) {
        const RECT place = PlaceOf(row);
        SetWindowPos(Of(row.id), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(Of(row.id), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(row.font, dpi_)),
                     FALSE);
    }
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void Window::PresentPictures() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    for (const ControlRow& row : ControlTable()) {
        if (row.picture == Picture::None) continue;
        // The resources are numbered as the pictures, see pictures.rc.
        const int number = static_cast<int>(row.picture);
        if (!pictures_[number]) pictures_[number] = LoadBitmapW(instance, MAKEINTRESOURCEW(number));
        presented_[Index(row.id)].name = Widened(PictureName(row.picture));
        presented_[Index(row.id)].description = Widened(PictureDescription(row.picture));
    }
}

}  // namespace lpf::win32
