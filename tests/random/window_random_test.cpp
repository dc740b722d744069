// Random user actions on the real window, offscreen.
//
//   window_random_test [--seed N] [--actions N] [--verbose]
//
// The environment variables LPF_RANDOM_SEED and LPF_RANDOM_ACTIONS give the
// same settings; the command line wins. Without either, a fixed seed and
// 10000 actions. A failing run prints the seed and the action's index, so
// the same command replays it.

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "random_session.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20261207;
constexpr long kDefaultActions = 10000;

int Usage() {
    std::cerr << "usage: window_random_test [--seed N] [--actions N] [--verbose]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    lpf_random::RunOptions options{kDefaultSeed, kDefaultActions, false};
    if (const char* s = std::getenv("LPF_RANDOM_SEED")) options.seed = std::stoull(s);
    if (const char* a = std::getenv("LPF_RANDOM_ACTIONS")) options.actions = std::stol(a);
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--seed") == 0 && hasValue)
            options.seed = std::stoull(argv[++i]);
        else if (std::strcmp(argv[i], "--actions") == 0 && hasValue)
            options.actions = std::stol(argv[++i]);
        else if (std::strcmp(argv[i], "--verbose") == 0)
            options.verbose = true;
        else
            return Usage();
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = lpf_random::RunRandomSession(options, std::cout);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "seed " << options.seed << ": " << options.actions << " actions "
              << (ok ? "passed" : "FAILED") << " in " << seconds << " s\n";
    return ok ? 0 : 1;
}
