#pragma once

#include <string>
#include <string_view>

#include "SimulatorOptions.h"

// Reading a service object's options from the environment and the control file, the way the
// COM server does it each time it creates a service object. The syntax is in docs/simulator.md.
namespace sim {

// Applies the lines of a control text to `options`; on a bad line, false with a message that
// names `source` and the line number (nothing after the bad line is applied).
[[nodiscard]] bool ApplyControlText(std::string_view text, std::string_view source, SimulatorOptions& options,
                                    std::string& error);

// PERAXIL_SIM_DIR (or the default folder), then the PERAXIL_SIM_* shortcuts, then the control
// file named by PERAXIL_SIM_CONTROL. False with a message when anything is malformed or the
// control file cannot be read, so a mistyped test setting never goes unnoticed.
[[nodiscard]] bool OptionsFromEnvironment(SimulatorOptions& options, std::string& error);

// %LOCALAPPDATA%\PeraxilSim on Windows; $XDG_DATA_HOME/peraxil-sim or
// ~/.local/share/peraxil-sim elsewhere; empty when none of those variables is set.
[[nodiscard]] std::wstring DefaultStoreFolder();

}  // namespace sim
