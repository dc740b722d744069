#include "browser.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>

#include "page.h"

// Some engines report the POSIX locale's name as the language ("C" under
// LANG=C.UTF-8), which Intl refuses with an exception that the page's C++
// cannot catch: the test is made where it can.
EM_JS(bool, BrowserLanguageIsValid, (), {
    try {
        Intl.getCanonicalLocales(navigator.language);
        return true;
    } catch (invalidTag) {
        return false;
    }
});

namespace lpf::web {

// A language tag Intl refuses reads as the browser's default format.
std::string LanguageSeparator() {
    const val language =
        BrowserLanguageIsValid() ? val::global("navigator")["language"] : val::undefined();
    const val parts =
        val::global("Intl")["NumberFormat"].new_(language).call<val>("formatToParts", 1.5);
    for (int i = 0; i < parts["length"].as<int>(); ++i)
        if (parts[i]["type"].as<std::string>() == "decimal")
            return parts[i]["value"].as<std::string>();
    return {};
}

// A screen too small for the window at its place, a phone's above all, gets
// the window at its top-left corner instead, as a desktop keeps a window on
// screen, scaled down to the screen's width so that nothing needs scrolling
// sideways (where the screen's pixels are fine enough). Scaled as a picture
// of itself, the window keeps the layout it has at 1:1, where every caption
// fits (a zoom would lay the text out again in smaller type). The root's
// client size is the screen in CSS pixels even when a page wider than it has
// made a phone's browser zoom out.
void Page::FitScreen() {
    val frame = window_["parentElement"];
    frame["classList"].call<void>("remove", val("cornered"));
    frame["style"].call<void>("removeProperty", val("--scale"));
    const val screen = document_["documentElement"];
    const double screenWidth = screen["clientWidth"].as<double>();
    const double width = frame["offsetWidth"].as<double>();
    if (frame["offsetLeft"].as<double>() + width <= screenWidth &&
        frame["offsetTop"].as<double>() + frame["offsetHeight"].as<double>() <=
            screen["clientHeight"].as<double>())
        return;
    frame["classList"].call<void>("add", val("cornered"));
    // Rounded down, so that the scaled window never reaches past the edge;
    // but never below one device pixel to a picture's pixel, where whole
    // lines of the schematics would drop out.
    const double scale = std::max(std::floor(screenWidth / width * 1e4) / 1e4,
                                  1 / val::global("devicePixelRatio").as<double>());
    if (scale < 1) frame["style"].call<void>("setProperty", val("--scale"), val(scale));
}

}  // namespace lpf::web
