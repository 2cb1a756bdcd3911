#pragma once

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include "skin/layout/CFileResourceLoader.h"

// The resource loader on Windows: pictures through the OLE picture decoder (type 0) or as
// device-independent bitmap files (type 1), fonts registered for the process. Every handle it
// gives the cache is a bitmap the cache owns. COM must be initialised on the calling thread
// (start-up does it before the first layout is read), as the decoder of JPEG and GIF needs it.
class CWinResourceLoader : public CFileResourceLoader
{
public:
    [[nodiscard]] std::optional<Picture> LoadPicture(ResourceType type, const std::wstring& path) override;
    [[nodiscard]] int32_t AddFont(const std::wstring& path) override;
    void ReleasePicture(ResourceType type, uintptr_t handle) noexcept override;
    void RemoveFont(const std::wstring& path) noexcept override;

private:
    [[nodiscard]] std::optional<Picture> DecodePicture(const std::wstring& path);
    [[nodiscard]] static std::optional<Picture> LoadBitmapFile(const std::wstring& path);
    [[nodiscard]] static HBITMAP CopyToOwnBitmap(IPicture& picture);
    [[nodiscard]] static HBITMAP RenderToBitmap(IPicture& picture);
    [[nodiscard]] static std::optional<Picture> Describe(HBITMAP owned);
};
