#include "SimDiagnostics.h"

#include <cstdio>

namespace sim {

void ReportDiagnostic(std::string_view message) noexcept
{
    std::fprintf(stderr, "peraxil-sim: %.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
}

}  // namespace sim
