#pragma once
// What the page takes from the browser it runs in.

#include <string>

namespace lpf::web {

// The decimal separator the browser's language writes in 1.5.
std::string LanguageSeparator();

}  // namespace lpf::web
