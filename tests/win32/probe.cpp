// Reads the calculator's window from outside, as a test needs it, and
// drives it: a console program run in the same Wine prefix. It answers one
// command a line on stdin, each answer ending with a line "end":
//   wait SECONDS     "window" once the window is on show, or "none"
//   dump             "client X Y W H" (screen), "frame X Y W H", "iconic
//                    0|1", one "control" line per control, top of the
//                    stacking order first, a frame's options after it, and
//                    "focus NUMBER"
//   names            the same with what oleacc gives (slower: its objects
//                    come from the window's process)
//   click NUMBER     a click on that button (BM_CLICK)
//   settext NUMBER TEXT
//   other            a window of the probe's own activated
//   activate         the window activated again, as Alt+Tab does
//   fonts            "font NUMBER HEIGHT" per control with a font (pixels)
//   syscolor INDEX BBGGRR   the desktop colour INDEX changed (SetSysColors)
//   dpi DPI          the window told it now lies on a monitor of DPI
//   contrast 1|0     the program's high-contrast setting on or off (off
//                    also restores the desktop colours of when it went on)
// A control line holds, tab-separated: "control", its id number, class,
// visible, enabled, checked, scroll position (or -), x y w h relative to the
// client area, its text, its window handle, and (after "names" only) its
// accessible name, role and description as oleacc gives them.
// "fonts", "syscolor", "dpi" and "contrast" run inside the window's process, in
// probe_hook.dll: Wine keeps fonts and desktop colours per process.
#include <windows.h>
// __uuidof(IAccessible): the import library's IID_IAccessible is wrong.
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"Low Pass Filter - Butterworth";

std::string Utf8(const std::wstring& text) {
    std::string out(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr),
                    '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()),
                        nullptr, nullptr);
    out.resize(out.size() - 1);
    for (char& c : out)
        if (c == '\t' || c == '\n') c = ' ';
    return out;
}

std::wstring Wide(const std::string& text) {
    std::wstring out(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
    out.resize(out.size() - 1);
    return out;
}

// Name, role and description, tab-separated.
std::string Accessible(HWND control) {
    IAccessible* acc = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&acc))))
        return "?\t?\t?";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR description = nullptr;
    VARIANT role;
    VariantInit(&role);
    std::string result;
    if (acc->get_accName(self, &name) == S_OK && name) result = Utf8(name);
    result += "\t";
    if (acc->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        result += std::to_string(role.lVal);
    result += "\t";
    if (acc->get_accDescription(self, &description) == S_OK && description)
        result += Utf8(description);
    SysFreeString(name);
    SysFreeString(description);
    acc->Release();
    return result;
}

// Command 1 to 4 of probe_hook.dll run in the window's thread; what it
// writes (into the temp folder) is printed.
void InWindowProcess(HWND window, WPARAM command, LPARAM argument) {
    static const HMODULE hook = LoadLibraryW(L"probe_hook.dll");
    const HHOOK hooked = SetWindowsHookExW(
        WH_CALLWNDPROC,
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hook, "ProbeHook"))),
        hook, GetWindowThreadProcessId(window, nullptr));
    SendMessageTimeoutW(window, RegisterWindowMessageW(L"LowPassProbe"), command, argument,
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    UnhookWindowsHookEx(hooked);
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    char written[256];
    if (FILE* f = _wfopen((std::wstring(path) + L"lowpass-probe.txt").c_str(), L"r")) {
        while (std::fgets(written, sizeof written, f)) std::fputs(written, stdout);
        std::fclose(f);
    }
}

// A window of the probe's own, made the active one.
void ActivateOther() {
    static const HWND other = CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE, 0, 0,
                                              40, 40, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    for (int i = 0; i < 30; ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

// Options sit inside their frame, so GetDlgItem on the window would miss them.
HWND Control(HWND window, int number) {
    struct Search {
        int number;
        HWND found;
    } search{number, nullptr};
    EnumChildWindows(
        window,
        [](HWND control, LPARAM p) {
            auto* s = reinterpret_cast<Search*>(p);
            if (GetDlgCtrlID(control) != s->number) return TRUE;
            s->found = control;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Dump(HWND window, bool names) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    RECT frame;
    GetWindowRect(window, &frame);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("frame %ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                frame.bottom - frame.top);
    std::printf("iconic %d\n", IsIconic(window) ? 1 : 0);
    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND control, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    for (HWND c : controls) {
        wchar_t className[64];
        GetClassNameW(c, className, 64);
        wchar_t text[512];
        SendMessageTimeoutW(c, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            2000, nullptr);
        RECT r;
        GetWindowRect(c, &r);
        std::string position = "-";
        if (_wcsicmp(className, L"ScrollBar") == 0)
            position = std::to_string(GetScrollPos(c, SB_CTL));
        DWORD_PTR checked = 0;
        SendMessageTimeoutW(c, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &checked);
        std::printf("control\t%d\t%s\t%d\t%d\t%d\t%s\t%ld\t%ld\t%ld\t%ld\t%s\t%llx\t%s\n",
                    GetDlgCtrlID(c), Utf8(className).c_str(), IsWindowVisible(c) ? 1 : 0,
                    IsWindowEnabled(c) ? 1 : 0, checked == BST_CHECKED ? 1 : 0, position.c_str(),
                    r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top,
                    Utf8(text).c_str(),
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(c)),
                    names ? Accessible(c).c_str() : "\t\t");
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    std::printf("focus %d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
}

}  // namespace

int main() {
    // Rectangles as the window has them: a probe unaware of the dpi would be
    // told them scaled back to 96 dpi, as Windows (and Wine 10) do.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    char line[1024];
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        char command[16] = "";
        int number = 0;
        int used = 0;
        std::sscanf(line, "%15s %d %n", command, &number, &used);
        HWND window = FindWindowW(nullptr, kTitle);
        if (std::strcmp(command, "wait") == 0) {
            for (int i = 0; !(window && IsWindowVisible(window)) && i < number * 20; ++i) {
                Sleep(50);
                window = FindWindowW(nullptr, kTitle);
            }
            std::puts(window && IsWindowVisible(window) ? "window" : "none");
        } else if (!window) {
            std::puts("none");
        } else if (std::strcmp(command, "dump") == 0 || std::strcmp(command, "names") == 0) {
            Dump(window, command[0] == 'n');
        } else if (std::strcmp(command, "click") == 0) {
            SendMessageTimeoutW(Control(window, number), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000,
                                nullptr);
        } else if (std::strcmp(command, "other") == 0) {
            ActivateOther();
        } else if (std::strcmp(command, "activate") == 0) {
            SetForegroundWindow(window);
        } else if (std::strcmp(command, "fonts") == 0) {
            InWindowProcess(window, 1, 0);
        } else if (std::strcmp(command, "syscolor") == 0) {
            InWindowProcess(window, 2, number << 24 | std::strtol(line + used, nullptr, 16));
        } else if (std::strcmp(command, "dpi") == 0) {
            InWindowProcess(window, 3, number);
        } else if (std::strcmp(command, "contrast") == 0) {
            InWindowProcess(window, 4, number);
        } else if (std::strcmp(command, "settext") == 0) {
            const std::wstring text = Wide(line + used);
            SendMessageTimeoutW(Control(window, number), WM_SETTEXT, 0,
                                reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                                nullptr);
        }
        std::puts("end");
        std::fflush(stdout);
    }
    return 0;
}
