#pragma once
// What the page takes from the browser it runs in.

#include <emscripten/val.h>

namespace lpf::web {

// The browser's language as Intl takes it, or undefined (which Intl reads as
// the browser's default) where the browser reports no tag Intl accepts.
emscripten::val BrowserLocale();

}  // namespace lpf::web
