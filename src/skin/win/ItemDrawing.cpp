#include "skin/win/ItemDrawing.h"

#include <string>

#include "platform/win/WinHandles.h"
#include "skin/win/ScopedSelect.h"

namespace {

UniqueFont MakeDefaultCaptionFont()
{
    LOGFONTW description{};
    description.lfHeight = 14;
    description.lfWeight = FW_BOLD;
    description.lfPitchAndFamily = FF_SWISS;
    lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&description));
}

}  // namespace

void DrawPicture(HDC dc, HBITMAP picture, SIZE size)
{
    if (dc == nullptr || picture == nullptr)
        return;
    const UniqueDc source = CreateCompatibleDc(dc);
    if (!source)
        return;
    const ScopedSelect selected(source.Get(), picture);
    BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
}

void DrawItemText(HDC dc, const RECT& area, std::wstring_view text, COLORREF colour, HFONT font, UINT flags)
{
    if (dc == nullptr || text.empty())
        return;
    UniqueFont fallback;
    if (font == nullptr) {
        fallback = MakeDefaultCaptionFont();
        font = fallback.Get();
    }
    const ScopedSelect selected(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    // DT_MODIFYSTRING may write into the text, so it draws a copy with room for the ellipsis.
    std::wstring drawn(text);
    drawn.append(4, L'\0');
    RECT bounds = area;
    DrawTextW(dc, drawn.data(), static_cast<int>(text.size()), &bounds, flags);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}
