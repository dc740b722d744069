// The window's messages: the controls' colours from the table, the coloured
// push buttons and the pictures drawn, clicks and the scroll bar turned into
// the form's user events; the focus kept while the window is inactive; the
// desktop's colours and the monitor's dpi followed.

#include <algorithm>

#include "look.h"
#include "rules.h"
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
            Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_HSCROLL:
            Scrolled(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            // Kept for when the window is active again (WM_SETFOCUS below).
            if (ControlId id; LOWORD(wParam) == WA_INACTIVE && IdOf(GetFocus(), id)) focus_ = id;
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_SETFOCUS:
            // Activated, or restored: the focus goes back where it was.
            if (IsWindowVisible(Of(focus_)) && IsWindowEnabled(Of(focus_))) SetFocus(Of(focus_));
            return 0;
        case WM_SYSCOLORCHANGE:
            ColoursChanged();
            return 0;
        case WM_SETTINGCHANGE:  // a high-contrast scheme switched on or off
            ColoursChanged();
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

// Labels, frames, option buttons and masks are opaque in their back colour
// and write in their fore colour, the kind's usual ones where the table
// leaves them to it.
LRESULT Window::ControlColours(UINT message, HDC dc, HWND control) {
    ControlId id;
    if (!IdOf(control, id))
        return DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    const COLORREF back = ColourRef(Shown(id, Layer::Back, BackColour(Row(id))));
    const COLORREF fore = ColourRef(Shown(id, Layer::Fore, fore_[Index(id)]));
    LRESULT brush = DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(control));
    if (back != CLR_INVALID) {
        SetBkColor(dc, back);
        brush = reinterpret_cast<LRESULT>(BrushOf(back));
    }
    if (fore != CLR_INVALID) SetTextColor(dc, fore);
    return brush;
}

void Window::DrawItem(const DRAWITEMSTRUCT& item) {
    ControlId id;
    if (!IdOf(item.hwndItem, id)) return;
    const ControlRow& row = Row(id);
    RECT area = item.rcItem;
    const HDC dc = item.hDC;

    if (row.kind == Kind::PushButton) {
        // A face of exactly the table's colour in the usual 3D edge, pushed
        // in while pressed; its lines as thick as the dpi makes a pixel.
        const bool pressed = item.itemState & ODS_SELECTED;
        const int line = Scaled(1, dpi_);
        FillRect(dc, &area, BrushOf(ColourRef(Shown(id, Layer::Back, row.back))));
        RECT edge = area;
        for (UINT part : {pressed ? BDR_SUNKENOUTER : BDR_RAISEDOUTER,
                          pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER}) {
            for (int i = 0; i < line; ++i) {
                DrawEdge(dc, &edge, part, BF_RECT);
                InflateRect(&edge, -1, -1);
            }
        }
        wchar_t caption[64];
        GetWindowTextW(item.hwndItem, caption, 64);
        const COLORREF fore = ColourRef(Shown(id, Layer::Fore, fore_[Index(id)]));
        SetTextColor(dc, fore == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : fore);
        SetBkMode(dc, TRANSPARENT);
        const auto oldFont = SelectObject(dc, FontOf(row.font, dpi_));
        RECT text = area;
        if (pressed) OffsetRect(&text, line, line);
        DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
            InflateRect(&area, -Scaled(4, dpi_), -Scaled(4, dpi_));
            for (int i = 0; i < line; ++i) {
                DrawFocusRect(dc, &area);
                InflateRect(&area, -1, -1);
            }
        }
        return;
    }

    // A picture from the top-left corner, each of its pixels a block of
    // screen pixels as large as the dpi makes a design pixel: never smoothed,
    // so edges and lettering stay sharp. What it leaves of the control shows
    // the control's back colour.
    const COLORREF back = ColourRef(Shown(id, Layer::Back, row.back));
    if (back != CLR_INVALID) FillRect(dc, &area, BrushOf(back));
    const HBITMAP contrasting = contrastPictures_[static_cast<int>(row.picture)];
    const HBITMAP picture = contrasting ? contrasting : pictures_[static_cast<int>(row.picture)];
    if (!picture) return;
    BITMAP size;
    GetObjectW(picture, sizeof size, &size);
    const HDC source = CreateCompatibleDC(dc);
    const auto old = SelectObject(source, picture);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, Scaled(size.bmWidth, dpi_), Scaled(size.bmHeight, dpi_), source, 0, 0,
               size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void Window::Command(HWND control, int code) {
    ControlId id;
    if (code != BN_CLICKED || !IdOf(control, id)) return;
    if (Row(id).kind == Kind::OptionButton)
        ChooseOption(id);
    else
        form_.Clicked(id);
}

// An option chosen by mouse, Space or arrow key: the form hears of it only
// when it becomes the selected one.
void Window::ChooseOption(ControlId option) {
    if (Selected(option)) return;
    Select(option);
    form_.OptionSelected(option);
}

// Arrow and trough clicks, keys, and the end of a thumb drag each settle the
// value; during the drag the control moves only its thumb. A click that
// cannot move the value (the left arrow at the minimum) reports nothing.
void Window::Scrolled(HWND bar, int code) {
    ControlId id;
    if (!IdOf(bar, id)) return;
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(bar, SB_CTL, &minimum, &maximum);
    const int old = GetScrollPos(bar, SB_CTL);
    int value = old;
    switch (code) {
        case SB_LINELEFT:
            value -= smallStep_;
            break;
        case SB_LINERIGHT:
            value += smallStep_;
            break;
        case SB_PAGELEFT:
            value -= kHScroll1.largeStep;
            break;
        case SB_PAGERIGHT:
            value += kHScroll1.largeStep;
            break;
        case SB_LEFT:
            value = minimum;
            break;
        case SB_RIGHT:
            value = maximum;
            break;
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(bar, SB_CTL, &info);
            value = info.nTrackPos;
            break;
        }
        default:
            return;
    }
    value = std::clamp(value, minimum, maximum);
    if (value == old) return;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    form_.ScrollSettled(id);
}

// A new colour scheme or high-contrast theme: the system colours the table
// names are read again (ColourRef reads them each time), the brushes made
// anew, the window's own background first, and everything drawn again.
void Window::ColoursChanged() {
    FollowScheme();
    ForgetBrushes();
    SetClassLongPtrW(hwnd_, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(BrushOf(ColourRef(kForm1.back))));
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// Whether high contrast is on, and the pictures in the scheme's colours
// while it is: made again at each change, since the colours may be new.
void Window::FollowScheme() {
    scheme_ = DesktopScheme();
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    for (int number = 0; number < static_cast<int>(contrastPictures_.size()); ++number) {
        if (contrastPictures_[number]) DeleteObject(contrastPictures_[number]);
        contrastPictures_[number] = scheme_ == Scheme::HighContrast && pictures_[number]
                                        ? PictureInHighContrast(instance, Picture(number))
                                        : nullptr;
    }
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
