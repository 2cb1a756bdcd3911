#pragma once

#include <array>
#include <memory>
#include <utility>

#include "VantixApp/CPageBase.h"
#include "config/CButtonAssigner.h"

class CBitmapBtn;
class CDropdownListItem;
class CListPanelItem;

// The assign-buttons page, both views: the top view's five buttons and the thumb grid's twelve
// keys, each a drop-down of the functions its button may take, with the macro and profile
// submenus. Choosing an entry stores it in the active profile (a single key through the
// single-key pop-up) unless nothing would click any more ("NoClickPopup.xml"); every choice
// marks the button assignments changed. The thumb grid switches between the "123" and "NUM"
// key sets and disables or enables all its keys. The rules are CButtonAssigner's.
class CAssignPage : public CPageBase
{
public:
    static constexpr wchar_t kNoClickPopup[] = L"NoClickPopup.xml";
    static constexpr size_t kButtonCount = 17;

    explicit CAssignPage(IPageHost& host);
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;

    // Rebuilds every button's entries and shows its function and detail.
    void RefreshAssignments();

private:
    struct Button
    {
        int32_t number = 0;
        CDropdownListItem* box = nullptr;
    };

    void FillSubmenus();
    void OnEntryChosen(const Button& button, int entry);
    void AssignSingleKey(const Button& button);
    void ShowButton(const Button& button);
    void SelectKeySet(CButtonAssigner::KeySet set);
    void ToggleKeys();
    // Tells the user that something must click; false after the telling.
    bool Accepted(CButtonAssigner::Outcome outcome);
    [[nodiscard]] const Button* ButtonOf(const CGUIItem* item) const noexcept;

    CButtonAssigner m_assigner;
    std::array<Button, kButtonCount> m_buttons{};
    CListPanelItem* m_macros = nullptr;
    CListPanelItem* m_profiles = nullptr;
    CBitmapBtn* m_digits = nullptr;
    CBitmapBtn* m_numPad = nullptr;
    CBitmapBtn* m_disableKeys = nullptr;
};
