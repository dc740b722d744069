// Low Pass Filter - Butterworth on Windows: one window, its messages, and the
// keys that move between its controls.

#include <windows.h>

#include "window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Screen readers' annotations need COM on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    lpf::win32::Window window(instance);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TakeKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return 0;
}
