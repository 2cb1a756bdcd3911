# The program's modules, bottom to top: each one's folder, its library targets, whether it is
# portable (never includes windows.h) or a Windows layer, and the modules it may use. Using is
# transitive: a module may use what the modules it names use. Nothing may use a module above it.
#
# Two checks hold the code to this table (docs/architecture.md explains them):
#   - at configure time, vantix_portable_library / vantix_windows_library /
#     vantix_windows_executable refuse to link a module's target with a module it may not use;
#   - the test LayeringCheck.SourceTreeFollowsTheModuleTable (native tree) reads every
#     #include "..." of src/ and simulator/ and fails on one that reaches a module it may not
#     use, on a portable module including a Windows header, and on a source folder that is in
#     no module.
#
# Included both by the build (VantixTargets.cmake) and by the check script in script mode, so it
# holds data only.

include_guard(GLOBAL)

set(VANTIX_MODULES "")

# vantix_module(<name> FOLDER <folder> KIND portable|windows [TARGETS ...] [USES ...])
macro(vantix_module name)
    cmake_parse_arguments(_vm "" "FOLDER;KIND" "TARGETS;USES" ${ARGN})
    list(APPEND VANTIX_MODULES ${name})
    set(VANTIX_MODULE_${name}_FOLDER "${_vm_FOLDER}")
    set(VANTIX_MODULE_${name}_KIND "${_vm_KIND}")
    set(VANTIX_MODULE_${name}_TARGETS "${_vm_TARGETS}")
    set(VANTIX_MODULE_${name}_USES "${_vm_USES}")
    foreach(_vm_target IN LISTS _vm_TARGETS)
        set(VANTIX_MODULE_OF_${_vm_target} ${name})
    endforeach()
endmacro()

# Portable core ------------------------------------------------------------------------------
vantix_module(platform        FOLDER src/platform        KIND portable TARGETS vantix_platform)
vantix_module(vocabulary      FOLDER src/vocabulary      KIND portable TARGETS vantix_vocabulary
              USES platform)
vantix_module(macro           FOLDER src/macro           KIND portable TARGETS vantix_macro
              USES vocabulary)
vantix_module(config          FOLDER src/config          KIND portable TARGETS vantix_config
              USES macro)
vantix_module(device_service  FOLDER src/device/service  KIND portable TARGETS vantix_device_service
              USES platform)
vantix_module(device          FOLDER src/device          KIND portable TARGETS vantix_device
              USES config device_service)
vantix_module(skin            FOLDER src/skin            KIND portable TARGETS vantix_skin_core
              USES vocabulary)
vantix_module(skin_layout     FOLDER src/skin/layout     KIND portable TARGETS vantix_skin_layout
              USES skin)
vantix_module(controls_core   FOLDER src/controls/core   KIND portable TARGETS vantix_controls_core
              USES skin_layout)
vantix_module(simulator       FOLDER simulator           KIND portable TARGETS vantix_simulator
              USES device_service)
vantix_module(tray            FOLDER src/tray            KIND portable TARGETS vantix_tray
              USES device skin)

# Windows layers -----------------------------------------------------------------------------
vantix_module(platform_win    FOLDER src/platform/win    KIND windows  TARGETS vantix_platform_win
              USES platform)
vantix_module(macro_win       FOLDER src/macro/win       KIND windows  TARGETS vantix_macro_win
              USES macro platform_win)
vantix_module(device_win      FOLDER src/device/win      KIND windows  TARGETS vantix_device_win
              USES device platform_win)
vantix_module(skin_win        FOLDER src/skin/win        KIND windows  TARGETS vantix_skin_win
              USES skin_layout platform_win)
vantix_module(controls        FOLDER src/controls        KIND windows  TARGETS vantix_controls_win
              USES skin_win macro_win controls_core)
vantix_module(app             FOLDER src/VantixApp       KIND windows  TARGETS vantix_app vantix_program
              USES controls device_win macro_win)
vantix_module(tray_win        FOLDER src/tray/win        KIND windows  TARGETS vantix_tray_win vantix_tray_program
              USES tray device_win skin_win)
vantix_module(simulator_com   FOLDER simulator/com       KIND windows  TARGETS PeraxilSim
              USES simulator platform_win)

# The modules `name` may use, itself included: its USES, transitively. Sets `out` in the
# caller's scope.
function(vantix_module_reach name out)
    set(reach ${name})
    set(pending ${VANTIX_MODULE_${name}_USES})
    while(pending)
        list(POP_FRONT pending next)
        if(NOT next IN_LIST reach)
            list(APPEND reach ${next})
            list(APPEND pending ${VANTIX_MODULE_${next}_USES})
        endif()
    endwhile()
    set(${out} ${reach} PARENT_SCOPE)
endfunction()
