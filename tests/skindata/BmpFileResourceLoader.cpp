#include "BmpFileResourceLoader.h"

#include <cstring>
#include <limits>

#include "platform/FileSystem.h"

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;

uint32_t ReadU32(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    return value;
}

uint16_t ReadU16(const std::string& bytes, size_t offset)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) |
                                 (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

bool IsFontFile(const std::string& bytes)
{
    if (bytes.size() < 12)
        return false;
    const uint32_t tag = ReadU32(bytes, 0);
    // 0x00010000 (TrueType outlines, stored little-endian), "OTTO" (CFF outlines) and "ttcf" (a
    // collection of faces in one file).
    return tag == 0x00000100u || bytes.compare(0, 4, "OTTO") == 0 || bytes.compare(0, 4, "true") == 0 ||
           bytes.compare(0, 4, "ttcf") == 0;
}

}  // namespace

std::optional<BmpFileResourceLoader::Pixels> BmpFileResourceLoader::DecodeBmp(const std::string& bytes)
{
    if (bytes.size() < kFileHeaderBytes + kInfoHeaderBytes || bytes.compare(0, 2, "BM") != 0)
        return std::nullopt;
    const uint32_t dataOffset = ReadU32(bytes, 10);
    const uint32_t infoSize = ReadU32(bytes, 14);
    const auto width = static_cast<int32_t>(ReadU32(bytes, 18));
    const auto signedHeight = static_cast<int32_t>(ReadU32(bytes, 22));
    const uint16_t planes = ReadU16(bytes, 26);
    const uint16_t bitsPerPixel = ReadU16(bytes, 28);
    const uint32_t compression = ReadU32(bytes, 30);
    if (infoSize < kInfoHeaderBytes || planes != 1 || bitsPerPixel != 24 || compression != 0 || width <= 0 ||
        signedHeight == 0 || signedHeight == std::numeric_limits<int32_t>::min())
        return std::nullopt;

    const bool bottomUp = signedHeight > 0;
    const int32_t height = bottomUp ? signedHeight : -signedHeight;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (dataOffset > bytes.size() || (bytes.size() - dataOffset) / stride < static_cast<size_t>(height))
        return std::nullopt;

    Pixels pixels{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int32_t row = 0; row < height; ++row) {
        const int32_t y = bottomUp ? height - 1 - row : row;
        const size_t rowStart = dataOffset + static_cast<size_t>(row) * stride;
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = rowStart + static_cast<size_t>(x) * 3;
            const uint32_t blue = static_cast<uint8_t>(bytes[at]);
            const uint32_t green = static_cast<uint8_t>(bytes[at + 1]);
            const uint32_t red = static_cast<uint8_t>(bytes[at + 2]);
            pixels.rgb[static_cast<size_t>(y) * width + x] = red + 256 * green + 65536 * blue;
        }
    }
    return pixels;
}

std::optional<IResourceLoader::Picture> BmpFileResourceLoader::LoadPicture(ResourceType, const std::wstring& path)
{
    const std::optional<std::string> bytes = platform::ReadFileBytes(path);
    std::optional<Pixels> pixels = bytes ? DecodeBmp(*bytes) : std::nullopt;
    if (!pixels) {
        m_failures.push_back(path);
        return std::nullopt;
    }
    const uintptr_t handle = m_nextHandle++;
    const Picture picture{handle, pixels->width, pixels->height};
    m_pictures.emplace(handle, std::move(*pixels));
    ++m_picturesLoaded;
    return picture;
}

int32_t BmpFileResourceLoader::AddFont(const std::wstring& path)
{
    const std::optional<std::string> bytes = platform::ReadFileBytes(path);
    if (!bytes || !IsFontFile(*bytes)) {
        m_failures.push_back(path);
        return 0;
    }
    ++m_fontsAdded;
    return 1;
}

void BmpFileResourceLoader::ReleasePicture(ResourceType, uintptr_t handle) noexcept
{
    m_pictures.erase(handle);
}

const BmpFileResourceLoader::Pixels* BmpFileResourceLoader::PixelsOf(uintptr_t handle) const
{
    const auto found = m_pictures.find(handle);
    return found == m_pictures.end() ? nullptr : &found->second;
}
