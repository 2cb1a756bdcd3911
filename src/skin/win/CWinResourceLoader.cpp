#include "skin/win/CWinResourceLoader.h"

#include <cstring>
#include <limits>

#include "platform/ComPtr.h"
#include "platform/win/WinHandles.h"
#include "platform/win/WindowDc.h"
#include "skin/layout/LayoutLimits.h"
#include "skin/win/ScopedSelect.h"

namespace {

constexpr int kHimetricPerInch = 2540;

UniqueGlobal CopyToGlobal(const std::string& bytes)
{
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory)
        return {};
    void* target = GlobalLock(memory.Get());
    if (target == nullptr)
        return {};
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory.Get());
    return memory;
}

bool IsBitmapFile(const std::string& bytes) noexcept
{
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

}  // namespace

std::optional<IResourceLoader::Picture> CWinResourceLoader::LoadPicture(ResourceType type, const std::wstring& path)
{
    if (type == ResourceType::Picture)
        return DecodePicture(path);
    if (type == ResourceType::BitmapFile)
        return LoadBitmapFile(path);
    return std::nullopt;
}

std::optional<IResourceLoader::Picture> CWinResourceLoader::DecodePicture(const std::wstring& path)
{
    auto bytes = ReadFile(path, LayoutLimits::kMaxPictureFileBytes);
    if (!bytes || bytes->empty() || bytes->size() > static_cast<size_t>(std::numeric_limits<LONG>::max()))
        return std::nullopt;
    // A bitmap file goes straight into a section of its own depth. Through the picture object
    // it would be held four times at once (the file, its copy for the stream, the decoded
    // picture and our copy at the screen's depth): the skin's largest pictures set the
    // program's peak memory that way.
    if (IsBitmapFile(*bytes)) {
        bytes.reset();
        return LoadBitmapFile(path);
    }
    UniqueGlobal memory = CopyToGlobal(*bytes);
    if (!memory)
        return std::nullopt;
    // The stream does not free the block: UniqueGlobal does, after the stream is released.
    platform::ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory.Get(), FALSE, stream.Put())))
        return std::nullopt;
    platform::ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(bytes->size()), FALSE, IID_IPicture, picture.PutVoid())))
        return std::nullopt;
    return Describe(CopyToOwnBitmap(*picture.Get()));
}

// The picture object owns its bitmap and frees it with itself, so the cache gets a copy.
HBITMAP CWinResourceLoader::CopyToOwnBitmap(IPicture& picture)
{
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture.get_Type(&type)))
        return nullptr;
    if (type != PICTYPE_BITMAP)
        return RenderToBitmap(picture);
    OLE_HANDLE handle = 0;
    if (FAILED(picture.get_Handle(&handle)) || handle == 0)
        return nullptr;
    const auto bitmap = reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle));
    return static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Icons and metafiles are drawn into a bitmap of their size in screen pixels.
HBITMAP CWinResourceLoader::RenderToBitmap(IPicture& picture)
{
    OLE_XSIZE_HIMETRIC widthHimetric = 0;
    OLE_YSIZE_HIMETRIC heightHimetric = 0;
    if (FAILED(picture.get_Width(&widthHimetric)) || FAILED(picture.get_Height(&heightHimetric)))
        return nullptr;
    WindowDc screen(nullptr);
    const int width = MulDiv(widthHimetric, GetDeviceCaps(screen.Get(), LOGPIXELSX), kHimetricPerInch);
    const int height = MulDiv(heightHimetric, GetDeviceCaps(screen.Get(), LOGPIXELSY), kHimetricPerInch);
    if (width <= 0 || height <= 0)
        return nullptr;
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    UniqueDc dc = CreateCompatibleDc(screen.Get());
    if (!bitmap || dc.Get() == nullptr)
        return nullptr;
    {
        ScopedSelect selected(dc.Get(), bitmap.Get());
        if (FAILED(picture.Render(dc.Get(), 0, 0, width, height, 0, heightHimetric, widthHimetric, -heightHimetric,
                                  nullptr)))
            return nullptr;
    }
    return bitmap.Release();
}

std::optional<IResourceLoader::Picture> CWinResourceLoader::LoadBitmapFile(const std::wstring& path)
{
    return Describe(static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

std::optional<IResourceLoader::Picture> CWinResourceLoader::Describe(HBITMAP owned)
{
    UniqueBitmap bitmap(owned);
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap.Get(), sizeof(info), &info) != sizeof(info))
        return std::nullopt;
    const int32_t height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    return Picture{reinterpret_cast<uintptr_t>(bitmap.Release()), info.bmWidth, height};
}

int32_t CWinResourceLoader::AddFont(const std::wstring& path)
{
    return AddFontResourceW(path.c_str());
}

void CWinResourceLoader::ReleasePicture(ResourceType, uintptr_t handle) noexcept
{
    DeleteObject(reinterpret_cast<HBITMAP>(handle));
}

void CWinResourceLoader::RemoveFont(const std::wstring& path) noexcept
{
    RemoveFontResourceW(path.c_str());
}
