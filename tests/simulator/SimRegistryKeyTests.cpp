// The COM server's registry key wrapper, on a scratch key of the current user.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "simulator/com/RegistryKey.h"

namespace {

const std::wstring kScratch = L"Software\\VantixTests\\RegistryKey-" + std::to_wstring(GetCurrentProcessId());

std::wstring Read(const wchar_t* name)
{
    wchar_t value[64] = {};
    DWORD bytes = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kScratch.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

class RegistryKeyTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VantixTests");  // only once no other test uses it
    }
};

TEST_F(RegistryKeyTest, CreatesWritesAndClosesOnce)
{
    RegistryKey key;
    EXPECT_EQ(key.Get(), nullptr);
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kScratch.c_str()), ERROR_SUCCESS);
    ASSERT_NE(key.Get(), nullptr);
    ASSERT_EQ(key.SetString(nullptr, L"default"), ERROR_SUCCESS);
    ASSERT_EQ(key.SetString(L"Named", L"value"), ERROR_SUCCESS);
    EXPECT_EQ(Read(nullptr), L"default");
    EXPECT_EQ(Read(L"Named"), L"value");

    const HKEY handle = key.Get();
    RegistryKey moved(std::move(key));
    EXPECT_EQ(key.Get(), nullptr) << "the moved-from key owns nothing";
    EXPECT_EQ(moved.Get(), handle);
    RegistryKey assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.Get(), handle);
    EXPECT_EQ(assigned.SetString(L"Later", L"still open"), ERROR_SUCCESS);
    EXPECT_EQ(Read(L"Later"), L"still open");
}

TEST_F(RegistryKeyTest, ASecondCreateMovesToTheNewKey)
{
    RegistryKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kScratch.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, (kScratch + L"\\Sub").c_str()), ERROR_SUCCESS);
    ASSERT_EQ(key.SetString(L"Where", L"sub"), ERROR_SUCCESS);
    EXPECT_EQ(Read(L"Where"), L"<missing>");
    wchar_t value[16] = {};
    DWORD bytes = sizeof(value);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, (kScratch + L"\\Sub").c_str(), L"Where", RRF_RT_REG_SZ, nullptr, value, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(value), L"sub");
}

}  // namespace
