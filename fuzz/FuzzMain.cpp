// The entry point of one libFuzzer program; VANTIX_FUZZ_TARGET names its target.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FuzzTarget* const target = FindFuzzTarget(VANTIX_FUZZ_TARGET);
    if (target == nullptr)
        FuzzCheckFailed("known target " VANTIX_FUZZ_TARGET, __FILE__, __LINE__);
    target->run(std::span<const uint8_t>(data, size));
    return 0;
}
