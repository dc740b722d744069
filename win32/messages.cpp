// The window's messages: clicks and the scroll bar turned into the form's
// user events; the focus kept while the window is inactive; the desktop's
// colours and the monitor's dpi followed.

#include <utility>

#include "look.h"
#include "window.h"

namespace lpf::win32 {

LRESULT Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return ControlColours(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            // Push buttons, and options, which are not automatic: the form
            // selects them.
            if (const auto id = IdOf(reinterpret_cast<HWND>(lParam));
                id && HIWORD(wParam) == BN_CLICKED)
                form_.Clicked(*id);
            return 0;
        case WM_HSCROLL:
            Scrolled(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            // Kept for when the window is active again (WM_SETFOCUS below).
            if (const auto id = IdOf(GetFocus()); id && LOWORD(wParam) == WA_INACTIVE) focus_ = *id;
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_SETFOCUS:
            // Activated, or restored: the focus goes back where it was.
            if (IsWindowVisible(Of(focus_)) && IsWindowEnabled(Of(focus_))) SetFocus(Of(focus_));
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:  // a high-contrast scheme switched on or off
            FollowScheme();
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_GETDPISCALEDSIZE: {
            // The design's size at the new dpi, not the old size scaled.
            const RECT frame = FrameAt(static_cast<UINT>(wParam));
            *reinterpret_cast<SIZE*>(lParam) = {frame.right - frame.left, frame.bottom - frame.top};
            return TRUE;
        }
        case WM_DPICHANGED:
            DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);  // the close box
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

// Arrow and trough clicks, keys, and the end of a thumb drag, each as the
// form's action; during the drag the control moves only its thumb.
void Window::Scrolled(HWND bar, int code) {
    static constexpr std::pair<int, ScrollAction> kActions[] = {
        {SB_LINELEFT, ScrollAction::LineLeft},     {SB_LINERIGHT, ScrollAction::LineRight},
        {SB_PAGELEFT, ScrollAction::PageLeft},     {SB_PAGERIGHT, ScrollAction::PageRight},
        {SB_LEFT, ScrollAction::ToStart},          {SB_RIGHT, ScrollAction::ToEnd},
        {SB_THUMBPOSITION, ScrollAction::ThumbAt},
    };
    const std::optional<ControlId> id = IdOf(bar);
    if (!id) return;
    SCROLLINFO thumb{};
    thumb.cbSize = sizeof thumb;
    thumb.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar, SB_CTL, &thumb);
    for (const auto& [native, action] : kActions)
        if (native == code) form_.Scrolled(*id, action, thumb.nTrackPos);
}

// At the start, and with each new colour scheme or high-contrast theme:
// whether high contrast is on, the pictures in the scheme's colours (made
// again at each change, since the colours may be new), the system colours
// the table names read again (ColourRef reads them each time), the brushes
// made anew, the window's own background first, and everything drawn again.
void Window::FollowScheme() {
    const Scheme scheme = DesktopScheme();
    SetScheme(scheme);
    for (int number = 1; number < static_cast<int>(pictures_.size()); ++number) {
        if (pictures_[number]) DeleteObject(pictures_[number]);
        pictures_[number] = PictureIn(scheme, Picture(number));
    }
    ForgetBrushes();
    SetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(BrushOf(ColourRef(kForm1.back))));
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// Moved to a monitor of another dpi: the system suggests where the window
// goes (sized by WM_GETDPISCALEDSIZE), and the controls follow at the new dpi.
void Window::DpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame is drawn at another dpi than the window's (as under
    // Wine, which keeps the desktop's), the client area still gets its size.
    RECT client;
    GetClientRect(hwnd_, &client);
    const int wider = PixelsAt(kForm1.width, dpi_) - client.right;
    const int taller = PixelsAt(kForm1.height, dpi_) - client.bottom;
    if (wider != 0 || taller != 0)
        SetWindowPos(hwnd_, nullptr, 0, 0, suggested.right - suggested.left + wider,
                     suggested.bottom - suggested.top + taller,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

}  // namespace lpf::win32
