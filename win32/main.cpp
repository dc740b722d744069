// Low Pass Filter - Butterworth on Windows: one window, its messages, and the
// keys that move between its controls.

#include "text.h"
#include "window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // Screen readers' objects are handed out through COM on this thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    lpf::win32::Window window(instance, show);
    if (!window.Created()) {
        // Without it the program would run on with nothing on show.
        const std::wstring text = L"The program's window could not be created (error " +
                                  std::to_wstring(GetLastError()) + L").";
        MessageBoxW(nullptr, text.c_str(), lpf::win32::Widened(lpf::kForm1.title).c_str(),
                    MB_OK | MB_ICONERROR);
        CoUninitialize();
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TakeKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return 0;
}
