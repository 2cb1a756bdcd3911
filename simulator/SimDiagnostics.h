#pragma once

#include <string_view>

namespace sim {

// One line on stderr, prefixed "peraxil-sim: ". Problems the caller cannot see in a result
// (a damaged store, an unreadable control file) are reported this way, for the person running
// the tests.
void ReportDiagnostic(std::string_view message) noexcept;

}  // namespace sim
