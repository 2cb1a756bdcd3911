#pragma once

// COM for the calling thread for as long as the object lives: CoInitialize when made, and
// CoUninitialize when it goes if the initialisation succeeded (also when COM was initialised
// already, which the call reports as success with S_FALSE and counts).
class ScopedComInit
{
public:
    ScopedComInit() noexcept;
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;
    ~ScopedComInit();

    [[nodiscard]] bool Succeeded() const noexcept { return m_initialized; }

private:
    bool m_initialized;
};
