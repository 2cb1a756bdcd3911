#pragma once

#include <array>
#include <string>

#include "VantixApp/CPopupBox.h"

class CTextItem;
class IMouseConfig;
class IMouseProfile;

// Shows a profile's button functions ("PreviewPopup.xml"): one line for each of the left,
// right and wheel buttons and scroll up and down, the function's name in the current language
// followed by ": " and its detail where it has one (AssignmentDetail). In: the profile and the
// configuration it belongs to. BUTTON_POPUP_PREVIEW_OK, Enter and Escape close it; the result
// says nothing.
class CPreviewPopup : public CPopupBox
{
public:
    static constexpr int kTemplate = 135;
    static constexpr std::array<int32_t, 5> kButtons = {1, 2, 3, 10, 11};

    CPreviewPopup(std::wstring layoutFile, IMouseProfile& profile, IMouseConfig& config, HWND owner);

    // The line of kButtons[index].
    [[nodiscard]] const std::wstring& Line(size_t index) const { return m_lines.at(index); }

protected:
    void BindItems() override;
    void OnItemCommand(int32_t identifier) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Group 0 is the mouse buttons; the thumb-key groups show no lines.
    void ShowGroup(int group);

    IMouseProfile& m_profile;
    IMouseConfig& m_config;
    std::array<std::wstring, kButtons.size()> m_lines;
    std::array<CTextItem*, kButtons.size()> m_texts{};
};
