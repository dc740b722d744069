# Debian's default hardening for everything this project compiles: stack
# protector, _FORTIFY_SOURCE=2, stack-clash protection, control-flow
# protection (CET on x86, branch protection on arm64), PIE, and full RELRO
# with immediate binding. Each flag is used only where the compiler
# or linker accepts it, so one list serves older and newer GCC and clang.
#
# The sanitizer build keeps only its own instrumentation: AddressSanitizer
# replaces the checks _FORTIFY_SOURCE adds and wants its own stack layout.
# LPF_HARDEN=OFF builds without, to measure what the flags cost.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

option(LPF_HARDEN "Build with Debian's default hardening flags" ON)
set(LPF_HARDENED OFF)
if(NOT LPF_HARDEN OR LPF_SANITIZE)
    return()
endif()
set(LPF_HARDENED ON)

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection
             -mbranch-protection=standard)
    string(MAKE_C_IDENTIFIER "LPF_CXX_ACCEPTS${flag}" accepted)
    check_cxx_compiler_flag(${flag} ${accepted})
    if(${accepted})
        add_compile_options(${flag})
    endif()
endforeach()

# The fortified calls need the optimizer; a Debug build would only warn. The
# -U first, since some toolchains already define another level.
add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

foreach(flag -Wl,-z,relro -Wl,-z,now)
    string(MAKE_C_IDENTIFIER "LPF_LINKER_ACCEPTS${flag}" accepted)
    check_linker_flag(CXX ${flag} ${accepted})
    if(${accepted})
        add_link_options(${flag})
    endif()
endforeach()
