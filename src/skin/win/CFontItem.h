#pragma once

#include <windows.h>

#include <memory>

#include "platform/win/WinHandles.h"
#include "skin/win/CGUIItem.h"

struct FontDescription;

// A FONT element (kind 12): the font other items of the layout draw with. It has no window
// (its handle is 0); the font is deleted with the item.
class CFontItem : public CGUIItem
{
public:
    // Null when the platform cannot make the font.
    [[nodiscard]] static std::unique_ptr<CFontItem> Create(const FontDescription& description);
    // The font an element describes: height, weight and face when given, variable-width
    // sans-serif family, everything else 0.
    [[nodiscard]] static LOGFONTW Describe(const FontDescription& description) noexcept;

    explicit CFontItem(UniqueFont font) noexcept : m_font(std::move(font)) {}

    [[nodiscard]] HFONT Font() const noexcept { return m_font.Get(); }

private:
    UniqueFont m_font;
};
