#include "skin/win/CPanelBitmap.h"

#include "skin/layout/ItemDescriptions.h"
#include "skin/win/BitmapCopy.h"

std::unique_ptr<CPanelBitmap> CPanelBitmap::Create(const PanelBitmapDescription& description, HWND)
{
    if (description.picture == nullptr || !description.picture->loaded || description.picture->handle == 0)
        return nullptr;
    return std::make_unique<CPanelBitmap>(reinterpret_cast<HBITMAP>(description.picture->handle));
}

CPanelBitmap::CPanelBitmap(HBITMAP bitmap) noexcept : m_bitmap(bitmap), m_size(BitmapSize(bitmap)) {}
