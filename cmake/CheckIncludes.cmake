# Holds the sources to the module table by their #include lines:
#
#   cmake -DVANTIX_SOURCE_ROOT=<checkout> -P cmake/CheckIncludes.cmake
#
# Every file under src/ and simulator/ must lie in a module's folder; every #include "..." that
# resolves to a file of another module must name a module the includer may use; a portable
# module must not include the Windows headers the portable guard stops. Prints every violation
# and fails when there is one.
cmake_minimum_required(VERSION 3.25)

if(NOT VANTIX_SOURCE_ROOT)
    message(FATAL_ERROR "CheckIncludes: give -DVANTIX_SOURCE_ROOT=<the checkout>")
endif()
include("${CMAKE_CURRENT_LIST_DIR}/VantixModules.cmake")
set(root "${VANTIX_SOURCE_ROOT}")
# The same list as the portable guard's (cmake/VantixTargets.cmake).
set(windows_headers windows.h winbase.h winuser.h objbase.h unknwn.h ole2.h windef.h)
# Where #include "a/b.h" is looked up after the includer's own folder.
set(include_roots "${root}/src" "${root}")

foreach(module IN LISTS VANTIX_MODULES)
    set(folder_module_${VANTIX_MODULE_${module}_FOLDER} ${module})
endforeach()

set(violations 0)
macro(report text)
    message(STATUS "${text}")
    math(EXPR violations "${violations} + 1")
endmacro()

file(GLOB_RECURSE sources RELATIVE "${root}" LIST_DIRECTORIES false
     "${root}/src/*.h" "${root}/src/*.cpp" "${root}/src/*.inc" "${root}/src/*.rc"
     "${root}/simulator/*.h" "${root}/simulator/*.cpp" "${root}/simulator/*.inc")
list(SORT sources)

foreach(source IN LISTS sources)
    get_filename_component(folder "${source}" DIRECTORY)
    set(module "${folder_module_${folder}}")
    if(NOT module)
        report("${source}: its folder '${folder}' is in no module of cmake/VantixModules.cmake")
        continue()
    endif()
    vantix_module_reach(${module} reach)

    file(STRINGS "${root}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+[\">]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]+)[\">].*$" "\\1;\\2" parsed "${line}")
        list(GET parsed 0 quote)
        list(GET parsed 1 included)
        if(quote STREQUAL "<")
            string(TOLOWER "${included}" lower)
            if(VANTIX_MODULE_${module}_KIND STREQUAL "portable" AND lower IN_LIST windows_headers)
                report("${source}: portable module '${module}' may not include <${included}>")
            endif()
            continue()
        endif()

        # Resolve as the compiler does: the includer's folder first, then the include roots.
        set(resolved "")
        foreach(base IN ITEMS "${root}/${folder}" ${include_roots})
            if(EXISTS "${base}/${included}")
                file(RELATIVE_PATH resolved "${root}" "${base}/${included}")
                break()
            endif()
        endforeach()
        if(NOT resolved)
            # Generated headers (the version header) and third-party ones: not a module's.
            continue()
        endif()
        get_filename_component(target_folder "${resolved}" DIRECTORY)
        set(used "${folder_module_${target_folder}}")
        if(used AND NOT used IN_LIST reach)
            report("${source}: module '${module}' may not include \"${included}\" (module '${used}')")
        endif()
    endforeach()
endforeach()

list(LENGTH sources checked)
if(violations GREATER 0)
    message(FATAL_ERROR "CheckIncludes: ${violations} violation(s) of the module table in ${checked} files")
endif()
message(STATUS "CheckIncludes: ${checked} files follow the module table")
