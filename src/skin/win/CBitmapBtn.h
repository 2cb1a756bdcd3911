#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/win/WinHandles.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CHoverTracker.h"
#include "skin/win/CSubclassedWindow.h"
#include "skin/win/CToolTip.h"
#include "skin/win/PictureArea.h"

class CFontItem;
struct ButtonDescription;

// The push button and check box of the pages: an owner-drawn platform button that paints
// itself from four state pictures (its own copies), with an optional caption drawn over the
// picture in a colour per state, a tool tip, a check-box mode and a blinking look.
//
// A push button reports its click to the parent when the mouse button is released over it; a
// check box reports at once when the mouse button is pressed (WM_COMMAND, BN_CLICKED, control
// identifier 0, the button's window).
class CBitmapBtn : public CSubclassedWindow, public CGUIItem
{
public:
    enum class Picture : uint8_t
    {
        Normal,
        Hover,
        Pressed,
        Disabled,
    };
    static constexpr size_t kPictureCount = 4;
    static constexpr UINT_PTR kBlinkTimer = 16;
    // Drawn instead of a caption colour of 0.
    static constexpr COLORREF kDefaultCaptionColour = RGB(254, 254, 254);

    // What the drawing depends on.
    struct DrawState
    {
        bool checkBox = false;
        bool checked = false;
        bool hovered = false;
        bool pressed = false;   // the platform draws the button pushed
        bool disabled = false;  // the platform draws the button disabled
        bool blinking = false;
        Picture blinkPicture = Picture::Normal;
    };
    [[nodiscard]] static Picture ChoosePicture(const DrawState& state) noexcept;
    // The state whose caption colour is used (never the blink picture's).
    [[nodiscard]] static Picture ChooseCaptionState(const DrawState& state) noexcept;

    // The button of a BUTTON element, visible in `parent`; null when the window cannot be made.
    [[nodiscard]] static std::unique_ptr<CBitmapBtn> Create(const ButtonDescription& description, HWND parent,
                                                            CFontItem* font);

    CBitmapBtn() = default;
    ~CBitmapBtn() override;

    // Makes the owner-drawn button window at `rect` (control identifier 0, no tab stop).
    bool CreateButton(HWND parent, const RECT& rect, bool visible = true);

    // Draws each state from the given picture's part (width x height from x, y), without a copy:
    // the pictures (the resource cache's) outlive the button. A null picture leaves that state
    // as it was.
    void SetPictures(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled, int x, int y, int width,
                     int height);
    // The window takes the mask's outline first.
    void SetPicturesWithMask(HBITMAP mask, HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled, int x,
                             int y, int width, int height);
    void SetToolTip(std::wstring_view textKey);
    void SetCaption(std::wstring_view textKey, int32_t caps);
    [[nodiscard]] const std::wstring& Caption() const noexcept { return m_caption; }
    [[nodiscard]] std::wstring ToolTipText() const { return m_toolTip.Text(); }

    void SetCheckBox(bool checkBox) noexcept { m_checkBox = checkBox; }
    [[nodiscard]] bool IsCheckBox() const noexcept { return m_checkBox; }
    void SetChecked(bool checked);
    [[nodiscard]] bool IsChecked() const noexcept { return m_checked; }
    // 1: a click on a check box flips its checked state; other values leave it to the page.
    void SetToggleMode(int mode) noexcept { m_toggleMode = mode; }
    [[nodiscard]] int ToggleMode() const noexcept { return m_toggleMode; }
    [[nodiscard]] bool IsHovered() const noexcept { return m_hover.IsHovered(); }

    // 0 means the default light colour.
    void SetCaptionColour(Picture state, int32_t colour) noexcept;
    void SetFont(CFontItem* font);
    void SetCaptionFlags(UINT flags) noexcept { m_captionFlags = flags; }
    [[nodiscard]] UINT CaptionFlags() const noexcept { return m_captionFlags; }

    // Alternates between the normal and pressed pictures every `intervalMs`, until StopBlink.
    void StartBlink(UINT intervalMs);
    void StopBlink();
    [[nodiscard]] bool IsBlinking() const noexcept { return m_blinking; }

    // The picture the button shows now (what the next paint copies).
    [[nodiscard]] Picture ShownPicture() const noexcept;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnTimer(UINT_PTR timer) override;
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;
    void OnLButtonDoubleClick(POINT point, WPARAM keys) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnKillFocus(HWND newFocus) override;
    void OnDrawItem(const DRAWITEMSTRUCT& draw) override;

private:
    [[nodiscard]] DrawState CurrentDrawState(UINT itemState) const noexcept;
    void DrawCaption(HDC dc, const RECT& client, Picture captionState) const;
    void ActivateOwner() const;
    void Redraw() const;

    CToolTip m_toolTip;
    bool m_checkBox = false;
    bool m_checked = false;
    CHoverTracker m_hover;
    std::array<PictureArea, kPictureCount> m_pictures;
    std::array<int32_t, kPictureCount> m_captionColours{};
    int m_toggleMode = 1;
    std::wstring m_caption;
    CFontItem* m_font = nullptr;  // the list's font item; not owned
    UINT m_captionFlags = 0;
    UINT m_blinkInterval = 0;
    bool m_blinking = false;
    Picture m_blinkPicture = Picture::Normal;
};
