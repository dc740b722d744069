// The window's messages: the controls' colours from the table, the coloured
// push buttons and the pictures drawn, clicks and the scroll bar turned into
// the form's user events.

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
    const COLORREF back = ColourRef(BackColour(Row(id)));
    const COLORREF fore = ColourRef(fore_[Index(id)]);
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
        // in while pressed.
        const bool pressed = item.itemState & ODS_SELECTED;
        FillRect(dc, &area, BrushOf(ColourRef(row.back)));
        DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        wchar_t caption[64];
        GetWindowTextW(item.hwndItem, caption, 64);
        const COLORREF fore = ColourRef(fore_[Index(id)]);
        SetTextColor(dc, fore == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : fore);
        SetBkMode(dc, TRANSPARENT);
        const auto oldFont = SelectObject(dc, FontOf(row.font));
        RECT text = area;
        if (pressed) OffsetRect(&text, 1, 1);
        DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
            InflateRect(&area, -4, -4);
            DrawFocusRect(dc, &area);
        }
        return;
    }

    // A picture at its natural size from the top-left corner, pixel for
    // pixel; what it leaves of the control shows the control's back colour.
    const COLORREF back = ColourRef(row.back);
    if (back != CLR_INVALID) FillRect(dc, &area, BrushOf(back));
    const HBITMAP picture = pictures_[static_cast<int>(row.picture)];
    if (!picture) return;
    BITMAP size;
    GetObjectW(picture, sizeof size, &size);
    const HDC source = CreateCompatibleDC(dc);
    const auto old = SelectObject(source, picture);
    BitBlt(dc, 0, 0, std::min<int>(size.bmWidth, area.right),
           std::min<int>(size.bmHeight, area.bottom), source, 0, 0, SRCCOPY);
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

}  // namespace lpf::win32
