#pragma once

#include "VantixApp/CPopupBox.h"
#include "macro/KeyStroke.h"

class CEditItemSingleKeyInput;

// Asks for one keyboard key ("SingleKeyPopup.xml"). The capture field has the focus and takes
// every key, Enter and Escape included, so only the OK and Cancel buttons close the pop-up.
// In: a key record (shown until the user presses another key). Out: the result and Key():
// after OK the last key pressed in the field with its name (the record given when no key was
// pressed); after Cancel the record given with an empty name.
class CPopupBoxSingleKeyEntry : public CPopupBox
{
public:
    static constexpr int kTemplate = 131;

    CPopupBoxSingleKeyEntry(std::wstring layoutFile, const KeyStroke& key, HWND owner);

    [[nodiscard]] const KeyStroke& Key() const noexcept { return m_key; }
    // The capture field (EDITCTRL_POPUP_SINGLEKEYENTRY) while the pop-up is open; null without
    // one.
    [[nodiscard]] CEditItemSingleKeyInput* Field() const noexcept { return m_field; }

protected:
    bool OnInitDialog() override;
    void BindItems() override;
    // Enter and Escape that reach the dialog manager (the field did not have the focus) are
    // keys the user pressed, not answers.
    void OnOK() override {}
    void OnCancel() override {}
    void OnOkButton() override;
    void OnCancelButton() override;

private:
    KeyStroke m_key;
    CEditItemSingleKeyInput* m_field = nullptr;
};
