// The probe's hands in the window's process (Wine keeps fonts and desktop
// colours per process): probe.exe hooks the window's thread with ProbeHook and
// sends the window "LowPassProbe"; by its wParam the hook then
//   1  writes "font NUMBER HEIGHT" per control into %TEMP%\lowpass-probe.txt,
//   2  sets desktop colour lParam >> 24 to lParam's low 24 bits,
//   3  tells the window it now lies on a monitor of lParam dpi,
//   4  turns high contrast on (lParam 1) or off (0) for the program, and
//      tells the window; off restores the colours that were set when it
//      was turned on.
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

// Wine 8 keeps no high-contrast setting, so the program's own import of
// SystemParametersInfoW is pointed here, which answers for it.
bool contrastOn = false;
decltype(&SystemParametersInfoW) passOn = nullptr;

BOOL WINAPI AnswerHighContrast(UINT action, UINT number, PVOID value, UINT update) {
    if (action != SPI_GETHIGHCONTRAST || !value) return passOn(action, number, value, update);
    auto* setting = static_cast<HIGHCONTRASTW*>(value);
    setting->dwFlags = HCF_AVAILABLE | (contrastOn ? HCF_HIGHCONTRASTON : 0);
    setting->lpszDefaultScheme = nullptr;
    return TRUE;
}

// The program's import table holds user32's SystemParametersInfoW at the
// address the loader found for it.
void PatchImport() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto& imports = reinterpret_cast<const IMAGE_NT_HEADERS*>(
                              base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew)
                              ->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto real = reinterpret_cast<ULONG_PTR>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW"));
    passOn = reinterpret_cast<decltype(passOn)>(real);
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         dll->Name; ++dll)
        for (auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
             entry->u1.Function; ++entry)
            if (entry->u1.Function == real) {
                DWORD was;
                VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &was);
                entry->u1.Function = reinterpret_cast<ULONG_PTR>(&AnswerHighContrast);
                VirtualProtect(entry, sizeof *entry, was, &was);
            }
}

void SwitchHighContrast(HWND window, bool on) {
    static std::array<int, COLOR_MENUBAR + 1> indices{};
    static std::array<COLORREF, COLOR_MENUBAR + 1> kept{};
    if (!passOn) PatchImport();
    if (on && !contrastOn) {
        for (int i = 0; i <= COLOR_MENUBAR; ++i) kept[i] = GetSysColor(indices[i] = i);
    } else if (!on && contrastOn) {
        SetSysColors(static_cast<int>(indices.size()), indices.data(), kept.data());
    }
    contrastOn = on;
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST,
                 reinterpret_cast<LPARAM>(L"HighContrast"));
}

}  // namespace

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
    } else if (sent->wParam == 4) {
        SwitchHighContrast(sent->hwnd, sent->lParam != 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
