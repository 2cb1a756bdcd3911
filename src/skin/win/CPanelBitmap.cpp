#include "skin/win/CPanelBitmap.h"

#include "skin/layout/ItemDescriptions.h"
#include "skin/layout/CResourceCache.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/CSkinEnvironment.h"

std::unique_ptr<CPanelBitmap> CPanelBitmap::Create(const PanelBitmapDescription& description, HWND)
{
    if (description.picture == nullptr || !description.picture->loaded || description.picture->handle == 0)
        return nullptr;
    return std::make_unique<CPanelBitmap>(reinterpret_cast<HBITMAP>(description.picture->handle), description.picture);
}

CPanelBitmap::CPanelBitmap(HBITMAP bitmap, const ResourceRecord* record) noexcept
    : m_bitmap(bitmap), m_record(record), m_size(BitmapSize(bitmap))
{
}

void CPanelBitmap::GiveBack()
{
    if (m_record != nullptr && m_bitmap != nullptr)
        (void)CSkinEnvironment::Instance().Cache().ReleaseIfUnshared(*m_record);
    Free();
}
