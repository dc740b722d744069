// The keyboard between controls: Tab and Shift+Tab, and the arrow keys on an
// option, told to the form, which moves the focus and the selection.

#include <utility>

#include "window.h"

namespace lpf::win32 {

bool Window::TakeKey(const MSG& message) {
    static constexpr std::pair<WPARAM, Arrow> kArrows[] = {{VK_LEFT, Arrow::Left},
                                                           {VK_RIGHT, Arrow::Right},
                                                           {VK_UP, Arrow::Up},
                                                           {VK_DOWN, Arrow::Down}};
    // Enter and Escape mean nothing in a box; left to it, a box would beep.
    if (message.message == WM_CHAR) return message.wParam == '\r' || message.wParam == 0x1B;
    if (message.message != WM_KEYDOWN) return false;
    const std::optional<ControlId> focus = IdOf(GetFocus());
    if (message.wParam == VK_TAB) {
        form_.TabPressed(focus, GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    for (const auto& [key, arrow] : kArrows)
        if (focus && message.wParam == key) return form_.ArrowPressed(*focus, arrow);
    return false;
}

}  // namespace lpf::win32
