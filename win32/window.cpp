#include "window.h"

#include "text.h"

namespace lpf::win32 {
namespace {

constexpr wchar_t kClassName[] = L"LowPassForm1";
// A fixed-size window with a caption and a close box only; the dialog frame
// leaves out the caption's icon.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

Window::Window(HINSTANCE instance, int show) {
    // The background brush comes with the desktop's colours (FollowScheme).
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    // Made at the desktop's dpi, then laid out at the dpi of the monitor it
    // opened on, as when it is moved there.
    dpi_ = GetDpiForSystem();
    const RECT frame = FrameAt(dpi_);
    if (!CreateWindowExW(kExStyle, kClassName, Widened(kForm1.title).c_str(), kStyle, frame.left,
                         frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                         nullptr, instance, this)) {
        hwnd_ = nullptr;  // set on WM_NCCREATE, and gone again if creation failed after it
        return;
    }
    BuildControls(instance);
    if (const UINT dpi = GetDpiForWindow(hwnd_); dpi != dpi_) DpiChanged(dpi, FrameAt(dpi));
    form_.Open();
    FollowScheme();
    ShowWindow(hwnd_, show);
    // Focus rectangles show from the start, as the keyboard user needs them.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    // The focus the form gave while the window was hidden, now it is shown.
    if (GetActiveWindow() == hwnd_ && !IsIconic(hwnd_)) SetFocus(Of(focus_));
}

RECT Window::FrameAt(UINT dpi) {
    const PixelRect client = PlaceAt(kForm1, dpi);
    RECT frame{client.left, client.top, client.left + client.width, client.top + client.height};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    return frame;
}

std::optional<ControlId> Window::IdOf(HWND control) const {
    const int number = GetDlgCtrlID(control) - kFirstControlNumber;
    if (number < 0 || number >= static_cast<int>(kControlCount) || controls_[number] != control)
        return std::nullopt;
    return static_cast<ControlId>(number);
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

}  // namespace lpf::win32
