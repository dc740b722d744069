// The keyboard between controls: the Tab walk in the table's tab positions,
// where an option group is one stop (its selected option), and the arrow
// keys, which move the selection within a group to the option lying in
// their direction.

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "window.h"

namespace lpf::win32 {
namespace {

bool TakesFocus(Kind kind) {
    return kind == Kind::PushButton || kind == Kind::TextBox || kind == Kind::ScrollBar ||
           kind == Kind::OptionButton;
}

std::vector<ControlId> TabWalkOrder() {
    std::vector<ControlId> walk;
    for (const ControlRow& row : ControlTable())
        if (TakesFocus(row.kind)) walk.push_back(row.id);
    std::sort(walk.begin(), walk.end(),
              [](ControlId a, ControlId b) { return Row(a).tab < Row(b).tab; });
    return walk;
}

RECT ScreenRect(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    return rect;
}

}  // namespace

bool Window::TakeKey(const MSG& message) {
    // Enter and Escape mean nothing in a box; left to it, a box would beep.
    if (message.message == WM_CHAR) return message.wParam == '\r' || message.wParam == 0x1B;
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam == VK_TAB) {
        TabWalk(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    ControlId focus;
    const bool arrow = message.wParam == VK_LEFT || message.wParam == VK_RIGHT ||
                       message.wParam == VK_UP || message.wParam == VK_DOWN;
    if (arrow && IdOf(GetFocus(), focus) && Row(focus).kind == Kind::OptionButton) {
        MoveInGroup(focus, static_cast<UINT>(message.wParam));
        return true;
    }
    return false;
}

void Window::TabWalk(bool backwards) {
    static const std::vector<ControlId> walk = TabWalkOrder();
    const int n = static_cast<int>(walk.size());
    ControlId focus;
    int from = backwards ? n : -1;  // nothing focused: start at an end
    if (IdOf(GetFocus(), focus)) {
        const auto at = std::find(walk.begin(), walk.end(), focus);
        if (at != walk.end()) from = static_cast<int>(at - walk.begin());
    }
    for (int step = 1; step <= n; ++step) {
        const ControlId id = walk[((from + (backwards ? -step : step)) % n + n) % n];
        const HWND control = Of(id);
        if (!IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
        if (Row(id).kind == Kind::OptionButton && !Selected(id)) continue;
        SetFocus(control);
        if (Row(id).kind == Kind::TextBox) SendMessageW(control, EM_SETSEL, 0, -1);
        return;
    }
}

// The nearest option in the arrow's direction: one in line with this one
// first (nearest along the arrow, then across it), else the nearest by
// distance.
void Window::MoveInGroup(ControlId option, UINT key) {
    const RECT target = ScreenRect(Of(option));
    const int goalX = (target.left + target.right) / 2;
    const int goalY = (target.top + target.bottom) / 2;
    const bool vertical = key == VK_UP || key == VK_DOWN;
    HWND best = nullptr;
    long long bestScore = LLONG_MAX;
    for (HWND o = GetWindow(GetParent(Of(option)), GW_CHILD); o; o = GetWindow(o, GW_HWNDNEXT)) {
        if (o == Of(option) || !IsWindowVisible(o) || !IsWindowEnabled(o)) continue;
        const RECT r = ScreenRect(o);
        const int dx = (r.left + r.right) / 2 - goalX;
        const int dy = (r.top + r.bottom) / 2 - goalY;
        const bool inColumn = r.left < target.right - 1 && target.left < r.right - 1;
        const bool inRow = r.top < target.bottom - 1 && target.top < r.bottom - 1;
        long long score;
        if (vertical && inColumn)
            score = (static_cast<long long>(std::abs(dy)) << 16) + std::abs(dx);
        else if (!vertical && inRow)
            score = (static_cast<long long>(std::abs(dx)) << 16) + std::abs(dy);
        else
            score = (1LL << 30) + static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
        const bool ahead = (key == VK_UP && dy < 0) || (key == VK_DOWN && dy > 0) ||
                           (key == VK_LEFT && dx < 0) || (key == VK_RIGHT && dx > 0);
        if (ahead && score <= bestScore) {
            best = o;
            bestScore = score;
        }
    }
    ControlId chosen;
    if (!best || !IdOf(best, chosen)) return;
    SetFocus(best);
    ChooseOption(chosen);
}

}  // namespace lpf::win32
