// The probe's hands in the window's process (Wine keeps fonts and desktop
// colours per process): probe.exe hooks the window's thread with ProbeHook and
// sends the window "LowPassProbe"; by its wParam the hook then
//   1  writes "font NUMBER HEIGHT" per control into %TEMP%\lowpass-probe.txt,
//   2  sets desktop colour lParam >> 24 to lParam's low 24 bits,
//   3  tells the window it now lies on a monitor of lParam dpi.
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code != HC_ACTION || sent->message != RegisterWindowMessageW(L"LowPassProbe"))
        return CallNextHookEx(nullptr, code, wParam, lParam);
    if (sent->wParam == 1) {
        wchar_t path[MAX_PATH];
        GetTempPathW(MAX_PATH, path);
        FILE* file = _wfopen((std::wstring(path) + L"lowpass-probe.txt").c_str(), L"w");
        EnumChildWindows(
            sent->hwnd,
            [](HWND control, LPARAM file) {
                LOGFONTW font{};
                if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                               sizeof font, &font))
                    std::fprintf(reinterpret_cast<FILE*>(file), "font %d %ld\n",
                                 GetDlgCtrlID(control), -font.lfHeight);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(file));
        std::fclose(file);
    } else if (sent->wParam == 2) {
        const int index = static_cast<int>(sent->lParam >> 24);
        const COLORREF colour = static_cast<COLORREF>(sent->lParam & 0xFFFFFF);
        SetSysColors(1, &index, &colour);
    } else if (sent->wParam == 3) {  // where Windows would move it: left where it is
        RECT suggested;
        GetWindowRect(sent->hwnd, &suggested);
        SendMessageW(sent->hwnd, WM_DPICHANGED, MAKEWPARAM(sent->lParam, sent->lParam),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
