#pragma once
// The form's texts are UTF-8; Windows takes UTF-16.

#include <windows.h>

#include <string>

namespace lpf::win32 {

// Each asked twice: first for the length, then to convert.
inline std::wstring Widened(const std::string& text) {
    const int length = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

inline std::string Narrowed(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string narrow(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

}  // namespace lpf::win32
