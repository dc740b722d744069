#pragma once
// What a Windows screen reader reads for a control, through Dynamic
// Annotation: properties laid over what the control says of itself.

#include <windows.h>

#include <string>

namespace lpf::win32 {

void AnnotateName(HWND control, const std::wstring& name);
// A picture: an image with a name and, in words, what it shows.
void AnnotatePicture(HWND control, const std::wstring& name, const std::wstring& description);
// A message that is announced whenever it appears (see Window::SetVisible).
void AnnotateAlert(HWND control);
// There for the eye only: screen readers pass it by.
void AnnotateDecoration(HWND control);

}  // namespace lpf::win32
