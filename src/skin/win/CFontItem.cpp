#include "skin/win/CFontItem.h"

#include <algorithm>

#include "skin/layout/ItemDescriptions.h"

LOGFONTW CFontItem::Describe(const FontDescription& description) noexcept
{
    LOGFONTW font{};
    if (description.pitch > 0)
        font.lfHeight = description.pitch;
    if (description.boldLevel > 0)
        font.lfWeight = description.boldLevel;
    // Longer faces are outside the format; the platform keeps 31 characters and the terminator.
    const size_t length = std::min(description.typeface.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::copy_n(description.typeface.begin(), length, font.lfFaceName);
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    return font;
}

std::unique_ptr<CFontItem> CFontItem::Create(const FontDescription& description)
{
    const LOGFONTW font = Describe(description);
    UniqueFont made(CreateFontIndirectW(&font));
    if (!made)
        return nullptr;
    return std::make_unique<CFontItem>(std::move(made));
}
