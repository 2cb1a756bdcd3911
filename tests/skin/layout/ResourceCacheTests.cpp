#include <gtest/gtest.h>

#include "FakeResourceLoader.h"
#include "platform/FileSystem.h"
#include "platform/Utf16.h"
#include "skin/layout/CResourceCache.h"

namespace {

const std::wstring kProgramDirectory = L"prog";

class ResourceCacheTest : public testing::Test
{
protected:
    FakeResourceLoader m_loader{kProgramDirectory};
    CResourceCache m_cache{kProgramDirectory, m_loader};
};

}  // namespace

TEST_F(ResourceCacheTest, ResolvesEachTypeInItsFolderWithTheTrimmedName)
{
    EXPECT_EQ(m_cache.Fetch(L"  a.bmp\t", ResourceType::Picture).path, m_loader.PathOf(L"skins", L"a.bmp"));
    EXPECT_EQ(m_cache.Fetch(L"b.bmp", ResourceType::BitmapFile).path, m_loader.PathOf(L"skins", L"b.bmp"));
    EXPECT_EQ(m_cache.Fetch(L"c.bin", static_cast<ResourceType>(2)).path, m_loader.PathOf(L"skins", L"c.bin"));
    EXPECT_EQ(m_cache.Fetch(L"d.ttf", ResourceType::Font).path, m_loader.PathOf(L"fonts", L"d.ttf"));
    EXPECT_EQ(m_cache.Fetch(L"e.lng", ResourceType::LanguageFile).path, m_loader.PathOf(L"lang", L"e.lng"));
    EXPECT_EQ(m_cache.Fetch(L"  a.bmp\t", ResourceType::Picture).name, L"a.bmp");
}

TEST_F(ResourceCacheTest, AProgramDirectoryWithItsSeparatorGetsNoSecondOne)
{
    const std::wstring directory = kProgramDirectory + platform::kPathSeparator;
    CResourceCache cache(directory, m_loader);
    EXPECT_EQ(cache.Fetch(L"a.bmp", ResourceType::Picture).path, m_loader.PathOf(L"skins", L"a.bmp"));
    EXPECT_EQ(cache.ProgramDirectory(), directory);
}

TEST_F(ResourceCacheTest, APictureIsLoadedOncePerTypeAndNameIgnoringCase)
{
    m_loader.AddPicture(L"Knob.bmp", 20, 30);
    const ResourceRecord& first = m_cache.Fetch(L"Knob.bmp", ResourceType::Picture);
    const ResourceRecord& again = m_cache.Fetch(L"KNOB.BMP ", ResourceType::Picture);
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(m_loader.PictureLoads(L"Knob.bmp"), 1);
    EXPECT_TRUE(first.loaded);
    EXPECT_EQ(first.width, 20);
    EXPECT_EQ(first.height, 30);
    EXPECT_NE(first.handle, 0u);

    // Another type is another record, loaded again.
    const ResourceRecord& asBitmap = m_cache.Fetch(L"knob.bmp", ResourceType::BitmapFile);
    EXPECT_NE(&asBitmap, &first);
    EXPECT_EQ(m_loader.PictureLoads(L"Knob.bmp"), 2);
    EXPECT_EQ(m_cache.RecordCount(), 2u);
}

TEST_F(ResourceCacheTest, AFailedLoadIsCachedAndNeverRetried)
{
    const ResourceRecord& missing = m_cache.Fetch(L"missing.bmp", ResourceType::Picture);
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.handle, 0u);
    m_loader.AddPicture(L"missing.bmp");  // appears later: still not tried again
    EXPECT_FALSE(m_cache.Fetch(L"Missing.bmp", ResourceType::Picture).loaded);
    EXPECT_EQ(m_loader.PictureLoads(L"missing.bmp"), 1);
}

TEST_F(ResourceCacheTest, APictureFetchedOnceIsGivenBackAndLoadedAgainWhenFetchedLater)
{
    m_loader.AddPicture(L"mask.bmp");
    m_loader.AddPicture(L"shared.bmp");
    const ResourceRecord& mask = m_cache.Fetch(L"mask.bmp", ResourceType::Picture);
    const uintptr_t handle = mask.handle;
    ASSERT_TRUE(m_cache.ReleaseIfUnshared(mask));
    EXPECT_FALSE(mask.loaded);
    ASSERT_EQ(m_loader.Releases().size(), 1u);
    EXPECT_EQ(m_loader.Releases()[0].handle, handle);
    EXPECT_FALSE(m_cache.ReleaseIfUnshared(mask));  // nothing left to give back

    // The same record serves the next fetch, loaded again.
    EXPECT_EQ(&m_cache.Fetch(L"MASK.bmp", ResourceType::Picture), &mask);
    EXPECT_TRUE(mask.loaded);
    EXPECT_EQ(m_loader.PictureLoads(L"mask.bmp"), 2);

    // A picture fetched twice may still be drawn by the other user: it stays.
    const ResourceRecord& shared = m_cache.Fetch(L"shared.bmp", ResourceType::Picture);
    (void)m_cache.Fetch(L"shared.bmp", ResourceType::Picture);
    EXPECT_FALSE(m_cache.ReleaseIfUnshared(shared));
    EXPECT_TRUE(shared.loaded);

    // A record of another cache is not this cache's to give back.
    CResourceCache other(kProgramDirectory, m_loader);
    EXPECT_FALSE(other.ReleaseIfUnshared(mask));
    EXPECT_TRUE(mask.loaded);
}

TEST_F(ResourceCacheTest, AnEmptyNameIsARecordThatNeverLoads)
{
    EXPECT_FALSE(m_cache.Fetch(L"   ", ResourceType::Picture).loaded);
    EXPECT_EQ(m_loader.TotalPictureLoads(), 0);
    EXPECT_EQ(m_cache.RecordCount(), 1u);
}

TEST_F(ResourceCacheTest, NamesThatLeaveTheirFolderAreNeverLoaded)
{
    for (const wchar_t* name : {L"skins/../../x.bmp", L"..\\x.bmp", L"sub/. ./x.bmp", L"...\\x.bmp", L"/etc/x.bmp",
                                L"\\\\server\\share\\x.bmp", L"C:x.bmp", L"x.bmp:stream", L"a//x.bmp"}) {
        m_loader.AddPicture(name);
        const ResourceRecord& record = m_cache.Fetch(name, ResourceType::Picture);
        EXPECT_FALSE(record.loaded) << platform::ToUtf8(name);
        EXPECT_TRUE(record.outsideFolder) << platform::ToUtf8(name);
    }
    EXPECT_EQ(m_loader.TotalPictureLoads(), 0);
    m_loader.AddPicture(L"sub/./x..bmp");
    EXPECT_TRUE(m_cache.Fetch(L"sub/./x..bmp", ResourceType::Picture).loaded) << "a subfolder stays inside";
}

TEST_F(ResourceCacheTest, SizesFollowTheType)
{
    m_loader.AddPicture(L"p.jpg", 4, 4, 1234);
    m_loader.AddPicture(L"d.bmp", 4, 4, 2222);
    m_loader.AddFontFile(L"f.ttf", 2, 7777);
    m_loader.AddLanguageFile(L"en.lng", std::string(10, 'x'));
    EXPECT_EQ(m_cache.Fetch(L"p.jpg", ResourceType::Picture).size, 8u);
    EXPECT_EQ(m_cache.Fetch(L"d.bmp", ResourceType::BitmapFile).size, 2222u);
    const ResourceRecord& font = m_cache.Fetch(L"f.ttf", ResourceType::Font);
    EXPECT_EQ(font.size, 7777u);
    EXPECT_EQ(font.handle, 2u);  // the number of fonts added
    const ResourceRecord& language = m_cache.Fetch(L"en.lng", ResourceType::LanguageFile);
    EXPECT_EQ(language.size, 10u);
    EXPECT_EQ(language.bytes, std::string(10, 'x'));
}

TEST_F(ResourceCacheTest, ResourceSizeIsTheFirstRecordOfAnyTypeWithTheName)
{
    m_loader.AddPicture(L"shared", 4, 4, 999);
    m_loader.AddLanguageFile(L"shared", std::string(50, 'x'));
    EXPECT_EQ(m_cache.ResourceSize(L"shared"), 0u);
    (void)m_cache.Fetch(L"shared", ResourceType::Picture);
    (void)m_cache.Fetch(L"shared", ResourceType::LanguageFile);
    EXPECT_EQ(m_cache.ResourceSize(L" SHARED "), 8u);  // the picture came first
    EXPECT_EQ(m_cache.ResourceSize(L"other"), 0u);
}

TEST_F(ResourceCacheTest, AnEmptyOrMissingLanguageFileGetsNoBuffer)
{
    m_loader.AddLanguageFile(L"empty.lng", "");
    EXPECT_FALSE(m_cache.Fetch(L"empty.lng", ResourceType::LanguageFile).loaded);
    EXPECT_FALSE(m_cache.Fetch(L"none.lng", ResourceType::LanguageFile).loaded);
    EXPECT_EQ(m_cache.ResourceSize(L"empty.lng"), 0u);
}

TEST_F(ResourceCacheTest, AFontFileThatAddsNoFontIsAFailedLoad)
{
    m_loader.AddFontFile(L"broken.ttf", 0);
    EXPECT_FALSE(m_cache.Fetch(L"broken.ttf", ResourceType::Font).loaded);
    m_cache.ReleaseAll();
    EXPECT_TRUE(m_loader.Releases().empty());
}

TEST_F(ResourceCacheTest, ReleaseAllReleasesLoadedRecordsFromTheLastToTheFirst)
{
    m_loader.AddPicture(L"one.bmp");
    m_loader.AddFontFile(L"font.ttf");
    m_loader.AddPicture(L"two.bmp");
    m_loader.AddLanguageFile(L"en.lng", "data");
    const uintptr_t one = m_cache.Fetch(L"one.bmp", ResourceType::Picture).handle;
    (void)m_cache.Fetch(L"font.ttf", ResourceType::Font);
    (void)m_cache.Fetch(L"nothing.bmp", ResourceType::Picture);
    const uintptr_t two = m_cache.Fetch(L"two.bmp", ResourceType::BitmapFile).handle;
    (void)m_cache.Fetch(L"en.lng", ResourceType::LanguageFile);

    m_cache.ReleaseAll();
    const auto& releases = m_loader.Releases();
    ASSERT_EQ(releases.size(), 3u);
    EXPECT_EQ(releases[0].type, ResourceType::BitmapFile);
    EXPECT_EQ(releases[0].handle, two);
    EXPECT_EQ(releases[1].type, ResourceType::Font);
    EXPECT_EQ(releases[1].path, m_loader.PathOf(L"fonts", L"font.ttf"));
    EXPECT_EQ(releases[2].type, ResourceType::Picture);
    EXPECT_EQ(releases[2].handle, one);
    EXPECT_EQ(m_loader.LiveHandles(), 0u);
    EXPECT_EQ(m_cache.RecordCount(), 0u);

    // Released once: a second release has nothing left.
    m_cache.ReleaseAll();
    EXPECT_EQ(m_loader.Releases().size(), 3u);
}

TEST(ResourceCacheLifetimeTest, TheDestructorReleasesEverything)
{
    FakeResourceLoader loader(kProgramDirectory);
    loader.AddPicture(L"a.bmp");
    loader.AddPicture(L"b.bmp");
    {
        CResourceCache cache(kProgramDirectory, loader);
        (void)cache.Fetch(L"a.bmp", ResourceType::Picture);
        (void)cache.Fetch(L"b.bmp", ResourceType::Picture);
        EXPECT_EQ(loader.LiveHandles(), 2u);
    }
    EXPECT_EQ(loader.LiveHandles(), 0u);
    EXPECT_EQ(loader.Releases().size(), 2u);
}
