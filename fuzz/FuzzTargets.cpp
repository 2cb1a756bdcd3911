#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr FuzzTarget kTargets[] = {
    {"language_file", &FuzzLanguageFile}, {"layout_file", &FuzzLayoutFile},
    {"ini_file", &FuzzIniFile},           {"profile_file", &FuzzProfileFile},
    {"simulator_store", &FuzzSimulatorStore}, {"exchange_file", &FuzzExchangeFile},
    {"control_file", &FuzzControlFile},   {"device_record", &FuzzDeviceRecord},
    {"event_block", &FuzzEventBlock},     {"key_name", &FuzzKeyName},
    {"text", &FuzzText},
};

}  // namespace

std::span<const FuzzTarget> FuzzTargets() noexcept
{
    return kTargets;
}

const FuzzTarget* FindFuzzTarget(std::string_view name) noexcept
{
    for (const FuzzTarget& target : kTargets) {
        if (name == target.name)
            return &target;
    }
    return nullptr;
}

void FuzzCheckFailed(const char* condition, const char* file, int line) noexcept
{
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}
