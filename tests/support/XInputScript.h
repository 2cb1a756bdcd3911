#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win/WinHandles.h"
#include "WindowTestSupport.h"

// Real X input for the tests under Wine: xdotool, run as the user's hands, one step after the
// other. A step waits until the program is ready for it (a list opened, a field took the
// focus), then runs one xdotool command; the steps are driven from a thread timer, which the
// program's modal loops (an open drop-down list, say) dispatch as well, so a script can reach
// into windows that run their own loop. Nothing sleeps: the script waits on the program's
// state and on xdotool's process.
//
// Screen coordinates of the program are the X screen's: Wine's virtual screen starts at the X
// root's origin.
class CXInputScript
{
public:
    static constexpr wchar_t kXdotool[] = L"Z:\\usr\\bin\\xdotool";

    using Arguments = std::function<std::wstring()>;

    // Once `ready` answers true and the step before has ended, runs xdotool with the arguments
    // `arguments` makes then (where the program's windows are at that moment).
    CXInputScript& Then(std::function<bool()> ready, Arguments arguments)
    {
        m_steps.push_back(Step{std::move(ready), std::move(arguments)});
        return *this;
    }
    CXInputScript& Then(std::function<bool()> ready, std::wstring arguments)
    {
        return Then(std::move(ready), [arguments] { return arguments; });
    }
    CXInputScript& Then(std::wstring arguments)
    {
        return Then([] { return true; }, std::move(arguments));
    }

    // Runs the steps, handling the thread's messages meanwhile, until every step ran and its
    // xdotool ended and `done` answers true, or `timeoutMs` passed. False on a timeout or when
    // xdotool could not run (Failure() tells).
    bool Run(
        const std::function<bool()>& done = [] { return true; }, DWORD timeoutMs = 20000)
    {
        s_running = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &CXInputScript::Tick);
        const bool finished = wintest::PumpUntil(
            [&] { return !m_failure.empty() || (m_next == m_steps.size() && !m_process && done()); }, timeoutMs);
        KillTimer(nullptr, timer);
        s_running = nullptr;
        if (!finished && m_failure.empty())
            m_failure = m_next < m_steps.size() ? L"step " + std::to_wstring(m_next) + L" never became ready"
                                                : L"the program did not reach the expected state";
        return finished && m_failure.empty();
    }

    // Runs the steps from the modal loop the caller enters next (a dialog's, say), which
    // dispatches the script's timer; Stop() ends them. Finished() tells whether every step ran.
    void Start()
    {
        s_running = this;
        m_timer = SetTimer(nullptr, 0, kTickMs, &CXInputScript::Tick);
    }
    void Stop()
    {
        KillTimer(nullptr, m_timer);
        s_running = nullptr;
        if (m_failure.empty() && m_next < m_steps.size())
            m_failure = L"step " + std::to_wstring(m_next) + L" never became ready";
    }
    [[nodiscard]] bool Finished() const noexcept { return m_next == m_steps.size() && m_failure.empty(); }

    [[nodiscard]] const std::wstring& Failure() const noexcept { return m_failure; }

    // The X window that shows a top-level window of the program, for "windowfocus".
    [[nodiscard]] static std::wstring XWindowOf(HWND window)
    {
        return std::to_wstring(reinterpret_cast<uintptr_t>(GetPropW(window, L"__wine_x11_whole_window")));
    }
    // "mousemove X Y click 1" at the centre of a window's client area.
    [[nodiscard]] static std::wstring ClickCentreOf(HWND window)
    {
        RECT client{};
        GetClientRect(window, &client);
        return MoveTo(window, client.right / 2, client.bottom / 2) + L" click 1";
    }
    // "mousemove X Y" for a point of a window's client area.
    [[nodiscard]] static std::wstring MoveTo(HWND window, int x, int y)
    {
        POINT point{x, y};
        ClientToScreen(window, &point);
        return L"mousemove " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y);
    }

private:
    static constexpr UINT kTickMs = 15;

    struct Step
    {
        std::function<bool()> ready;
        Arguments arguments;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_running != nullptr)
            s_running->Advance();
    }

    void Advance()
    {
        if (m_process) {
            if (WaitForSingleObject(m_process.Get(), 0) != WAIT_OBJECT_0)
                return;
            m_process.Reset();
        }
        if (m_next >= m_steps.size() || !m_failure.empty())
            return;
        // A copy: the test's functions may look at the program, which may run this timer again.
        const Step step = m_steps[m_next];
        if (!step.ready())
            return;
        std::wstring command = std::wstring(kXdotool) + L" " + step.arguments();
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            m_failure = L"xdotool did not start: " + command;
            return;
        }
        CloseHandle(process.hThread);
        m_process.Reset(process.hProcess);
        ++m_next;
    }

    static inline CXInputScript* s_running = nullptr;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    UniqueHandle m_process;
    std::wstring m_failure;
};
