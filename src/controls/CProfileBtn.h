#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "skin/win/PictureArea.h"
#include "controls/core/CProfileButtonState.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CHoverTracker.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CSubclassedWindow.h"
#include "skin/win/CToolTip.h"

// The profile button (PROFBUTTON, kind 4): an owner-drawn button drawn from four state
// pictures (the cache's), optionally with four short text columns over the picture (a row of
// a profile list), and optionally a toggle. A plain button reports its click as a platform
// button does, when the mouse button is released over it; a toggle flips its state on that
// release and sends its parent the command itself (WM_COMMAND, BN_CLICKED, its control
// identifier and window). Toggle states the program sets are not reported.
class CProfileBtn : public CSubclassedWindow, public CGUIItem
{
public:
    using Picture = CProfileButtonState::Picture;
    static constexpr size_t kColumnCount = CProfileButtonState::kColumns.size();

    [[nodiscard]] static MadeItem Make(const ProfileButtonDescription& description, const IItemMakeContext& context);

    // A button made with BS_DEFPUSHBUTTON in `style` starts out hovered.
    bool CreateButton(HWND parent, const RECT& rect, DWORD style = 0);
    void SetPictures(const PictureArea& normal, const PictureArea& hover, const PictureArea& pressed,
                     const PictureArea& disabled);
    void SetTooltip(std::wstring_view textKey);
    [[nodiscard]] std::wstring ToolTipText() const { return m_toolTip.Text(); }
    // Column 0 to 3; while the first is empty the button shows its picture alone.
    void SetText(size_t column, std::wstring text);
    [[nodiscard]] const std::wstring& Text(size_t column) const noexcept { return m_texts[column % kColumnCount]; }
    void SetToggleMode(bool toggleMode) noexcept { m_state.SetToggleMode(toggleMode); }
    void SetToggled(bool toggled);
    [[nodiscard]] bool IsToggled() const noexcept { return m_state.IsToggled(); }

    // The picture the next paint shows.
    [[nodiscard]] Picture ShownPicture() const noexcept;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnLButtonDoubleClick(POINT point, WPARAM keys) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnKillFocus(HWND next) override;
    void OnDrawItem(const DRAWITEMSTRUCT& draw) override;

private:
    [[nodiscard]] const PictureArea& PictureFor(Picture picture) const noexcept;
    void DrawTexts(HDC dc, const RECT& client) const;
    void ActivateParent() const;
    void Redraw() const;

    std::array<PictureArea, 4> m_pictures{};
    std::array<std::wstring, kColumnCount> m_texts{};
    CProfileButtonState m_state;
    CHoverTracker m_hover;
    CToolTip m_toolTip;
    bool m_togglePressed = false;  // a toggle's press began on the button
};
