#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/WinHandles.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CSubclassedWindow.h"

class CFontItem;
struct EditDescription;

// An EDITCTRL (kind 18): the platform's single-line edit field in the layout's colours, framed
// in the border colour with the text centred in its height, limited to the layout's "max"
// characters. It can be restricted to whole numbers in a range: then only editing keys and
// digits reach it, and a digit only when the number can still end in the range.
//
// Notification::kEditChanged goes to the parent (sent; wParam 0, lParam the field's window)
// each time the user changed the text; a text the program sets is not reported.
class CEditItem : public CSubclassedWindow, public CGUIItem
{
public:
    struct StateColours
    {
        COLORREF text = RGB(255, 255, 255);
        COLORREF background = RGB(0, 0, 0);  // behind the letters
        COLORREF fill = RGB(0, 0, 0);        // the rest of the field
    };
    // The layout's colours: "fontclr" and "backclr" while enabled; the highlighted colours
    // ("fontclrhi", "backclrhi") are the field's look while disabled.
    struct Look
    {
        StateColours enabled;
        StateColours disabled{RGB(160, 160, 160), RGB(48, 48, 48), RGB(48, 48, 48)};
        COLORREF border = RGB(128, 128, 128);
        int borderWidth = 1;  // 1 to 9
    };
    // Pixels between the frame and the text.
    static constexpr int kTextMargin = 3;

    // Null when the window cannot be made.
    [[nodiscard]] static std::unique_ptr<CEditItem> Create(const EditDescription& description, HWND parent,
                                                           CFontItem* font);
    [[nodiscard]] static Look LookOf(const EditDescription& description) noexcept;
    // The frame's width on each side (left and right, top and bottom) for a field `height`
    // pixels high showing lines `lineHeight` high: the border, a margin, and vertically what
    // centres the line.
    [[nodiscard]] static SIZE FrameInsets(int height, int borderWidth, int lineHeight) noexcept;

    CEditItem() = default;
    ~CEditItem() override = default;

    bool CreateField(HWND parent, const RECT& rect, DWORD extraStyle = 0);
    void SetLook(const Look& look);
    [[nodiscard]] const Look& GetLook() const noexcept { return m_look; }
    // Null: the dialog's font.
    void SetFont(CFontItem* font);
    // The most characters the field takes; 0 or less: no limit of its own.
    void SetLimit(int characters);

    // Only whole numbers in [minimum, maximum] can be typed; false, changing nothing, when the
    // range is empty.
    bool SetNumeric(int32_t minimum, int32_t maximum);
    void ClearNumeric() noexcept { m_range.reset(); }
    [[nodiscard]] bool IsNumeric() const noexcept { return m_range.has_value(); }

    // Shows `text` without reporting a change.
    void SetText(std::wstring_view text);
    [[nodiscard]] std::wstring Text() const;

protected:
    // Makes the field of an element in `parent`: rectangle, colours, font and limit.
    bool Build(const EditDescription& description, HWND parent, CFontItem* font);

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(HDC dc) override;
    bool OnReflectedCommand(WORD notification) override;
    // A change of the text that the user made; the field reports it to its parent.
    virtual void OnUserChange();
    // Keys and characters a derived field takes over; true when the message was handled.
    virtual bool FilterInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    struct Range
    {
        int32_t minimum = 0;
        int32_t maximum = 0;
    };

    [[nodiscard]] const StateColours& CurrentColours() const noexcept;
    [[nodiscard]] int LineHeight() const;
    void Reframe();
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    void OnNcPaint();
    [[nodiscard]] bool NumericFilter(UINT message, WPARAM wParam) const;

    Look m_look;
    UniqueBrush m_enabledBrush;
    UniqueBrush m_disabledBrush;
    CFontItem* m_font = nullptr;  // not owned
    std::optional<Range> m_range;
    bool m_settingText = false;
};
