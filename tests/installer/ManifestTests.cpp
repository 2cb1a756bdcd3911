#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ProgramFile(const char* name)
{
    std::wstring path = L"Z:";
    for (const char* c = VANTIX_TEST_PROGRAM_DIR; *c != '\0'; ++c)
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    path += L'\\';
    for (const char* c = name; *c != '\0'; ++c)
        path.push_back(static_cast<wchar_t>(*c));
    return path;
}

// The program file's own manifest (resource type 24, identifier 1) as text; empty when absent.
std::string ManifestOf(const char* program)
{
    HMODULE module = LoadLibraryExW(ProgramFile(program).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr)
        return {};
    std::string text;
    if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)))
        if (HGLOBAL loaded = LoadResource(module, resource))
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource));
    FreeLibrary(module);
    return text;
}

}  // namespace

TEST(ManifestTest, BothProgramsDeclareTheirRightsControlsSystemsAndScaling)
{
    for (const char* program : {"Vantix.exe", "Peraxil1800Tray.exe"}) {
        SCOPED_TRACE(program);
        const std::string manifest = ManifestOf(program);
        ASSERT_FALSE(manifest.empty());
        EXPECT_NE(manifest.find(R"(level="asInvoker")"), std::string::npos);
        EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
        EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << "Windows 10 and 11";
        EXPECT_NE(manifest.find(">false</dpiAware>"), std::string::npos);
        EXPECT_NE(manifest.find(">true</gdiScaling>"), std::string::npos);
    }
}
