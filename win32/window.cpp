#include "window.h"

#include <oleacc.h>

#include "look.h"
#include "rules.h"
#include "text.h"
#include "words.h"

namespace lpf::win32 {
namespace {

constexpr wchar_t kClassName[] = L"LowPassForm1";
// A fixed-size window with a caption and a close box only; the dialog frame
// leaves out the caption's icon.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

struct KindLook {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    long role;  // what a screen reader calls it
};

// The native control of each kind. Labels and pictures do not wrap, grey or
// interpret "&"; pictures and coloured push buttons are drawn here
// (messages.cpp). Option buttons are not automatic: the window selects them,
// so that only a change of selection reaches the form.
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

WNDPROC buttonProc = nullptr;  // the frames' own procedure, under FrameProc

}  // namespace

Window::Window(HINSTANCE instance, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = BrushOf(ColourRef(kForm1.back));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // Made at the desktop's dpi, then placed at the dpi of the monitor it
    // opened on.
    dpi_ = GetDpiForSystem();
    const RECT frame = FrameAt(dpi_);
    if (!CreateWindowExW(kExStyle, kClassName, Widened(kForm1.title).c_str(), kStyle, frame.left,
                         frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                         nullptr, instance, this)) {
        hwnd_ = nullptr;  // set on WM_NCCREATE, and gone again if creation failed after it
        return;
    }
    if (const UINT dpi = GetDpiForWindow(hwnd_); dpi != dpi_) {
        dpi_ = dpi;
        const RECT placed = FrameAt(dpi_);
        SetWindowPos(hwnd_, nullptr, placed.left, placed.top, placed.right - placed.left,
                     placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    BuildControls(instance);
    form_.Open();
    PresentPictures();
    FollowScheme();
    focus_ = form_.StartFocus();
    ShowWindow(hwnd_, show);
    // Focus rectangles show from the start, as the keyboard user needs them.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (GetActiveWindow() == hwnd_ && !IsIconic(hwnd_)) FocusTabStop(focus_);
}

// The window's frame on the screen for the design's client area at `dpi`.
RECT Window::FrameAt(UINT dpi) {
    const int left = PixelsAt(kForm1.left, dpi);
    const int top = PixelsAt(kForm1.top, dpi);
    RECT frame{left, top, left + PixelsAt(kForm1.width, dpi), top + PixelsAt(kForm1.height, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    return frame;
}

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
        if (row.kind == Kind::Frame) {
            // Options tell their frame what happens to them; the frame
            // passes it on to the window.
            buttonProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameProc)));
        }
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

bool Window::IdOf(HWND control, ControlId& id) const {
    const int number = GetDlgCtrlID(control) - kFirstControlNumber;
    if (number < 0 || number >= static_cast<int>(kControlCount) || controls_[number] != control)
        return false;
    id = static_cast<ControlId>(number);
    return true;
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return SendMessageW(GetParent(hwnd), message, wParam, lParam);
        case WM_ERASEBKGND: {
            // Opaque in its back colour, as the design's frames are.
            RECT area;
            GetClientRect(hwnd, &area);
            const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
                GetParent(hwnd), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(hwnd)));
            FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
            return 1;
        }
        default:
            return CallWindowProcW(buttonProc, hwnd, message, wParam, lParam);
    }
}

// --- the View --------------------------------------------------------------

void Window::DoSetVisible(ControlId id, bool visible) {
    const bool wasVisible = IsWindowVisible(Of(id));
    ShowWindow(Of(id), visible ? SW_SHOWNA : SW_HIDE);
    // The refresh prompt and the help sheet speak up as they appear.
    if (visible && !wasVisible && AnnouncesItself(id)) Announce(Of(id));
}

void Window::DoSetText(ControlId id, const std::string& text) {
    SetWindowTextW(Of(id), Widened(text).c_str());
}

std::string Window::DoText(ControlId id) const {
    std::wstring text(GetWindowTextLengthW(Of(id)) + 1, L'\0');
    text.resize(GetWindowTextW(Of(id), text.data(), static_cast<int>(text.size())));
    return Narrowed(text);
}

void Window::DoSetForeColour(ControlId id, Colour colour) {
    fore_[Index(id)] = colour;
    InvalidateRect(Of(id), nullptr, TRUE);
}

void Window::DoRepaint(ControlId id) {
    RedrawWindow(Of(id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Window::DoRepaintWindow() {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Window::DoSelected(ControlId option) const {
    return SendMessageW(Of(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::DoSelect(ControlId option) {
    const HWND frame = GetParent(Of(option));
    for (HWND o = GetWindow(frame, GW_CHILD); o; o = GetWindow(o, GW_HWNDNEXT))
        SendMessageW(o, BM_SETCHECK, o == Of(option) ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Window::DoScrollValue(ControlId bar) const {
    return GetScrollPos(Of(bar), SB_CTL);
}

void Window::DoSetScrollMinimum(ControlId bar, int minimum) {
    int oldMinimum = 0;
    int maximum = 0;
    GetScrollRange(Of(bar), SB_CTL, &oldMinimum, &maximum);
    SetScrollRange(Of(bar), SB_CTL, minimum, maximum, TRUE);
}

void Window::DoSetScrollValue(ControlId bar, int value) {
    SetScrollPos(Of(bar), SB_CTL, value, TRUE);
}

void Window::DoSetScrollStep(ControlId, int smallStep) {
    smallStep_ = smallStep;
}

void Window::DoFocus(ControlId id) {
    SetFocus(Of(id));
}

void Window::DoSetAccessibleName(ControlId id, const std::string& name) {
    presented_[Index(id)].name = Widened(name);
    NameChanged(Of(id));
}

// A named box needs no label relation here: the name given above is what
// a Windows screen reader speaks for it.
void Window::DoSetLabelFor(ControlId, ControlId) {}

char Window::DoDecimalSeparator() const {
    wchar_t separator[4]{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return length == 2 && separator[0] < 0x80 ? static_cast<char>(separator[0]) : '.';
}

void Window::DoQuit() {
    PostQuitMessage(0);
}

}  // namespace lpf::win32
