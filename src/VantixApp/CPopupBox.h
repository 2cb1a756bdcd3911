#pragma once

#include <cstdint>
#include <string>

#include "skin/win/CGUIPanel.h"

class CTextItem;

// The base of the message pop-ups: a panel from its own layout file that binds its items once
// they are loaded, and closes with 1 for BUTTON_POPUP_OK and 2 for BUTTON_POPUP_CANCEL (Enter
// and Escape do the same through the dialog manager, unless a pop-up takes them as input). A
// pop-up whose layout cannot be shown closes at once with kNotMade, the result of a window that
// could not be made.
class CPopupBox : public CGUIPanel
{
public:
    static constexpr INT_PTR kResultOk = 1;
    static constexpr INT_PTR kResultCancel = 2;
    // The pop-up's layout, or a picture of it, could not be read: it closed without showing.
    static constexpr INT_PTR kNotMade = -1;

    CPopupBox(std::wstring layoutFile, int templateId, HWND owner);

    // The heading (TEXT_WARNDLG_HEADING) once bound; null before, or when the layout lacks it.
    [[nodiscard]] CTextItem* Heading() const noexcept { return m_heading; }

protected:
    bool OnInitDialog() override;
    void OnCommand(HWND control, WORD notification, WORD identifier) override;
    void OnOK() override { EndModal(kResultOk); }
    void OnCancel() override { EndModal(kResultCancel); }

    // Finds the items the pop-up works with; runs after the layout is loaded.
    virtual void BindItems() {}
    // A command of one of the pop-up's other items.
    virtual void OnItemCommand(int32_t /*identifier*/) {}
    // The OK and Cancel buttons; by default what Enter and Escape do.
    virtual void OnOkButton() { OnOK(); }
    virtual void OnCancelButton() { OnCancel(); }

    // Binds the heading and appends `appendText` (callers include the ": ") to the layout's
    // text; an empty text leaves it as it is.
    CTextItem* BindHeading(const std::wstring& appendText);

private:
    CTextItem* m_heading = nullptr;
};
