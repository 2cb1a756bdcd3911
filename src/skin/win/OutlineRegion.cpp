#include "skin/win/OutlineRegion.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/win/WindowDc.h"

namespace {

// The region call is given at most this many rectangles at once.
constexpr size_t kRectanglesPerBlock = 2000;

struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rows;  // top row first; 0x00RRGGBB
};

// A 32-bit top-down copy of the mask that can be read pixel by pixel.
bool ReadPixels(HBITMAP mask, Pixels& pixels)
{
    BITMAP info{};
    if (mask == nullptr || GetObjectW(mask, sizeof(info), &info) != sizeof(info) || info.bmWidth <= 0 ||
        info.bmHeight == 0)
        return false;
    pixels.width = info.bmWidth;
    pixels.height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    pixels.rows.assign(static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height), 0);

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = pixels.width;
    format.bmiHeader.biHeight = -pixels.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    if (!screen)
        return false;
    return GetDIBits(screen.Get(), mask, 0, static_cast<UINT>(pixels.height), pixels.rows.data(), &format,
                     DIB_RGB_COLORS) == pixels.height;
}

bool IsWhite(uint32_t pixel) noexcept
{
    return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
}

class RegionBuilder
{
public:
    RegionBuilder() : m_region(CreateRectRgn(0, 0, 0, 0)) { m_block.reserve(kRectanglesPerBlock); }

    void Add(const RECT& rect)
    {
        m_block.push_back(rect);
        if (m_block.size() == kRectanglesPerBlock)
            Flush();
    }

    UniqueRegion Finish()
    {
        Flush();
        return m_failed ? UniqueRegion() : std::move(m_region);
    }

private:
    void Flush()
    {
        if (m_block.empty() || m_failed || !m_region)
            return;
        std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + m_block.size() * sizeof(RECT));
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(m_block.size());
        header->rcBound = Bounds();
        std::copy(m_block.begin(), m_block.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
        UniqueRegion block(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                           reinterpret_cast<const RGNDATA*>(data.data())));
        if (!block || CombineRgn(m_region.Get(), m_region.Get(), block.Get(), RGN_OR) == ERROR)
            m_failed = true;
        m_block.clear();
    }

    RECT Bounds() const
    {
        RECT bounds = m_block.front();
        for (const RECT& rect : m_block)
            UnionRect(&bounds, &bounds, &rect);
        return bounds;
    }

    UniqueRegion m_region;
    std::vector<RECT> m_block;
    bool m_failed = false;
};

// The union of the runs of pixels that `cut` does not cut away, row by row.
template <typename Cut>
UniqueRegion RegionOfKeptPixels(const Pixels& pixels, Cut cut)
{
    RegionBuilder builder;
    for (int y = 0; y < pixels.height; ++y) {
        const uint32_t* row = pixels.rows.data() + static_cast<size_t>(y) * static_cast<size_t>(pixels.width);
        int x = 0;
        while (x < pixels.width) {
            while (x < pixels.width && cut(row[x]))
                ++x;
            const int start = x;
            while (x < pixels.width && !cut(row[x]))
                ++x;
            if (x > start)
                builder.Add(RECT{start, y, x, y + 1});
        }
    }
    return builder.Finish();
}

}  // namespace

UniqueRegion OutlineRegion(HBITMAP mask)
{
    Pixels pixels;
    if (!ReadPixels(mask, pixels))
        return {};
    return RegionOfKeptPixels(pixels, IsWhite);
}

UniqueRegion KeyedOutlineRegion(HBITMAP picture)
{
    Pixels pixels;
    if (!ReadPixels(picture, pixels) || pixels.rows.empty())
        return {};
    const uint32_t key = pixels.rows.front() & 0x00FFFFFFu;
    return RegionOfKeptPixels(pixels, [key](uint32_t pixel) { return (pixel & 0x00FFFFFFu) == key; });
}
