#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "controls/CVScrollBar.h"
#include "controls/CXListEdit.h"
#include "macro/MacroEvent.h"
#include "macro/win/CWinKeyboardPlatform.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/IListPopup.h"
#include "skin/win/PictureArea.h"

class CFontItem;
class CListPanelItem;
class CMacroRecorder;

// The macro event list (MACRODISPLAY and MACRODISPLAYRO, kind 10): one owner-drawn row per step
// of the macro being edited, an icon (key pressed, key released, delay, mouse button) and the
// step's text. The editable display also records: while recording it holds the program's raw
// input registration for the keyboard and the mouse and hands every report to its
// CMacroRecorder, which decides what becomes a step. The read-only display previews a macro by
// showing its steps one by one, waiting out each delay step.
//
// Notifications to the parent (posted):
//   kMacroEventsEdited  (0, the display's window)     the steps changed by the user's editing
//   kMacroEventEdit     (0, the display's identifier) a key step is to be edited by the page
//   kMacroPreviewEnded  (0, 0)                         the preview showed its last step
class CMacroDisplayItem : public CCustomWindow, public CGUIItem
{
public:
    static constexpr UINT_PTR kPreviewTimer = 32;
    // The pause between two steps of a preview that are not delays.
    static constexpr UINT kPreviewStepMs = 60;
    static constexpr int kTextIndent = 4;
    // Icons of the rows (DescribeMacroStep's numbers).
    static constexpr int kIconKeyPressed = 0;
    static constexpr int kIconKeyReleased = 1;
    static constexpr int kIconDelay = 2;
    static constexpr int kIconMouse = 4;

    struct Colours
    {
        COLORREF text = RGB(255, 255, 255);
        COLORREF highlightText = RGB(255, 255, 255);
        COLORREF background = RGB(0, 0, 0);
        COLORREF highlightBackground = RGB(0, 96, 0);
        COLORREF border = RGB(96, 96, 96);
    };
    struct Icons
    {
        PictureArea keyDown, keyUp, mouse, mouseHighlight, delay, delayHighlight;
    };

    [[nodiscard]] static MadeItem Make(const MacroDisplayDescription& description, const IItemMakeContext& context);

    CMacroDisplayItem();
    ~CMacroDisplayItem() override;

    bool CreateDisplay(HWND parent, const RECT& rect, bool readOnly, int iconWidth,
                       const std::optional<ListPopupScrollBar>& scrollBar);
    void SetLook(const Colours& colours, int borderWidth, const Icons& icons, CFontItem* font);

    [[nodiscard]] CMacroRecorder& Recorder() noexcept { return *m_recorder; }
    [[nodiscard]] const std::vector<MacroEvent>& Events() const noexcept;
    // Shows these steps (a macro chosen, or its steps after recording); clears the selection.
    void SetEvents(std::vector<MacroEvent> events);
    [[nodiscard]] bool IsReadOnly() const noexcept { return m_readOnly; }

    // The selected step; nothing selected when none.
    [[nodiscard]] std::optional<size_t> Selection() const noexcept { return m_selection; }
    // Selects a step (or nothing) and scrolls it into view.
    void Select(std::optional<size_t> index);
    [[nodiscard]] int TopRow() const noexcept { return m_top; }
    [[nodiscard]] int RowHeight() const noexcept { return m_rowHeight; }
    [[nodiscard]] int VisibleRows() const noexcept;

    // Inserts steps after `after` (at the top for none) and selects the last of them; the index
    // of the last, or nothing when the display refused (locked, no steps).
    std::optional<size_t> InsertSteps(const std::vector<MacroEvent>& steps, std::optional<size_t> after);
    // Replaces a step's key or delay and tells the parent (kMacroEventsEdited).
    bool ReplaceStep(size_t index, const MacroEvent& event);

    // The context menus: with a step under the pointer, and over empty rows (borrowed).
    void SetOptionPanels(CListPanelItem* withStep, CListPanelItem* withoutStep) noexcept;
    // Runs a context-menu command on the selection ("$InsertDelay", "$Delete", "$Edit").
    void RunCommand(const std::wstring& command);

    // Recording: flips it, taking or giving back the raw input registration; the new state.
    bool ToggleRecording();
    [[nodiscard]] bool IsRecording() const noexcept;
    // The window whose click ends the recording; its presses are not recorded (null: none).
    void SetCaptureWindow(HWND window) noexcept { m_captureWindow = window; }
    [[nodiscard]] HWND CaptureWindow() const noexcept { return m_captureWindow; }

    // Preview (read-only display): shows `steps` one after another from an empty list.
    void StartPreview(std::vector<MacroEvent> steps);
    // Stops the preview and empties the display.
    void StopPreview();
    [[nodiscard]] bool IsPreviewing() const noexcept { return m_previewing; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnTimer(UINT_PTR timer) override;

private:
    [[nodiscard]] RECT ListArea() const noexcept;
    [[nodiscard]] int RowAt(POINT point) const noexcept;
    void OnRightPress(POINT point);
    void OnDoubleClick(POINT point);
    void OnWheel(short delta);
    void OnScroll(WPARAM request);
    void OnKey(WPARAM key);
    void ScrollTo(int top);
    void OnRawInput(LPARAM input);
    void PreviewNext();
    void BeginDelayEdit(size_t index);
    void EndDelayEdit(bool keep);
    void StepsChanged() const;
    void LayoutScrollBar();
    void Redraw() const;
    void PaintRow(HDC dc, size_t index, const RECT& row) const;
    [[nodiscard]] const PictureArea& IconFor(int icon, bool selected) const noexcept;

    CWinKeyboardPlatform m_keyboard;
    std::unique_ptr<CMacroRecorder> m_recorder;
    std::unique_ptr<CVScrollBar> m_scrollBar;
    std::optional<ListPopupScrollBar> m_scrollPictures;
    std::unique_ptr<CXListEdit> m_edit;
    std::optional<size_t> m_editIndex;
    Colours m_colours;
    Icons m_icons;
    CFontItem* m_font = nullptr;                  // not owned
    CListPanelItem* m_withStep = nullptr;        // not owned
    CListPanelItem* m_withoutStep = nullptr;     // not owned
    HWND m_captureWindow = nullptr;
    std::optional<size_t> m_selection;
    int m_top = 0;
    int m_rowHeight = 18;
    int m_iconWidth = 28;
    int m_borderWidth = 1;
    bool m_readOnly = false;
    std::vector<MacroEvent> m_previewSteps;
    size_t m_previewNext = 0;
    bool m_previewing = false;
};
