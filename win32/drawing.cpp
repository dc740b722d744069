// What the window draws itself: the controls' colours from the table, the
// coloured push buttons and the pictures at the window's dpi.

#include "look.h"
#include "text.h"
#include "window.h"

namespace lpf::win32 {

// Labels, frames, option buttons and masks are opaque in their back colour
// and write in their fore colour, the kind's usual ones where the table
// leaves them to it.
LRESULT Window::ControlColours(UINT message, HDC dc, HWND control) {
    LRESULT brush = DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(control));
    const std::optional<ControlId> id = IdOf(control);
    if (!id) return brush;
    const COLORREF back = ColourRef(ColourShown(*id, Layer::Back));
    const COLORREF fore = ColourRef(ColourShown(*id, Layer::Fore));
    if (back != CLR_INVALID) {
        SetBkColor(dc, back);
        brush = reinterpret_cast<LRESULT>(BrushOf(back));
    }
    if (fore != CLR_INVALID) SetTextColor(dc, fore);
    return brush;
}

void Window::DrawItem(const DRAWITEMSTRUCT& item) {
    const std::optional<ControlId> id = IdOf(item.hwndItem);
    if (!id) return;
    const ControlRow& row = Row(*id);
    RECT area = item.rcItem;
    const HDC dc = item.hDC;
    // What a picture leaves of its control shows the control's back colour;
    // a coloured push button's face is that colour.
    const COLORREF back = ColourRef(ColourShown(row.id, Layer::Back));
    if (back != CLR_INVALID) FillRect(dc, &area, BrushOf(back));

    if (row.kind == Kind::PushButton) {
        // A face of exactly the table's colour in the usual 3D edge, pushed
        // in while pressed; its lines as thick as the dpi makes a pixel.
        const bool pressed = item.itemState & ODS_SELECTED;
        const int line = Scaled(1, dpi_);
        RECT edge = area;
        for (UINT part : {pressed ? BDR_SUNKENOUTER : BDR_RAISEDOUTER,
                          pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER}) {
            for (int i = 0; i < line; ++i) {
                DrawEdge(dc, &edge, part, BF_RECT);
                InflateRect(&edge, -1, -1);
            }
        }
        const COLORREF fore = ColourRef(ColourShown(row.id, Layer::Fore));
        SetTextColor(dc, fore == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : fore);
        SetBkMode(dc, TRANSPARENT);
        const auto oldFont = SelectObject(dc, FontOf(row.font, dpi_));
        RECT text = area;
        if (pressed) OffsetRect(&text, line, line);
        // A push button's caption is the table's: the form never changes it.
        DrawTextW(dc, Widened(row.text).c_str(), -1, &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
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
    // so edges and lettering stay sharp.
    const HBITMAP picture = pictures_[static_cast<int>(row.picture)];
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

}  // namespace lpf::win32
