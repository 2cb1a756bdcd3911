#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Every reader of untrusted bytes, as a function of those bytes. The fuzz tree makes one
// libFuzzer program of each (fuzz_<name>); in every tree the regression test feeds each the
// committed seeds and the inputs that once failed (fuzz/corpus/<name>, fuzz/regressions/<name>).
//
// A target returns normally for any input; a broken promise of the reader (a round trip that
// does not hold, a value outside its range) ends the process through FUZZ_CHECK, which both
// libFuzzer and the test report as a crash.
struct FuzzTarget
{
    const char* name;
    void (*run)(std::span<const uint8_t> data);
};

[[nodiscard]] std::span<const FuzzTarget> FuzzTargets() noexcept;
[[nodiscard]] const FuzzTarget* FindFuzzTarget(std::string_view name) noexcept;

// Ends the process with a message naming the broken promise.
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line) noexcept;
#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

// The targets, one per reader (fuzz/targets/*.cpp).
void FuzzLanguageFile(std::span<const uint8_t> data);
void FuzzLayoutFile(std::span<const uint8_t> data);
void FuzzIniFile(std::span<const uint8_t> data);
void FuzzProfileFile(std::span<const uint8_t> data);
void FuzzSimulatorStore(std::span<const uint8_t> data);
void FuzzExchangeFile(std::span<const uint8_t> data);
void FuzzControlFile(std::span<const uint8_t> data);
void FuzzDeviceRecord(std::span<const uint8_t> data);
void FuzzEventBlock(std::span<const uint8_t> data);
void FuzzKeyName(std::span<const uint8_t> data);
void FuzzText(std::span<const uint8_t> data);
