# Target helpers. Every project target is made through one of these, so that warnings, the
# portable-core guard, test registration and the program folder are set in one place.
#
#   vantix_portable_library(<name> [OUTSIDE_MODULES] SOURCES ... [LIBRARIES ...])
#   vantix_windows_library(<name> [STATIC|SHARED|MODULE] SOURCES ... [LIBRARIES ...]
#                          [OUTPUT_DIRECTORY <dir>])
#   vantix_windows_executable(<name> [WIN32] [PROGRAM] SOURCES ... [LIBRARIES ...]
#                             [OUTPUT_NAME <name>] [OUTPUT_DIRECTORY <dir>])
#   vantix_gtest(<name> SOURCES ... [LIBRARIES ...] [WINDOWS] [THREADS] [LABELS ...] [TIMEOUT <s>])
#   vantix_benchmark(<name> SOURCES ... [LIBRARIES ...])
#   vantix_add_portable_guard_tests()
#   vantix_add_layering_tests()

include_guard(GLOBAL)

include(VantixModules)

set(VANTIX_PORTABLE_GUARD_DIR "${PROJECT_SOURCE_DIR}/cmake/portable-guard")
set(VANTIX_PORTABLE_GUARD_HEADERS windows.h winbase.h winuser.h objbase.h unknwn.h ole2.h windef.h)

# The program folder of the win64 tree: the program and the data folders it reads at run time
# (later work fills them).
set(VANTIX_PROGRAM_DIR "${CMAKE_BINARY_DIR}/program")
set(VANTIX_PROGRAM_SUBDIRS xml skins fonts lang save Manuals)
if(VANTIX_WIN64)
    foreach(_dir IN LISTS VANTIX_PROGRAM_SUBDIRS)
        file(MAKE_DIRECTORY "${VANTIX_PROGRAM_DIR}/${_dir}")
    endforeach()
endif()

option(VANTIX_BUILD_BENCHMARKS "Build the benchmarks (native tree without sanitizers)" ON)
if(VANTIX_WIN64 OR VANTIX_SANITIZE)
    set(VANTIX_BUILD_BENCHMARKS OFF)
endif()

# Test programs under Wine start slower and a hung one (say, a modal dialog nobody answers)
# must not hold up the run forever.
if(VANTIX_WIN64)
    set(VANTIX_TEST_TIMEOUT 120)
else()
    set(VANTIX_TEST_TIMEOUT 60)
endif()

# --- internals -------------------------------------------------------------------------------

function(_vantix_project_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VANTIX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Puts the guard headers first on the include path (win64 tree only; natively there is no
# windows.h to include anyway).
function(_vantix_portable_guard target)
    if(VANTIX_WIN64)
        target_include_directories(${target} BEFORE PRIVATE "${VANTIX_PORTABLE_GUARD_DIR}")
    endif()
    set_property(TARGET ${target} PROPERTY VANTIX_KIND portable)
endfunction()

# A portable target must not link a Windows layer (it would drag windows.h in through headers).
function(_vantix_check_portable_links target)
    foreach(lib IN LISTS ARGN)
        if(TARGET ${lib})
            get_target_property(_aliased ${lib} ALIASED_TARGET)
            if(_aliased)
                set(lib ${_aliased})
            endif()
            get_target_property(_kind ${lib} VANTIX_KIND)
            if(_kind STREQUAL "windows")
                message(FATAL_ERROR "portable target '${target}' links the Windows layer '${lib}'")
            endif()
        endif()
    endforeach()
endfunction()

# A module's target may link only targets of the modules it may use (cmake/VantixModules.cmake).
# Targets that belong to no module (third-party and system libraries) are not the table's
# business; every library made through the helpers below must belong to one.
function(_vantix_check_module_links target)
    set(module ${VANTIX_MODULE_OF_${target}})
    if(NOT module)
        message(FATAL_ERROR "library '${target}' belongs to no module of cmake/VantixModules.cmake")
    endif()
    vantix_module_reach(${module} reach)
    foreach(lib IN LISTS ARGN)
        set(used ${VANTIX_MODULE_OF_${lib}})
        if(used AND NOT used IN_LIST reach)
            message(FATAL_ERROR "module '${module}' (target '${target}') may not use module '${used}' "
                                "(it links '${lib}'); see cmake/VantixModules.cmake")
        endif()
    endforeach()
endfunction()

function(_vantix_require_win64 command)
    if(NOT VANTIX_WIN64)
        message(FATAL_ERROR "${command}: Windows layers build only in the win64 tree; "
                            "wrap the call in if(VANTIX_WIN64)")
    endif()
endfunction()

function(_vantix_windows_settings target)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE)
    set_property(TARGET ${target} PROPERTY VANTIX_KIND windows)
    _vantix_project_warnings(${target})
    _vantix_windows_precompiled_header(${target})
endfunction()

# windows.h costs more to compile than most of the files that include it: a Windows target of
# several source files reads it once, as a precompiled header. (Every source of these targets
# includes it anyway, and none defines macros that change it.)
function(_vantix_windows_precompiled_header target)
    get_target_property(_sources ${target} SOURCES)
    list(FILTER _sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH _sources _count)
    if(_count GREATER_EQUAL 3)
        target_precompile_headers(${target} PRIVATE <windows.h>)
    endif()
endfunction()

# --- libraries -------------------------------------------------------------------------------

# OUTSIDE_MODULES marks a library of the test side built over the modules (the fuzz targets):
# it belongs to no module and may link any portable one.
function(vantix_portable_library name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "OUTSIDE_MODULES" "" "SOURCES;LIBRARIES")
    if(NOT ARG_SOURCES)
        message(FATAL_ERROR "vantix_portable_library(${name}): no SOURCES")
    endif()
    add_library(${name} STATIC ${ARG_SOURCES})
    if(VANTIX_SANITIZE STREQUAL "thread")
        # The TSan tree builds only what its threaded tests link.
        set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES})
    if(NOT ARG_OUTSIDE_MODULES)
        _vantix_check_module_links(${name} ${ARG_LIBRARIES})
    endif()
    _vantix_check_portable_links(${name} ${ARG_LIBRARIES})
    _vantix_portable_guard(${name})
    _vantix_project_warnings(${name})
endfunction()

function(vantix_windows_library name)
    _vantix_require_win64(vantix_windows_library)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "STATIC;SHARED;MODULE" "OUTPUT_DIRECTORY" "SOURCES;LIBRARIES")
    set(kind STATIC)
    if(ARG_SHARED)
        set(kind SHARED)
    elseif(ARG_MODULE)
        set(kind MODULE)
    endif()
    add_library(${name} ${kind} ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES})
    _vantix_check_module_links(${name} ${ARG_LIBRARIES})
    _vantix_windows_settings(${name})
    if(NOT kind STREQUAL "STATIC")
        # No "lib" prefix on DLLs: regsvr32 and LoadLibrary see the name as written.
        set_target_properties(${name} PROPERTIES PREFIX "")
    endif()
    if(ARG_OUTPUT_DIRECTORY)
        set_target_properties(${name} PROPERTIES
            RUNTIME_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIRECTORY}"
            LIBRARY_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIRECTORY}")
    endif()
endfunction()

# PROGRAM puts the executable into the program folder (build/win64/program); WIN32 makes it a
# GUI-subsystem program (WinMain/wWinMain, no console).
function(vantix_windows_executable name)
    _vantix_require_win64(vantix_windows_executable)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "WIN32;PROGRAM" "OUTPUT_NAME;OUTPUT_DIRECTORY" "SOURCES;LIBRARIES")
    set(subsystem "")
    if(ARG_WIN32)
        set(subsystem WIN32)
    endif()
    add_executable(${name} ${subsystem} ${ARG_SOURCES})
    if(ARG_WIN32)
        # The entry point is wWinMain, with the command line in UTF-16.
        target_link_options(${name} PRIVATE -municode)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/src")
    # Programs of a module keep to its table entry; test helpers and demos link what they show.
    if(VANTIX_MODULE_OF_${name})
        _vantix_check_module_links(${name} ${ARG_LIBRARIES})
    endif()
    _vantix_windows_settings(${name})
    if(ARG_OUTPUT_NAME)
        set_target_properties(${name} PROPERTIES OUTPUT_NAME "${ARG_OUTPUT_NAME}")
    endif()
    if(ARG_PROGRAM)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${VANTIX_PROGRAM_DIR}")
    elseif(ARG_OUTPUT_DIRECTORY)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIRECTORY}")
    endif()
endfunction()

# --- tests -----------------------------------------------------------------------------------

# Test programs are GoogleTest executables linked with gtest_main and gmock, one CTest test per
# test case (gtest_discover_tests, PRE_TEST: the list is read from the program when ctest
# starts, so in the win64 tree discovery runs under Wine like the tests do).
#
# Tests are portable by default: in the win64 tree they compile behind the portable-core guard
# and in the native tree they build too. WINDOWS marks tests of a Windows layer: win64 tree
# only, windows.h allowed.
#
# THREADS marks tests of code that runs on more than one thread: only they are built and run
# in the TSan tree (native-tsan), which has nothing to find in single-threaded code.
#
# LABELS replaces the default label "unit". Tests labelled "gui" need a display (scripts/test.sh
# starts Xvfb when there is none) and run one at a time (RESOURCE_LOCK display): Xvfb has no
# window manager, so two programs' windows would fight over focus.
function(vantix_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "WINDOWS;THREADS" "TIMEOUT" "SOURCES;LIBRARIES;LABELS")
    if(ARG_WINDOWS AND NOT VANTIX_WIN64)
        return()
    endif()
    if(VANTIX_SANITIZE STREQUAL "thread" AND NOT ARG_THREADS)
        return()
    endif()
    if(NOT ARG_SOURCES)
        message(FATAL_ERROR "vantix_gtest(${name}): no SOURCES")
    endif()
    if(NOT ARG_LABELS)
        set(ARG_LABELS unit)
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT ${VANTIX_TEST_TIMEOUT})
    endif()

    add_executable(${name} ${ARG_SOURCES})
    # One translation unit per test program: the GoogleTest and GoogleMock headers, which cost
    # more to compile than most tests themselves, are read once per program.
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
    _vantix_project_warnings(${name})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # g++ takes a test file included into the unity source for a header, and then warns
        # that its tests derive from fixtures in an anonymous namespace.
        target_compile_options(${name} PRIVATE -Wno-subobject-linkage)
    endif()
    if(ARG_WINDOWS)
        target_compile_definitions(${name} PRIVATE UNICODE _UNICODE)
    else()
        _vantix_check_portable_links(${name} ${ARG_LIBRARIES})
        _vantix_portable_guard(${name})
    endif()

    set(properties LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
    if("gui" IN_LIST ARG_LABELS)
        list(APPEND properties RESOURCE_LOCK display)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES ${properties})
endfunction()

# Proves the guard works: in the win64 tree, one test per guarded header builds a probe that
# includes it with the portable targets' settings, and passes only when the build stops at the
# guard's #error. (The probes are EXCLUDE_FROM_ALL, so the normal build never touches them.)
function(vantix_add_portable_guard_tests)
    if(NOT VANTIX_WIN64)
        return()
    endif()
    foreach(header IN LISTS VANTIX_PORTABLE_GUARD_HEADERS)
        string(MAKE_C_IDENTIFIER "${header}" id)
        set(probe_source "${CMAKE_CURRENT_BINARY_DIR}/portable_guard_probe_${id}.cpp")
        file(CONFIGURE OUTPUT "${probe_source}"
             CONTENT "// Must not compile: portable code including <${header}>.\n#include <${header}>\nint ProbeValue() { return 0; }\n")
        set(probe portable_guard_probe_${id})
        add_library(${probe} OBJECT EXCLUDE_FROM_ALL "${probe_source}")
        target_link_libraries(${probe} PRIVATE vantix_platform)
        _vantix_portable_guard(${probe})
        _vantix_project_warnings(${probe})
        add_test(NAME PortableGuard.Rejects_${id}
                 COMMAND "${CMAKE_COMMAND}" --build "${CMAKE_BINARY_DIR}" --target ${probe})
        set_tests_properties(PortableGuard.Rejects_${id} PROPERTIES
            LABELS "unit;guard"
            PASS_REGULAR_EXPRESSION "the portable core must not include <windows.h> \\(here <${header}>\\)"
            # Two ninja processes must not work in one build tree at once.
            RESOURCE_LOCK build_tree
            TIMEOUT 120)
    endforeach()
endfunction()

# Proves the layering checks work (native tree without sanitizers; the checks do not depend on
# the compiler): the real source tree passes the include check, and probes with one forbidden
# include and one forbidden link are rejected with the checks' own messages.
function(vantix_add_layering_tests)
    if(VANTIX_WIN64 OR VANTIX_SANITIZE)
        return()
    endif()
    set(check "${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake")
    add_test(NAME LayeringCheck.SourceTreeFollowsTheModuleTable
             COMMAND "${CMAKE_COMMAND}" -DVANTIX_SOURCE_ROOT=${PROJECT_SOURCE_DIR} -P "${check}")

    # A configuration file including a skin window header.
    set(probe "${CMAKE_CURRENT_BINARY_DIR}/layering-probe")
    file(CONFIGURE OUTPUT "${probe}/include/src/config/Probe.cpp"
         CONTENT "// Must be rejected: the configuration reaching up into the skin's windows.\n#include \"skin/win/CWindow.h\"\n")
    file(CONFIGURE OUTPUT "${probe}/include/src/skin/win/CWindow.h" CONTENT "#pragma once\n")
    add_test(NAME LayeringCheck.RejectsAForbiddenInclude
             COMMAND "${CMAKE_COMMAND}" -DVANTIX_SOURCE_ROOT=${probe}/include -P "${check}")

    # The configuration library linking the skin's windows, configured as a project of its own.
    file(CONFIGURE OUTPUT "${probe}/link/CMakeLists.txt" CONTENT [=[
cmake_minimum_required(VERSION 3.25)
project(LayeringProbe NONE)
list(APPEND CMAKE_MODULE_PATH "@PROJECT_SOURCE_DIR@/cmake")
include(VantixTargets)
add_library(vantix_skin_win INTERFACE)
vantix_portable_library(vantix_config SOURCES Probe.cpp LIBRARIES vantix_skin_win)
]=] @ONLY)
    file(CONFIGURE OUTPUT "${probe}/link/Probe.cpp" CONTENT "int ProbeValue() { return 0; }\n")
    add_test(NAME LayeringCheck.RejectsAForbiddenLink
             COMMAND "${CMAKE_COMMAND}" -S "${probe}/link" -B "${probe}/link-build")

    set_tests_properties(LayeringCheck.RejectsAForbiddenInclude PROPERTIES
        PASS_REGULAR_EXPRESSION "src/config/Probe.cpp: module 'config' may not include \"skin/win/CWindow.h\" \\(module 'skin_win'\\)")
    set_tests_properties(LayeringCheck.RejectsAForbiddenLink PROPERTIES
        PASS_REGULAR_EXPRESSION "may not use module 'skin_win'")
    set_tests_properties(LayeringCheck.SourceTreeFollowsTheModuleTable LayeringCheck.RejectsAForbiddenInclude
                         LayeringCheck.RejectsAForbiddenLink PROPERTIES LABELS "unit;guard" TIMEOUT 120)
endfunction()

# --- benchmarks ------------------------------------------------------------------------------

# Google Benchmark programs, native tree only (not built with sanitizers). They are not CTest
# tests: run them from build/native/bench/ by hand or from a measuring script.
function(vantix_benchmark name)
    if(NOT VANTIX_BUILD_BENCHMARKS)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} benchmark::benchmark_main)
    _vantix_project_warnings(${name})
endfunction()

# --- application manifests -------------------------------------------------------------------

# Writes the application manifest of a program (cmake/Application.manifest.in) into the current
# binary folder and sets <out_var> to its path, for the program's resource script to embed.
function(vantix_application_manifest out_var)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "PROGRAM;NAME;DESCRIPTION" "")
    set(MANIFEST_PROGRAM "${ARG_PROGRAM}")
    set(MANIFEST_NAME "${ARG_NAME}")
    set(MANIFEST_DESCRIPTION "${ARG_DESCRIPTION}")
    set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.manifest")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/Application.manifest.in" "${manifest}" @ONLY)
    set(${out_var} "${manifest}" PARENT_SCOPE)
endfunction()

# A shipped binary goes out stripped; its debug information stays in the build
# (symbols/<file>.debug), linked by name for a debugger.
function(vantix_ship_stripped target)
    # Sections on page boundaries in the file let Wine map the image instead of copying it
    # into memory whole: only the pages the program touches take memory.
    target_link_options(${target} PRIVATE -Wl,--file-alignment,4096)
    if(NOT CMAKE_OBJCOPY)
        return()
    endif()
    set(symbols "${CMAKE_BINARY_DIR}/symbols")
    set(debug_file "${symbols}/$<TARGET_FILE_NAME:${target}>.debug")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${symbols}"
        COMMAND "${CMAKE_OBJCOPY}" --only-keep-debug "$<TARGET_FILE:${target}>" "${debug_file}"
        COMMAND "${CMAKE_OBJCOPY}" --strip-debug --strip-unneeded "$<TARGET_FILE:${target}>"
        COMMAND "${CMAKE_OBJCOPY}" "--add-gnu-debuglink=${debug_file}" "$<TARGET_FILE:${target}>"
        COMMENT "$<TARGET_FILE_NAME:${target}>: debug information to symbols/, binary stripped"
        VERBATIM)
endfunction()
