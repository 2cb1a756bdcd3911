#include "skin/win/BitmapCopy.h"

#include "platform/win/WinHandles.h"
#include "platform/win/WindowDc.h"
#include "skin/win/ScopedSelect.h"

UniqueBitmap CopyBitmap(HBITMAP source, int left, int top, int width, int height, HDC surface)
{
    if (source == nullptr || width <= 0 || height <= 0)
        return {};
    WindowDc screen(nullptr);
    const HDC compatible = surface != nullptr ? surface : screen.Get();
    UniqueBitmap copy(CreateCompatibleBitmap(compatible, width, height));
    UniqueDc from = CreateCompatibleDc(compatible);
    UniqueDc to = CreateCompatibleDc(compatible);
    if (!copy || !from || !to)
        return {};
    ScopedSelect sourceSelected(from.Get(), source);
    ScopedSelect copySelected(to.Get(), copy.Get());
    if (!BitBlt(to.Get(), 0, 0, width, height, from.Get(), left, top, SRCCOPY))
        return {};
    return copy;
}

SIZE BitmapSize(HBITMAP bitmap) noexcept
{
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}
