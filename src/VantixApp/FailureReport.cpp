#include "VantixApp/FailureReport.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "skin/CLanguageSet.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

constexpr wchar_t kTitleKey[] = L"$DunmoPeraxil1800Configurator";
constexpr wchar_t kEnglishTitle[] = L"Dunmo Peraxil 1800 Configurator";

std::wstring Translated(std::wstring_view key, std::wstring_view englishText)
{
    const CLanguageSet& languages = CSkinEnvironment::Instance().Languages();
    return languages.Translate(key).value_or(std::wstring(englishText));
}

}  // namespace

namespace FailureReport {

void Trace(std::wstring_view line)
{
    const std::wstring text = L"Vantix: " + std::wstring(line) + L"\n";
    OutputDebugStringW(text.c_str());
    std::fputws(text.c_str(), stderr);
    std::fflush(stderr);
}

void Tell(std::wstring_view messageKey, std::wstring_view englishText, std::wstring_view detail)
{
    std::wstring text = Translated(messageKey, englishText);
    if (!detail.empty())
        text += L"\n\n" + std::wstring(detail);
    const std::wstring title = Translated(kTitleKey, kEnglishTitle);
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TASKMODAL);
}

}  // namespace FailureReport
