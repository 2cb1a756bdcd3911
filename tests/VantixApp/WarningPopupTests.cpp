#include "AppTestSupport.h"
#include "VantixApp/CVantixWarningDlg.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

namespace {

// Presses a button of the pop-up open on this thread, once, from a timer.
struct PopupClicker
{
    static inline int32_t button = 0;
    static inline bool clicked = false;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (clicked)
            return;
        EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
            auto* popup = dynamic_cast<CVantixWarningDlg*>(CWindow::FromHandle(window));
            CGUIItem* item = popup != nullptr ? popup->Items().FindById(button) : nullptr;
            if (item == nullptr)
                return TRUE;
            clicked = true;
            SendMessageW(item->ItemWindow(), BM_CLICK, 0, 0);
            return FALSE;
        }, 0);
    }
};

// Ends the pop-up open on this thread with the dialog manager's Escape.
void CALLBACK PressEscape(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
        if (dynamic_cast<CVantixWarningDlg*>(CWindow::FromHandle(window)) == nullptr)
            return TRUE;
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
    }, 0);
}

}  // namespace

class WarningPopupTest : public ::testing::Test
{
protected:
    INT_PTR RunClicking(CVantixWarningDlg& popup, int32_t button)
    {
        PopupClicker::button = button;
        PopupClicker::clicked = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PopupClicker::OnTimer);
        const INT_PTR result = popup.RunModal();
        KillTimer(nullptr, timer);
        return result;
    }

    // The heading as the layout writes it, read from a pop-up that is not changed.
    std::wstring PlainHeading(const std::wstring& layout)
    {
        heading.clear();
        CVantixWarningDlg popup(WarningRequest{layout, L"", L""}, nullptr);
        PopupClicker::button = ItemId::BUTTON_POPUP_OK;
        PopupClicker::clicked = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
                auto* open = dynamic_cast<CVantixWarningDlg*>(CWindow::FromHandle(window));
                if (open == nullptr || open->Heading() == nullptr)
                    return TRUE;
                heading = open->Heading()->Text();
                PostMessageW(window, WM_COMMAND, IDOK, 0);
                return FALSE;
            }, 0);
        });
        (void)popup.RunModal();
        KillTimer(nullptr, timer);
        return heading;
    }

    static inline std::wstring heading;
    SkinEnvironmentScope skin;
};

TEST_F(WarningPopupTest, OkButtonClosesWithOne)
{
    CVantixWarningDlg popup(WarningRequest{L"NoMousePopup.xml", L"", L""}, nullptr);
    EXPECT_EQ(RunClicking(popup, ItemId::BUTTON_POPUP_OK), 1);
    EXPECT_TRUE(PopupClicker::clicked);
}

TEST_F(WarningPopupTest, EscapeClosesWithTwo)
{
    CVantixWarningDlg popup(WarningRequest{L"NoMousePopup.xml", L"", L""}, nullptr);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PressEscape);
    EXPECT_EQ(popup.RunModal(), 2);
    KillTimer(nullptr, timer);
}

TEST_F(WarningPopupTest, HeadingTakesTheAppendedName)
{
    const std::wstring plain = PlainHeading(L"NoMousePopup.xml");
    ASSERT_FALSE(plain.empty());
    WarningRequest request{L"NoMousePopup.xml", L": Racing", L""};
    CVantixWarningDlg popup(request, nullptr);
    std::wstring shown;
    static std::wstring* target = nullptr;
    target = &shown;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
            auto* open = dynamic_cast<CVantixWarningDlg*>(CWindow::FromHandle(window));
            if (open == nullptr || open->Heading() == nullptr)
                return TRUE;
            *target = open->Heading()->Text();
            PostMessageW(window, WM_COMMAND, IDOK, 0);
            return FALSE;
        }, 0);
    });
    EXPECT_EQ(popup.RunModal(), 1);
    KillTimer(nullptr, timer);
    EXPECT_EQ(shown, plain + L": Racing");
}

TEST_F(WarningPopupTest, ReplacementKeyWinsOverTheAppendedName)
{
    WarningRequest request{L"NoMousePopup.xml", L": Racing", L"$ImportProfile"};
    CVantixWarningDlg popup(request, nullptr);
    std::wstring shown;
    static std::wstring* target = nullptr;
    target = &shown;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
            auto* open = dynamic_cast<CVantixWarningDlg*>(CWindow::FromHandle(window));
            if (open == nullptr || open->Heading() == nullptr)
                return TRUE;
            *target = open->Heading()->Text();
            PostMessageW(window, WM_COMMAND, IDOK, 0);
            return FALSE;
        }, 0);
    });
    (void)popup.RunModal();
    KillTimer(nullptr, timer);
    EXPECT_EQ(shown, CSkinEnvironment::Instance().Languages().ShowText(L"$ImportProfile"));
    EXPECT_EQ(shown.find(L"Racing"), std::wstring::npos);
}

TEST_F(WarningPopupTest, MissingLayoutClosesWithoutShowingAnEmptyBox)
{
    CVantixWarningDlg popup(WarningRequest{L"NoSuchPopup.xml", L": x", L"$y"}, nullptr);
    EXPECT_EQ(popup.RunModal(), CPopupBox::kNotMade);
    EXPECT_EQ(popup.Heading(), nullptr);
}
