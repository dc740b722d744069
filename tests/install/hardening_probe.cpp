// Built with the program's flags as a yardstick for hardening-check: each
// protection it looks for has something here to act on. The copy has a
// destination of known size and a length known only at run time, so
// _FORTIFY_SOURCE makes it a checked call; the stack allocation of run-time
// size needs stack-clash probes. The program's own code calls no libc
// function that could be checked, so there hardening-check can only find
// what the compiler inlined.
#include <cstddef>
#include <cstring>

int main(int, char* argv[]) {
    char name[16] = {};
    volatile std::size_t length = std::strlen(argv[0]) % sizeof name;
    std::memcpy(name, argv[0], length);
    volatile std::size_t size = 4096 * (1 + length);
    auto* frame = static_cast<volatile char*>(__builtin_alloca(size));
    frame[size - 1] = name[0];
    return frame[size - 1] == 0 ? 1 : 0;
}
