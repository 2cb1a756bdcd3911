#pragma once

#include <string>

// The file and product versions in a file's version resource, as texts: whole
// ("major.minor.build.private") and by part. Until a read succeeds the whole versions are
// "0.0.0.0" and every part "0"; a failed read leaves the texts as they were.
class CFileVersions
{
public:
    struct Parts
    {
        std::wstring major = L"0";
        std::wstring minor = L"0";
        std::wstring build = L"0";
        std::wstring privatePart = L"0";
    };

    CFileVersions() = default;
    virtual ~CFileVersions() = default;

    // The running program's own file.
    void SetOwnPath();
    void SetPath(std::wstring path) { m_path = std::move(path); }
    // Fills the texts from the file named by the path; false when it has no version resource.
    [[nodiscard]] bool Read();

    [[nodiscard]] const std::wstring& Path() const noexcept { return m_path; }
    [[nodiscard]] const std::wstring& FileVersion() const noexcept { return m_fileVersion; }
    [[nodiscard]] const std::wstring& ProductVersion() const noexcept { return m_productVersion; }
    [[nodiscard]] const Parts& FileParts() const noexcept { return m_fileParts; }
    [[nodiscard]] const Parts& ProductParts() const noexcept { return m_productParts; }

private:
    static void Fill(unsigned high, unsigned low, std::wstring& whole, Parts& parts);

    std::wstring m_path;
    std::wstring m_fileVersion = L"0.0.0.0";
    std::wstring m_productVersion = L"0.0.0.0";
    Parts m_fileParts;
    Parts m_productParts;
};
