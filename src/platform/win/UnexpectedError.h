#pragma once

#include <exception>
#include <type_traits>

// The barrier at the calls the platform makes into the program (window and dialog procedures):
// an exception must not unwind through the platform's frames, and a program whose handler threw
// is in no state to go on. So the process ends, after telling where and what.
namespace platform::win {

// The exit status of a process ended by an unexpected error.
inline constexpr unsigned kUnexpectedErrorExitCode = 3;

// Writes "Vantix: unexpected error in <where>: <what>" to the debugger output and to the
// standard error stream, shows it in a message box when the process has no standard error to
// write to (a program started from the desktop), and ends the process with
// kUnexpectedErrorExitCode. A second error while the first is reported ends it at once.
[[noreturn]] void EndOnUnexpectedError(const char* where, const char* what) noexcept;

// Runs `call` at the barrier: its result, or the end of the process when it throws.
template <typename Call>
std::invoke_result_t<Call> CallAtBarrier(const char* where, Call&& call) noexcept
{
    try {
        return call();
    } catch (const std::exception& error) {
        EndOnUnexpectedError(where, error.what());
    } catch (...) {
        EndOnUnexpectedError(where, "an exception of an unknown type");
    }
}

}  // namespace platform::win
