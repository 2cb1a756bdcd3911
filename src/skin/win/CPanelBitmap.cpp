#include "skin/win/CPanelBitmap.h"

#include "platform/win/WindowDc.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/BitmapCopy.h"

std::unique_ptr<CPanelBitmap> CPanelBitmap::Create(const PanelBitmapDescription& description, HWND owner)
{
    if (description.picture == nullptr || !description.picture->loaded)
        return nullptr;
    const auto picture = reinterpret_cast<HBITMAP>(description.picture->handle);
    const SIZE size = BitmapSize(picture);
    WindowDc surface(owner);
    UniqueBitmap copy = CopyBitmap(picture, 0, 0, size.cx, size.cy, surface.Get());
    if (!copy)
        return nullptr;
    return std::make_unique<CPanelBitmap>(std::move(copy));
}

CPanelBitmap::CPanelBitmap(UniqueBitmap bitmap) noexcept : m_bitmap(std::move(bitmap)), m_size(BitmapSize(m_bitmap.Get()))
{
}
