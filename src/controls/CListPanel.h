#pragma once

#include <windows.h>

#include <optional>

#include "controls/CListPanelList.h"
#include "skin/win/CGUIPanel.h"
#include "skin/win/IListPopup.h"

// The pop-up list a drop-down or list panel item opens: a borderless panel at the request's
// screen rectangle, framed in the border colour (no top line when it hangs from the box that
// opened it), holding one CListPanelList. It ends with the position of the chosen entry in the
// request, or -1 when the user dismisses it.
class CListPanel : public CGUIPanel
{
public:
    // `request` must outlive the panel.
    explicit CListPanel(const ListPopupRequest& request);
    ~CListPanel() override;

    // Runs the panel modally; the chosen entry or -1.
    [[nodiscard]] int Open();
    // Opens the panel without a loop of its own; Result() tells when it ended.
    bool OpenModeless();
    [[nodiscard]] std::optional<int> Result() const noexcept { return m_result; }
    // The list; null before the panel opens and after it ended.
    [[nodiscard]] CListPanelList* List() noexcept { return m_list.get(); }
    // The list's area in the panel's client coordinates.
    [[nodiscard]] static RECT ListArea(const RECT& client, int borderWidth, bool attached) noexcept;

protected:
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnSetFocus(HWND previous) override;
    void OnOK() override;
    void OnCancel() override;
    void OnMouseWheel(short delta, POINT point) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Finish(int result);

    const ListPopupRequest& m_request;
    std::unique_ptr<CListPanelList> m_list;
    std::optional<int> m_result;
};
