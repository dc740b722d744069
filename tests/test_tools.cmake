# What the tests, the benchmarks and the fuzz targets need beyond the
# program's own build, found with the Debian package that brings each piece
# (all of them in scripts/packages/test.txt and headless.txt). A missing
# piece stops the configure and names that package, so no suite is ever left
# out unsaid.

# lpf_test_tool_missing(WHAT PACKAGE): stops the configure.
function(lpf_test_tool_missing what package)
    message(FATAL_ERROR "The tests need ${what}: install the Debian package ${package} "
                        "(./test.sh installs all they need), or configure with "
                        "-DBUILD_TESTING=OFF to build the program without them.")
endfunction()

# lpf_find_test_program(VAR PROGRAM PACKAGE [find_program options...]): sets
# VAR to the path of PROGRAM.
function(lpf_find_test_program var program package)
    find_program(${var} ${program} ${ARGN})
    if(NOT ${var})
        lpf_test_tool_missing("the program ${program}" ${package})
    endif()
endfunction()

# lpf_find_test_package(NAME PACKAGE [find_package arguments...]). A macro, so
# that the variables and targets the package defines reach the caller.
macro(lpf_find_test_package name package)
    find_package(${name} ${ARGN} QUIET)
    if(NOT ${name}_FOUND)
        string(JOIN " " _lpf_wanted ${name} ${ARGN})
        lpf_test_tool_missing("the CMake package ${_lpf_wanted}" ${package})
    endif()
endmacro()

# lpf_find_test_python_module(MODULE PACKAGE): a module the test scripts
# import, run as they are by Debian's /usr/bin/python3.
function(lpf_find_test_python_module module package)
    execute_process(COMMAND /usr/bin/python3 -c "import ${module}"
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
        lpf_test_tool_missing("the Python module ${module}" ${package})
    endif()
endfunction()
