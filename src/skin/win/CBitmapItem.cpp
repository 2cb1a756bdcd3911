#include "skin/win/CBitmapItem.h"

#include <algorithm>

#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/OutlineRegion.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "vocabulary/ItemIds.h"

namespace {

bool TakesNoInput(int32_t identifier) noexcept
{
    return identifier == ItemId::BITMAP_BRIMVIEWPLAN || identifier == ItemId::BITMAP_BRIMVIEWSIDE;
}

}  // namespace

std::unique_ptr<CBitmapItem> CBitmapItem::Create(const BitmapItemDescription& description, HWND parent)
{
    const HBITMAP picture = BitmapOf(description.normal);
    if (picture == nullptr)
        return nullptr;
    const RectEdges edges = EdgesOf(description.rect);
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (TakesNoInput(description.identifier))
        style |= WS_DISABLED;
    auto item = std::make_unique<CBitmapItem>();
    if (!item->CCustomWindow::Create(parent, RECT{edges.left, edges.top, edges.right, edges.bottom}, style))
        return nullptr;
    const SIZE size = BitmapSize(picture);
    item->SetPicture(BitmapOf(description.mask), picture, 0, 0, size.cx, size.cy);
    return item;
}

void CBitmapItem::SetPicture(HBITMAP picture, int left, int top, int right, int bottom)
{
    if (picture == nullptr)
        return;
    m_picture = PictureArea::Part(picture, left, top, right - left, bottom - top);
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CBitmapItem::SetPicture(HBITMAP mask, HBITMAP picture, int left, int top, int right, int bottom)
{
    if (mask != nullptr && Handle() != nullptr) {
        UniqueRegion outline = OutlineRegion(mask);
        // The window owns a region it was given.
        if (outline && SetWindowRgn(Handle(), outline.Get(), TRUE))
            (void)outline.Release();
    }
    SetPicture(picture, left, top, right, bottom);
}

void CBitmapItem::OnPaint()
{
    PaintDc paint(Handle());
    if (!paint || !m_picture)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    DrawPictureArea(paint.Get(), 0, 0, client.right, client.bottom, m_picture);
}

void CBitmapItem::OnCommand(HWND control, WORD, WORD)
{
    if (control != nullptr) {
        const Message& command = CurrentMessage();
        PostMessageW(GetParent(Handle()), command.id, command.wParam, command.lParam);
    }
    Default();
}
