// The probe's hands inside the window's process: fonts and desktop colours
// belong to each process under Wine, so reading the one and changing the
// other has to happen there. probe.exe hooks the window's thread with
// ProbeHook and sends the window the message "LowPassProbe"; the hook sees
// it first and, by its wParam:
//   1  writes "font NUMBER HEIGHT CELL" per control with a font into the temp folder's
//      lowpass-probe.txt
//   2  SetSysColors: colour number lParam >> 24 becomes lParam's low 24 bits
//   3  tells the window it lies on a monitor of lParam dpi, as Windows does
//      when it is moved there
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK WriteFont(HWND control, LPARAM file) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font) return TRUE;  // a scroll bar has none
    LOGFONTW asked{};
    GetObjectW(font, sizeof asked, &asked);
    TEXTMETRICW got{};
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &got);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    std::fprintf(reinterpret_cast<FILE*>(file), "font %d %ld %ld\n", GetDlgCtrlID(control),
                 -asked.lfHeight, got.tmHeight);
    return TRUE;
}

void MovedToDpi(HWND window, UINT dpi) {
    RECT suggested;
    GetWindowRect(window, &suggested);
    SIZE size{suggested.right - suggested.left, suggested.bottom - suggested.top};
    SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size));
    suggested.right = suggested.left + size.cx;
    suggested.bottom = suggested.top + size.cy;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT probe = RegisterWindowMessageW(L"LowPassProbe");
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == probe) {
        if (sent->wParam == 1) {
            wchar_t path[MAX_PATH];
            GetTempPathW(MAX_PATH, path);
            wcscat(path, L"lowpass-probe.txt");
            if (FILE* file = _wfopen(path, L"wb")) {
                EnumChildWindows(sent->hwnd, WriteFont, reinterpret_cast<LPARAM>(file));
                std::fclose(file);
            }
        } else if (sent->wParam == 2) {
            const int index = static_cast<int>(sent->lParam >> 24);
            const COLORREF colour = static_cast<COLORREF>(sent->lParam & 0xFFFFFF);
            SetSysColors(1, &index, &colour);
        } else if (sent->wParam == 3) {
            MovedToDpi(sent->hwnd, static_cast<UINT>(sent->lParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
