#include "skin/win/CSkinEnvironment.h"

#include "skin/CLanguageSet.h"
#include "skin/layout/CResourceCache.h"
#include "vocabulary/ItemIds.h"

#include <algorithm>

CSkinEnvironment& CSkinEnvironment::Instance()
{
    static CSkinEnvironment environment;
    return environment;
}

void CSkinEnvironment::Initialize(std::wstring programDirectory)
{
    if (!programDirectory.empty() && programDirectory.back() != L'\\' && programDirectory.back() != L'/')
        programDirectory.push_back(L'\\');
    Release();
    m_programDirectory = std::move(programDirectory);
    m_cache = std::make_unique<CResourceCache>(m_programDirectory, m_loader);
    Languages().SetKeyboardLayouts(&m_keyboardLayouts);
}

void CSkinEnvironment::Release() noexcept
{
    m_cache.reset();
}

CLanguageSet& CSkinEnvironment::Languages() const noexcept
{
    return CLanguageSet::Instance();
}

void CSkinEnvironment::NoteFontFace(int32_t fontId, std::wstring face)
{
    if (!face.empty())
        m_fontFaces[fontId] = std::move(face);
}

HFONT CSkinEnvironment::ToolTipFont()
{
    const auto face = m_fontFaces.find(Languages().MapFont(ItemId::FONT_DUNMOREG13));
    if (face == m_fontFaces.end())
        return nullptr;
    UniqueFont& font = m_toolTipFonts[face->second];
    if (font)
        return font.Get();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return nullptr;
    LOGFONTW description = metrics.lfStatusFont;
    const size_t length = std::min(face->second.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::fill(std::begin(description.lfFaceName), std::end(description.lfFaceName), L'\0');
    std::copy_n(face->second.begin(), length, description.lfFaceName);
    description.lfCharSet = DEFAULT_CHARSET;
    font.Reset(CreateFontIndirectW(&description));
    return font.Get();
}
