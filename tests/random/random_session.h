#pragma once
// A seeded run of random user actions on the real window, offscreen, with the
// window checked against its model after every action.

#include <cstdint>
#include <iosfwd>

namespace lpf_random {

struct RunOptions {
    std::uint64_t seed = 0;
    long actions = 0;
    bool verbose = false;  // print every action as it runs
};

// True when every invariant held through all actions. On the first violation
// prints the seed, the action's index, the last actions and the window's
// state to out, and stops.
bool RunRandomSession(const RunOptions& options, std::ostream& out);

}  // namespace lpf_random
