#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/win/WinHandles.h"

#include "skin/win/CItemMakers.h"
#include "skin/win/CWinKeyboardLayouts.h"
#include "skin/win/CWinResourceLoader.h"

class CLanguageSet;
class CResourceCache;
class IListPopup;

// The skin's process-wide state: the program directory every file name starts from, the
// resource cache with its Windows loader, the language set with the keyboard layouts it
// activates, the dialog template list panels are made from, the pop-up list that drop-downs
// open, and the makers of the items the custom controls provide. Start-up sets it up before the first layout is read; the program's end
// releases the cache.
class CSkinEnvironment
{
public:
    static constexpr int kDefaultPanelTemplate = 129;

    [[nodiscard]] static CSkinEnvironment& Instance();

    // programDirectory ends in a backslash (one is added otherwise). Releases an earlier cache.
    void Initialize(std::wstring programDirectory);
    // Releases every cached resource (pictures, fonts, language files), the last first.
    void Release() noexcept;

    [[nodiscard]] const std::wstring& ProgramDirectory() const noexcept { return m_programDirectory; }
    [[nodiscard]] bool IsInitialized() const noexcept { return m_cache != nullptr; }
    // Only after Initialize.
    [[nodiscard]] CResourceCache& Cache() const noexcept { return *m_cache; }
    [[nodiscard]] CLanguageSet& Languages() const noexcept;

    [[nodiscard]] int PanelTemplate() const noexcept { return m_panelTemplate; }
    void SetPanelTemplate(int templateId) noexcept { m_panelTemplate = templateId; }

    // The pop-up list drop-downs and list panels open; null until the controls set it.
    [[nodiscard]] IListPopup* ListPopup() const noexcept { return m_listPopup; }
    void SetListPopup(IListPopup* popup) noexcept { m_listPopup = popup; }

    // The makers the layout loader asks for element kinds without an item class of the skin.
    [[nodiscard]] CItemMakers& ItemMakers() noexcept { return m_itemMakers; }

    // The layouts' FONT elements name their faces here as they are read.
    void NoteFontFace(int32_t fontId, std::wstring face);
    // The font of the tool tips: the system's tool tip font in the face the current language
    // draws the skin's texts in (its substitute for the regular text font), so that a
    // language's script shows. Null while no layout named that face. The fonts live as long as
    // the process, as tool tips of any window may still hold one.
    [[nodiscard]] HFONT ToolTipFont();

private:
    CSkinEnvironment() = default;

    std::wstring m_programDirectory;
    CWinResourceLoader m_loader;
    CWinKeyboardLayouts m_keyboardLayouts;
    std::unique_ptr<CResourceCache> m_cache;
    int m_panelTemplate = kDefaultPanelTemplate;
    IListPopup* m_listPopup = nullptr;
    CItemMakers m_itemMakers;
    std::map<int32_t, std::wstring> m_fontFaces;
    std::map<std::wstring, UniqueFont> m_toolTipFonts;
};
