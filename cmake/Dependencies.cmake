# Third-party code, all of it from Debian's packages (scripts/setup.sh installs or fetches it).
#
#   GoogleTest/GoogleMock  both trees: built from Debian's sources in /usr/src/googletest
#   pugixml                native: the installed library; win64 and fuzz: Debian's source package,
#                          fetched into .cache/src/ and built here as a static library
#   Google Benchmark       native tree only
#
# Third-party targets get none of the project's warning options.

# --- GoogleTest and GoogleMock ---------------------------------------------------------------
if(BUILD_TESTING)
    set(VANTIX_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources (Debian package googletest)")
    if(NOT EXISTS "${VANTIX_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
        message(FATAL_ERROR "GoogleTest sources not found in ${VANTIX_GOOGLETEST_SOURCE_DIR}; run scripts/setup.sh")
    endif()
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory("${VANTIX_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)
    include(GoogleTest)
endif()

# --- pugixml ---------------------------------------------------------------------------------
# The fuzz tree compiles it too, so that the layout fuzzer sees its coverage.
if(VANTIX_WIN64 OR VANTIX_FUZZ)
    file(GLOB _vantix_pugixml_sources "${PROJECT_SOURCE_DIR}/.cache/src/pugixml-*/src/pugixml.cpp")
    list(SORT _vantix_pugixml_sources COMPARE NATURAL ORDER DESCENDING)
    list(LENGTH _vantix_pugixml_sources _vantix_pugixml_count)
    if(_vantix_pugixml_count EQUAL 0)
        message(FATAL_ERROR "pugixml sources not found in ${PROJECT_SOURCE_DIR}/.cache/src/; run scripts/setup.sh")
    endif()
    list(GET _vantix_pugixml_sources 0 _vantix_pugixml_cpp)
    get_filename_component(_vantix_pugixml_src_dir "${_vantix_pugixml_cpp}" DIRECTORY)
    message(STATUS "pugixml: building ${_vantix_pugixml_cpp}")

    add_library(vantix_pugixml STATIC "${_vantix_pugixml_cpp}")
    target_include_directories(vantix_pugixml SYSTEM PUBLIC "${_vantix_pugixml_src_dir}")
    target_compile_features(vantix_pugixml PUBLIC cxx_std_11)
    add_library(pugixml::pugixml ALIAS vantix_pugixml)
else()
    find_package(pugixml REQUIRED CONFIG)
endif()

# --- Google Benchmark ------------------------------------------------------------------------
if(NOT VANTIX_WIN64)
    find_package(benchmark REQUIRED CONFIG)
endif()
