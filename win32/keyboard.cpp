// The keyboard between controls, as the form's rules say: Tab and Shift+Tab
// to the next stop of the walk, the arrow keys in an option group to the
// neighbouring option, which they select.

#include "rules.h"
#include "window.h"

namespace lpf::win32 {

bool Window::TakeKey(const MSG& message) {
    // Enter and Escape mean nothing in a box; left to it, a box would beep.
    if (message.message == WM_CHAR) return message.wParam == '\r' || message.wParam == 0x1B;
    if (message.message != WM_KEYDOWN) return false;
    ControlId focus;
    const bool focused = IdOf(GetFocus(), focus);
    if (message.wParam == VK_TAB) {
        FocusTabStop(form_.NextTabStop(focused ? std::optional(focus) : std::nullopt,
                                       GetKeyState(VK_SHIFT) < 0));
        return true;
    }
    if (!focused || Row(focus).kind != Kind::OptionButton) return false;
    std::optional<Arrow> arrow;
    switch (message.wParam) {
        case VK_LEFT:
            arrow = Arrow::Left;
            break;
        case VK_RIGHT:
            arrow = Arrow::Right;
            break;
        case VK_UP:
            arrow = Arrow::Up;
            break;
        case VK_DOWN:
            arrow = Arrow::Down;
            break;
        default:
            return false;
    }
    if (const auto to = ArrowNeighbour(focus, *arrow)) {
        SetFocus(Of(*to));
        ChooseOption(*to);
    }
    return true;
}

// A box reached by Tab has its whole text selected, ready to be typed over.
void Window::FocusTabStop(ControlId id) {
    SetFocus(Of(id));
    if (Row(id).kind == Kind::TextBox) SendMessageW(Of(id), EM_SETSEL, 0, -1);
}

}  // namespace lpf::win32
