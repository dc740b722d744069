// The form's View over the native controls: what its handlers change and
// read.

#include "text.h"
#include "window.h"

namespace lpf::win32 {

void Window::DoSetVisible(ControlId id, bool visible) {
    ShowWindow(Of(id), visible ? SW_SHOWNA : SW_HIDE);
}

// An alert reads out its own name, which the form gave it.
void Window::DoAnnounce(ControlId id, const std::string&) {
    NotifyWinEvent(EVENT_SYSTEM_ALERT, Of(id), OBJID_CLIENT, CHILDID_SELF);
}

void Window::DoSetText(ControlId id, const std::string& text) {
    SetWindowTextW(Of(id), Widened(text).c_str());
}

std::string Window::DoText(ControlId id) const {
    std::wstring text(GetWindowTextLengthW(Of(id)) + 1, L'\0');
    text.resize(GetWindowTextW(Of(id), text.data(), static_cast<int>(text.size())));
    return Narrowed(text);
}

// The View keeps the colour; drawn again, the label asks for it.
void Window::DoSetForeColour(ControlId id, Colour) {
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
    SetScrollRange(Of(bar), SB_CTL, minimum, kHScroll1.maximum, TRUE);
}

void Window::DoSetScrollValue(ControlId bar, int value) {
    SetScrollPos(Of(bar), SB_CTL, value, TRUE);
}

// Until the window is shown the focus waits for it.
void Window::DoFocus(ControlId id, FocusMove) {
    if (IsWindowVisible(hwnd_))
        SetFocus(Of(id));
    else
        focus_ = id;
}

void Window::DoSelectAllText(ControlId box) {
    SendMessageW(Of(box), EM_SETSEL, 0, -1);
}

void Window::DoSetAccessibleName(ControlId id, const std::string& name) {
    presented_[Index(id)].name = Widened(name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Of(id), OBJID_CLIENT, CHILDID_SELF);
}

// A named box needs no label relation here: the name given above is what
// a Windows screen reader speaks for it.
void Window::DoSetLabelFor(ControlId, ControlId) {}

std::string Window::DoDecimalSeparator() const {
    wchar_t separator[4]{};  // the most the locale holds, with its end
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return Narrowed(separator);
}

void Window::DoQuit() {
    PostQuitMessage(0);
}

}  // namespace lpf::win32
