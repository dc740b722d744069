#pragma once
// Which windowing system the window is shown through.

namespace lpf {

// Call before the QApplication exists. Unless the user has named a Qt
// platform plugin in QT_QPA_PLATFORM, X11 comes first and native Wayland
// second. On a Wayland desktop the window then runs under XWayland, where it
// can ask the window manager for its place on the screen; a native Wayland
// client cannot, and the compositor would put it anywhere. Without any X
// server Qt moves on to Wayland, so the program still starts there.
void PreferX11Platform();

}  // namespace lpf
