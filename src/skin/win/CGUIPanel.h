#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CDialogWindow.h"
#include "skin/win/CItemList.h"

class CPanelBitmap;

// A dialog window whose look and items come from one layout file: its BACKGROUND picture
// paints it and gives it its size, its MASK picture cuts its outline, and its items are its
// child windows. A panel without a layout takes its size from a rectangle instead.
//
// Derived windows override OnInitDialog and call the panel's first: when it returns, the
// layout is loaded, the window sized and outlined, and the items can be bound.
class CGUIPanel : public CDialogWindow
{
public:
    // A layout panel: fileName in the program directory's "xml" folder.
    CGUIPanel(std::wstring layoutFile, int templateId, HWND owner);
    // A panel without a layout, as large as `rect`.
    CGUIPanel(HWND owner, const RECT& rect, int templateId);
    ~CGUIPanel() override;

    [[nodiscard]] CItemList& Items() noexcept { return m_items; }
    [[nodiscard]] const CItemList& Items() const noexcept { return m_items; }
    [[nodiscard]] HWND OwnerWindow() const noexcept { return m_owner; }
    [[nodiscard]] const std::wstring& LayoutFile() const noexcept { return m_layoutFile; }
    // Left and top 0; right and bottom the background's size (layout panels) or the given
    // rectangle's.
    [[nodiscard]] const RECT& PanelRect() const noexcept { return m_rect; }
    [[nodiscard]] bool IsReady() const noexcept { return m_ready; }
    [[nodiscard]] CPanelBitmap* Background() const noexcept { return m_background; }
    [[nodiscard]] CPanelBitmap* Mask() const noexcept { return m_mask; }
    // What the read of the layout refused, and the first of it that keeps the window from
    // showing (a layout or picture that could not be read); nullopt when it can be shown.
    [[nodiscard]] const std::vector<LayoutProblem>& LayoutProblems() const noexcept { return m_problems; }
    [[nodiscard]] std::optional<LayoutProblem> PreventingProblem() const;
    // The outline region the mask gave (owned by the window once set); null without one.
    [[nodiscard]] bool HasOutline() const noexcept { return m_hasOutline; }

    // Runs the panel modally over its owner.
    INT_PTR RunModal() { return CDialogWindow::RunModal(m_owner); }
    using CDialogWindow::RunModal;

    // Moves the window so that it is centred over `other` (the screen's work area when null),
    // kept on the screen.
    void CenterOver(HWND other) const;

protected:
    bool OnInitDialog() override;
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnDestroy() override;

private:
    void LoadLayout();
    void ApplyMask();

    HWND m_owner;
    std::wstring m_layoutFile;
    CItemList m_items;
    std::vector<LayoutProblem> m_problems;
    CPanelBitmap* m_background = nullptr;
    CPanelBitmap* m_mask = nullptr;
    bool m_hasOutline = false;
    RECT m_rect{};
    bool m_ready = false;
};
