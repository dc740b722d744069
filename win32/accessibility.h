#pragma once
// What a screen reader reads for a control: its name, role and description.
// A control answers oleacc's question (WM_GETOBJECT) itself, with the
// system's standard object for its kind overlaid with what is given here, as
// Windows screen readers ask every Win32 control.

#include <windows.h>

#include <string>

namespace lpf::win32 {

struct Presentation {
    std::wstring name;         // empty: the standard object's (the caption)
    std::wstring description;  // empty: none
    long role = 0;             // a ROLE_SYSTEM_ value; 0: the standard object's
    bool decoration = false;   // there for the eye only: screen readers pass it by
};

// From now on `control` answers with *presentation, read at each question;
// it must outlive the control.
void Present(HWND control, const Presentation* presentation);

}  // namespace lpf::win32
