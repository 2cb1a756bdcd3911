// A window with bitmap buttons in their states and a drop-down whose list opens by itself and
// closes after a few seconds: for looking at the drawn items on a screen.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/CListPanelPopup.h"
#include "platform/win/WinHandles.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

constexpr UINT_PTR kOpenTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;

UniqueBitmap Gradient(int width, int height, COLORREF from, COLORREF to)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int r = GetRValue(from) + (GetRValue(to) - GetRValue(from)) * y / height;
            const int g = GetGValue(from) + (GetGValue(to) - GetGValue(from)) * y / height;
            const int b = GetBValue(from) + (GetBValue(to) - GetBValue(from)) * y / height;
            pixels[y * width + x] = static_cast<uint32_t>((r << 16) | (g << 8) | b);
        }
    GdiFlush();
    return bitmap;
}

class DemoWindow : public CCustomWindow
{
public:
    bool Open()
    {
        if (!Create(nullptr, RECT{20, 20, 520, 320}, WS_POPUP | WS_VISIBLE))
            return false;
        m_pictures.push_back(Gradient(110, 32, RGB(60, 60, 70), RGB(20, 20, 25)));
        m_pictures.push_back(Gradient(110, 32, RGB(90, 90, 120), RGB(40, 40, 60)));
        m_pictures.push_back(Gradient(110, 32, RGB(200, 90, 0), RGB(120, 40, 0)));
        m_pictures.push_back(Gradient(110, 32, RGB(45, 45, 45), RGB(45, 45, 45)));
        const wchar_t* captions[] = {L"Normal", L"Checked", L"Disabled", L"Check box", L"Blinking"};
        for (int index = 0; index < 5; ++index) {
            auto button = std::make_unique<CBitmapBtn>();
            const int top = 20 + index * 42;
            button->CreateButton(Handle(), RECT{20, top, 130, top + 32});
            button->SetPictures(m_pictures[0].Get(), m_pictures[1].Get(), m_pictures[2].Get(), m_pictures[3].Get(), 0,
                                0, 110, 32);
            button->SetCaptionFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            button->SetCaption(captions[index], 0);
            button->SetToolTip(L"Demo\\nbutton");
            m_buttons.push_back(std::move(button));
        }
        m_buttons[1]->SetChecked(true);
        m_buttons[1]->SetCaptionColour(CBitmapBtn::Picture::Pressed, RGB(255, 255, 0));
        EnableWindow(m_buttons[2]->Handle(), FALSE);
        m_buttons[3]->SetCheckBox(true);
        m_buttons[3]->SetChecked(true);
        m_buttons[4]->StartBlink(500);

        m_submenu.SetSize(130, 0);
        m_submenu.AddEntry(L"Profile 1");
        m_submenu.AddEntry(L"Profile 2");
        m_empty.SetSize(130, 0);
        m_box.CreateBox(Handle(), RECT{170, 20, 400, 42});
        CDropdownListItem::Colours colours;
        colours.text = RGB(230, 230, 230);
        colours.highlightText = RGB(255, 255, 255);
        colours.background = RGB(30, 30, 40);
        colours.highlightBackground = RGB(230, 140, 0);
        colours.border = RGB(230, 140, 0);
        colours.disabledBackground = RGB(70, 70, 70);
        colours.disabledText = RGB(140, 140, 140);
        m_box.SetColours(colours);
        m_box.SetBorderWidth(2);
        m_box.SetListHeight(110);
        m_box.SetSorted(true);
        for (const wchar_t* text : {L"Left click", L"right click", L"Double click", L"Macro", L"disabled", L"Menu",
                                    L"Universal scroll", L"Single key", L"Media: play", L"Sensitivity up"})
            m_box.AddEntry(text);
        m_box.AddEntry(L"Switch profile", &m_submenu);
        m_box.AddEntry(L"No macros", &m_empty);
        m_box.SetSelection(10, L"Profile 2");
        m_scrollPictures.push_back(Gradient(10, 18, RGB(240, 160, 20), RGB(160, 90, 0)));  // thumb
        m_scrollPictures.push_back(Gradient(10, 3, RGB(90, 90, 90), RGB(90, 90, 90)));     // top
        m_scrollPictures.push_back(Gradient(10, 3, RGB(90, 90, 90), RGB(90, 90, 90)));     // bottom
        m_scrollPictures.push_back(Gradient(10, 9, RGB(150, 150, 160), RGB(90, 90, 100))); // up
        m_scrollPictures.push_back(Gradient(10, 9, RGB(90, 90, 100), RGB(150, 150, 160))); // down
        m_scrollPictures.push_back(Gradient(10, 2, RGB(45, 45, 55), RGB(45, 45, 55)));     // span
        m_box.SetScrollBar(ListPopupScrollBar{10, m_scrollPictures[0].Get(), m_scrollPictures[1].Get(),
                                              m_scrollPictures[2].Get(), m_scrollPictures[3].Get(),
                                              m_scrollPictures[4].Get(), m_scrollPictures[5].Get()});
        SetTimer(Handle(), kOpenTimer, 800, nullptr);
        return true;
    }

protected:
    void OnTimer(UINT_PTR timer) override
    {
        KillTimer(Handle(), timer);
        if (timer == kOpenTimer) {
            // Hover the third row once the list is up, then leave it open for a while.
            SetTimer(Handle(), kCloseTimer, 6000, nullptr);
            SetTimer(nullptr, 0, 600, [](HWND, UINT, UINT_PTR id, DWORD) {
                KillTimer(nullptr, id);
                if (HWND list = GetCapture())
                    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(20, 40));
            });
            m_box.Open();
            PostQuitMessage(0);
        } else if (timer == kCloseTimer) {
            if (HWND list = GetCapture())
                SendMessageW(list, WM_RBUTTONDOWN, 0, 0);
        }
    }

private:
    std::vector<UniqueBitmap> m_pictures;
    std::vector<UniqueBitmap> m_scrollPictures;
    std::vector<std::unique_ptr<CBitmapBtn>> m_buttons;
    CListPanelItem m_submenu;
    CListPanelItem m_empty;
    CDropdownListItem m_box;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    CListPanelPopup popup;
    CSkinEnvironment::Instance().SetListPopup(&popup);
    DemoWindow window;
    if (!window.Open())
        return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
