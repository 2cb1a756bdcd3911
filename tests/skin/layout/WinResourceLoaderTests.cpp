// The Windows loader with the real platform calls: pictures decoded and loaded into bitmaps the
// cache owns, a font file registered for the process, and keyboard layouts loaded and activated
// for a selected language. Under Wine every layout request is answered with the US layout, so
// only a loaded layout and a successful activation are checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/layout/CResourceCache.h"
#include "skin/win/CWinKeyboardLayouts.h"
#include "skin/win/CWinResourceLoader.h"
#include "vocabulary/ItemIds.h"

namespace {

// An 8 x 6 baseline JPEG of one colour (red 0x20, green 0x60, blue 0xC0), made with ImageMagick.
constexpr unsigned char kJpeg[] = {
  0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01,
  0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xdb, 0x00, 0x43,
  0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x01, 0x01, 0x01, 0x02,
  0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02, 0x02, 0x02, 0x05, 0x04,
  0x04, 0x03, 0x04, 0x06, 0x05, 0x06, 0x06, 0x06, 0x05, 0x06, 0x06, 0x06,
  0x07, 0x09, 0x08, 0x06, 0x07, 0x09, 0x07, 0x06, 0x06, 0x08, 0x0b, 0x08,
  0x09, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x06, 0x08, 0x0b, 0x0c, 0x0b, 0x0a,
  0x0c, 0x09, 0x0a, 0x0a, 0x0a, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x02, 0x02,
  0x02, 0x02, 0x02, 0x02, 0x05, 0x03, 0x03, 0x05, 0x0a, 0x07, 0x06, 0x07,
  0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
  0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
  0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
  0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
  0x0a, 0x0a, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x00, 0x06, 0x00, 0x08, 0x03,
  0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xff, 0xc4, 0x00,
  0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xff, 0xc4, 0x00, 0x14, 0x10,
  0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xc4, 0x00, 0x14, 0x01, 0x01, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x08, 0xff, 0xc4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00,
  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  0x00, 0xff, 0xda, 0x00, 0x0c, 0x03, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11,
  0x00, 0x3f, 0x00, 0x2f, 0x9d, 0x82, 0xfb, 0xff, 0xd9
};
constexpr int kJpegWidth = 8;
constexpr int kJpegHeight = 6;
constexpr COLORREF kJpegColour = RGB(0x20, 0x60, 0xC0);

// A 24-bit bottom-up BMP file, 3 x 2 pixels: top row red, green, blue; bottom row white,
// black, grey. Rows are padded to four bytes.
std::string BmpFile()
{
    constexpr int kWidth = 3;
    constexpr int kHeight = 2;
    constexpr int kRowBytes = 12;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + kRowBytes * kHeight;
    info.biSize = sizeof(info);
    info.biWidth = kWidth;
    info.biHeight = kHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    // Bottom row first, each pixel blue, green, red.
    const std::array<unsigned char, kRowBytes * kHeight> pixels = {
        0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0x80, 0x80, 0, 0, 0,
        0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0,
    };
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(reinterpret_cast<const char*>(pixels.data()), pixels.size());
    return bytes;
}

COLORREF PixelOf(uintptr_t bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HBITMAP>(bitmap));
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The font of the tests: DejaVu Sans with its family renamed, so that the face is known only
// while the file is registered (the host's fonts, DejaVu Sans among them, are the platform's).
constexpr const wchar_t* kTestFace = L"Vantix Sans";
constexpr const wchar_t* kTestFontFile = L"VantixSans.ttf";

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string Utf16BigEndian(std::string_view ascii)
{
    std::string bytes;
    for (char c : ascii) {
        bytes.push_back('\0');
        bytes.push_back(c);
    }
    return bytes;
}

// Font names are stored as UTF-16 big-endian (Windows names) and as ASCII (Macintosh names);
// the new name has the same length, so the tables keep their layout.
std::string RenamedFont(const std::filesystem::path& original)
{
    std::ifstream file(original, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ReplaceAll(bytes, Utf16BigEndian("DejaVu Sans"), Utf16BigEndian("Vantix Sans"));
    ReplaceAll(bytes, "DejaVu Sans", "Vantix Sans");
    return bytes;
}

int CALLBACK CountFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return 1;
}

int FamilyCount(const wchar_t* face)
{
    LOGFONTW description{};
    description.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(description.lfFaceName, face);
    HDC dc = GetDC(nullptr);
    int count = 0;
    EnumFontFamiliesExW(dc, &description, reinterpret_cast<FONTENUMPROCW>(CountFamily),
                        reinterpret_cast<LPARAM>(&count), 0);
    ReleaseDC(nullptr, dc);
    return count;
}

// The face a font created by name is drawn with.
std::wstring FaceOfFontNamed(const wchar_t* face)
{
    LOGFONTW description{};
    description.lfHeight = -16;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    wcscpy_s(description.lfFaceName, face);
    HFONT font = CreateFontIndirectW(&description);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t used[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, used);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    return used;
}

std::filesystem::path TestProgramDirectory()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A program folder of the test's own with skins, fonts, lang and xml; COM is initialised, as
// start-up does before any layout is read.
class WinResourceLoaderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        m_comInitialised = true;
        m_directory = std::filesystem::temp_directory_path() /
                      (L"vantix-win-layout-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                       std::to_wstring(std::random_device{}()));
        WriteFile(m_directory / L"skins" / L"pixels.bmp", BmpFile());
        WriteFile(m_directory / L"skins" / L"photo.jpg",
                  std::string_view(reinterpret_cast<const char*>(kJpeg), sizeof(kJpeg)));
        WriteFile(m_directory / L"skins" / L"broken.jpg", "not a picture");
        WriteFile(FontPath(), RenamedFont(TestProgramDirectory() / L"layout-testdata" / L"fonts" / L"DejaVuSans.ttf"));
        m_cache.emplace(m_directory.wstring(), m_loader);
    }

    void TearDown() override
    {
        m_cache.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
        if (m_comInitialised)
            CoUninitialize();
    }

    [[nodiscard]] std::wstring FontPath() const { return (m_directory / L"fonts" / kTestFontFile).wstring(); }

    CWinResourceLoader m_loader;
    std::optional<CResourceCache> m_cache;
    std::filesystem::path m_directory;
    bool m_comInitialised = false;
};

}  // namespace

TEST_F(WinResourceLoaderTest, ABmpLoadsAsADecodedPictureWithItsPixels)
{
    const ResourceRecord& record = m_cache->Fetch(L"pixels.bmp", ResourceType::Picture);
    ASSERT_TRUE(record.loaded);
    EXPECT_EQ(record.width, 3);
    EXPECT_EQ(record.height, 2);
    EXPECT_EQ(record.size, 8u);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(record.handle)), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(PixelOf(record.handle, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(record.handle, 2, 0), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(record.handle, 2, 1), RGB(0x80, 0x80, 0x80));
}

TEST_F(WinResourceLoaderTest, ABmpLoadsAsABitmapFile)
{
    const ResourceRecord& record = m_cache->Fetch(L"PIXELS.BMP", ResourceType::BitmapFile);
    ASSERT_TRUE(record.loaded);
    EXPECT_EQ(record.width, 3);
    EXPECT_EQ(record.height, 2);
    EXPECT_EQ(record.size, BmpFile().size());
    DIBSECTION section{};
    // LR_CREATEDIBSECTION: a device-independent section.
    EXPECT_EQ(GetObjectW(reinterpret_cast<HBITMAP>(record.handle), sizeof(section), &section),
              static_cast<int>(sizeof(section)));
    EXPECT_EQ(PixelOf(record.handle, 1, 0), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(record.handle, 0, 1), RGB(255, 255, 255));
}

TEST_F(WinResourceLoaderTest, AJpegIsDecoded)
{
    const ResourceRecord& record = m_cache->Fetch(L"photo.jpg", ResourceType::Picture);
    ASSERT_TRUE(record.loaded);
    EXPECT_EQ(record.width, kJpegWidth);
    EXPECT_EQ(record.height, kJpegHeight);
    EXPECT_TRUE(Near(PixelOf(record.handle, 4, 3), kJpegColour, 8));
    // A JPEG is no BMP file.
    EXPECT_FALSE(m_cache->Fetch(L"photo.jpg", ResourceType::BitmapFile).loaded);
}

TEST_F(WinResourceLoaderTest, MissingAndBrokenPicturesFailToLoad)
{
    EXPECT_FALSE(m_cache->Fetch(L"missing.jpg", ResourceType::Picture).loaded);
    EXPECT_FALSE(m_cache->Fetch(L"broken.jpg", ResourceType::Picture).loaded);
    EXPECT_FALSE(m_cache->Fetch(L"broken.jpg", ResourceType::BitmapFile).loaded);
}

TEST_F(WinResourceLoaderTest, ReleaseDeletesTheBitmaps)
{
    const uintptr_t decoded = m_cache->Fetch(L"pixels.bmp", ResourceType::Picture).handle;
    const uintptr_t loaded = m_cache->Fetch(L"pixels.bmp", ResourceType::BitmapFile).handle;
    ASSERT_NE(decoded, 0u);
    ASSERT_NE(loaded, 0u);
    m_cache->ReleaseAll();
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(decoded)), 0u);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(loaded)), 0u);
}

TEST_F(WinResourceLoaderTest, AFontFileIsRegisteredUsedAndRemoved)
{
    ASSERT_EQ(FamilyCount(kTestFace), 0);
    const ResourceRecord& record = m_cache->Fetch(kTestFontFile, ResourceType::Font);
    ASSERT_TRUE(record.loaded);
    EXPECT_GT(record.handle, 0u);
    EXPECT_EQ(record.size, std::filesystem::file_size(FontPath()));
    EXPECT_GT(FamilyCount(kTestFace), 0);
    EXPECT_EQ(FaceOfFontNamed(kTestFace), kTestFace);

    m_cache->ReleaseAll();
    EXPECT_EQ(FamilyCount(kTestFace), 0);
}

TEST_F(WinResourceLoaderTest, APageIsReadFromTheProgramFolder)
{
    WriteFile(m_directory / L"xml" / L"Page.xml", R"(<GUIPANEL><BACKGROUND>photo.jpg</BACKGROUND><MASK>pixels.bmp</MASK>
        <FONTLIST><FONT name="FONT_ARIAL10" typeface="Vantix Sans">VantixSans.ttf</FONT></FONTLIST>
        <SLIDERLIST><DMARKER name="SLIDER_ID_SENSX"><SBMN>pixels.bmp</SBMN></DMARKER></SLIDERLIST>
    </GUIPANEL>)");
    CLanguageSet languages;
    const LayoutDescription layout = CLayoutReader(*m_cache, languages).ReadFile(L"Page.xml");
    ASSERT_EQ(layout.items.size(), 4u);
    const auto* background = layout.As<PanelBitmapDescription>(0);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->picture->width, kJpegWidth);
    const auto* font = layout.As<FontDescription>(2);
    ASSERT_NE(font, nullptr);
    ASSERT_NE(font->fontFile, nullptr);
    EXPECT_TRUE(font->fontFile->loaded);
    const auto* marker = layout.As<MarkerDescription>(3);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->normal, layout.As<PanelBitmapDescription>(1)->picture);  // loaded once
}

namespace {

// The real layouts, with what activation answered.
class ObservedKeyboardLayouts : public CWinKeyboardLayouts
{
public:
    bool Activate(uintptr_t layout) override
    {
        const bool activated = CWinKeyboardLayouts::Activate(layout);
        results.push_back(activated);
        return activated;
    }
    std::vector<bool> results;
};

std::string Utf16Le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

}  // namespace

TEST(WinKeyboardLayoutsTest, TheUsLayoutLoadsAndActivates)
{
    CWinKeyboardLayouts layouts;
    const uintptr_t layout = layouts.Load(L"00000409");
    ASSERT_NE(layout, 0u);
    EXPECT_TRUE(layouts.Activate(layout));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0)), layout);
    EXPECT_FALSE(layouts.Activate(0));
}

TEST_F(WinResourceLoaderTest, SelectingALanguageActivatesItsKeyboardLayout)
{
    WriteFile(m_directory / L"lang" / L"german.lng", Utf16Le(u"Deutsch\r\n-\r\nok\r\nGut\r\n"));
    WriteFile(m_directory / L"xml" / L"Language.xml", R"(<ITEMLIST><LANGLIST>
        <LANG name="LANGUAGE_GERMAN" file="german.lng" kbdlayout=""/>
    </LANGLIST></ITEMLIST>)");
    ObservedKeyboardLayouts layouts;
    CLanguageSet languages;
    languages.SetKeyboardLayouts(&layouts);
    const LayoutDescription layout = CLayoutReader(*m_cache, languages).ReadFile(L"Language.xml");
    ASSERT_EQ(layout.languageTables.size(), 1u);
    const CLangTable& german = *layout.languageTables[0].Table();
    EXPECT_EQ(german.Translate(L"$ok"), L"Gut");
    EXPECT_EQ(german.KeyboardLayoutName(), L"00000409");
    ASSERT_NE(german.KeyboardLayout(), 0u);

    ASSERT_TRUE(languages.Select(ItemId::LANGUAGE_GERMAN));
    EXPECT_EQ(layouts.results, std::vector<bool>{true});
    EXPECT_EQ(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0)), german.KeyboardLayout());
}
