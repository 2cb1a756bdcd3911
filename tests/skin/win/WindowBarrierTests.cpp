// An exception thrown by a handler must not unwind through the platform's frames: each of the
// three window procedures ends the program with a report instead.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/win/UnexpectedError.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CDialogWindow.h"
#include "skin/win/CSubclassedWindow.h"

namespace {

constexpr int kDialogTemplate = 129;
constexpr UINT_PTR kThrowingTimer = 7;

template <typename Window>
class CThrowing : public Window
{
public:
    using Window::Window;

protected:
    void OnTimer(UINT_PTR timer) override
    {
        if (timer == kThrowingTimer)
            throw std::runtime_error("the handler failed");
        Window::OnTimer(timer);
    }
};

const RECT kRect{0, 0, 40, 20};
const auto kEndedByTheBarrier = ::testing::ExitedWithCode(static_cast<int>(platform::win::kUnexpectedErrorExitCode));

TEST(WindowBarrierDeathTest, AThrowingHandlerEndsTheProgramWithAReport)
{
    EXPECT_EXIT(
        {
            CThrowing<CCustomWindow> window;
            if (window.Create(nullptr, kRect, WS_POPUP))
                SendMessageW(window.Handle(), WM_TIMER, kThrowingTimer, 0);
        },
        kEndedByTheBarrier, "Vantix: unexpected error in the window procedure of a skin window: the handler failed");
    EXPECT_EXIT(
        {
            CThrowing<CSubclassedWindow> button;
            if (button.Create(L"BUTTON", nullptr, kRect, WS_POPUP))
                SendMessageW(button.Handle(), WM_TIMER, kThrowingTimer, 0);
        },
        kEndedByTheBarrier, "unexpected error in the procedure of a subclassed control: the handler failed");
    EXPECT_EXIT(
        {
            CThrowing<CDialogWindow> dialog(kDialogTemplate);
            if (dialog.CreateModeless(nullptr))
                SendMessageW(dialog.Handle(), WM_TIMER, kThrowingTimer, 0);
        },
        kEndedByTheBarrier, "unexpected error in the procedure of a dialog: the handler failed");
}

}  // namespace
