#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/win/WinHandles.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CToolTip.h"

class CFontItem;
struct BitmapWindowDescription;

// A picture with up to four state images, a caption and a tool tip, that works as a key-capture
// field: a click switches capturing on (the window takes the keyboard focus and shows its
// pressed picture) and the next click switches it off (the focus goes back where it was). While
// capturing, every key release is posted to the parent as kKeyMessage with the refined
// virtual-key code and the window.
class CBitmapWindow : public CCustomWindow, public CGUIItem
{
public:
    static constexpr UINT kKeyMessage = 0x5F8;
    static constexpr COLORREF kDefaultCaptionColour = RGB(254, 254, 254);

    // The window of a BITMAPWINDOW element, visible in `parent`; null when it cannot be made.
    [[nodiscard]] static std::unique_ptr<CBitmapWindow> Create(const BitmapWindowDescription& description,
                                                               HWND parent, CFontItem* font);

    // Ctrl, Shift and Alt become their left or right keys and the numeric-pad Enter its own
    // code (108), from the scan code and extended bit of a key message's lParam.
    [[nodiscard]] static UINT RefineVirtualKey(UINT virtualKey, LPARAM keyData) noexcept;

    CBitmapWindow() = default;
    ~CBitmapWindow() override = default;

    bool CreateWindowIn(HWND parent, const RECT& rect, bool visible = true);

    // Drawn at their full size from the given bitmaps (the resource cache's, which outlive every
    // window); null leaves that state's picture as it was.
    void SetPictures(HBITMAP disabled, HBITMAP normal, HBITMAP over, HBITMAP down);
    void SetMask(HBITMAP mask);
    // The case conversion of captions ("caps"); applied by SetCaption.
    void SetCaps(int32_t caps) noexcept { m_caps = caps; }
    void SetCaption(std::wstring_view textKey);
    [[nodiscard]] const std::wstring& Caption() const noexcept { return m_caption; }
    void SetCaptionColour(COLORREF colour) noexcept { m_captionColour = colour; }
    void SetCaptionFlags(UINT flags) noexcept { m_captionFlags = flags; }
    void SetFont(CFontItem* font);
    void SetToolTip(std::wstring_view textKey);
    [[nodiscard]] std::wstring ToolTipText() const { return m_toolTip.Text(); }

    [[nodiscard]] bool IsCapturing() const noexcept { return m_capturing; }
    void SetCapturing(bool capturing);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnKillFocus(HWND newFocus) override;
    void OnKeyUp(WPARAM key, LPARAM keyData) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum Picture : size_t
    {
        kDisabled,
        kNormal,
        kOver,
        kDown,
        kPictureCount
    };
    [[nodiscard]] HBITMAP ShownPicture() const noexcept;
    void DrawCaption(HDC dc, const RECT& client) const;
    void OnKeyReleased(WPARAM virtualKey, LPARAM keyData);

    CToolTip m_toolTip;
    HBITMAP m_pictures[kPictureCount] = {};  // the cache's; not owned
    std::wstring m_caption;
    int32_t m_caps = 0;
    COLORREF m_captionColour = 0;
    UINT m_captionFlags = 0;
    CFontItem* m_font = nullptr;  // not owned
    bool m_hovered = false;
    bool m_capturing = false;
    HWND m_previousFocus = nullptr;
};
