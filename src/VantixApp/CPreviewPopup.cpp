#include "VantixApp/CPreviewPopup.h"

#include "config/AssignmentDetail.h"
#include "config/IMouseConfig.h"
#include "config/IMouseProfile.h"
#include "controls/LanguageKeyboard.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"
#include "vocabulary/Notifications.h"

namespace {

constexpr std::array<int32_t, CPreviewPopup::kButtons.size()> kLineIds = {
    ItemId::TEXT_PREVIEW_01, ItemId::TEXT_PREVIEW_02, ItemId::TEXT_PREVIEW_03, ItemId::TEXT_PREVIEW_04,
    ItemId::TEXT_PREVIEW_05,
};

}  // namespace

CPreviewPopup::CPreviewPopup(std::wstring layoutFile, IMouseProfile& profile, IMouseConfig& config, HWND owner)
    : CPopupBox(std::move(layoutFile), kTemplate, owner), m_profile(profile), m_config(config)
{
}

void CPreviewPopup::BindItems()
{
    const CLanguageSet& languages = CSkinEnvironment::Instance().Languages();
    const CWinKeyboardPlatform keyboard = LanguageKeyboard();
    for (size_t index = 0; index < kButtons.size(); ++index) {
        const AssignmentInfo info = m_profile.GetButtonAssignment(kButtons[index]);
        std::wstring line = languages.ShowText(NameKeys::FunctionNameKey(info.functionCode));
        const std::wstring detail = AssignmentDetail(m_config, info, keyboard);
        if (!detail.empty())
            line += L": " + detail;
        m_lines[index] = std::move(line);
        m_texts[index] = Items().Find<CTextItem>(kLineIds[index], ItemKind::TextItem);
    }
    ShowGroup(0);
}

void CPreviewPopup::ShowGroup(int group)
{
    for (size_t index = 0; index < m_texts.size(); ++index)
        if (m_texts[index] != nullptr)
            m_texts[index]->SetText(group == 0 ? m_lines[index] : std::wstring());
}

void CPreviewPopup::OnItemCommand(int32_t identifier)
{
    if (identifier == ItemId::BUTTON_POPUP_PREVIEW_OK)
        EndModal(kResultOk);
}

LRESULT CPreviewPopup::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == Notification::kEntryChosen) {
        ShowGroup(static_cast<int>(wParam));
        return 0;
    }
    return CPopupBox::OnOtherMessage(message, wParam, lParam);
}
