#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "skin/win/CCustomWindow.h"
#include "skin/win/CItemList.h"

// One plain window holding one of each custom control, made from the gallery layout
// (ControlGallery.xml beside this file) by the layout loader as pages make theirs. It records
// the commands and private notifications its items send it.
class CControlGallery : public CCustomWindow
{
public:
    static constexpr int kWidth = 760;
    static constexpr int kHeight = 460;
    // The window's surface, as the pages' (the pictures' own backdrop).
    static constexpr COLORREF kSurface = RGB(0x17, 0x19, 0x1b);

    struct Received
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    // The gallery layout of the source tree, as Wine names it.
    [[nodiscard]] static std::wstring LayoutPath();

    // Opens the window at the screen's top left corner with the layout's items; false when
    // the window cannot be made or the layout cannot be read.
    bool Open(const std::wstring& layoutPath = LayoutPath());
    // Gives the items what a page would: zone colours, values of the level bar, the vertical
    // slider and the stage tiles (the first selected, the second with X and Y apart), the
    // profile button's texts.
    void Fill();

    [[nodiscard]] CItemList& Items() noexcept { return m_items; }
    template <typename Item>
    [[nodiscard]] Item* Find(int32_t identifier, ItemKind kind) const noexcept
    {
        return m_items.Find<Item>(identifier, kind);
    }

    [[nodiscard]] std::vector<Received> Of(UINT message) const
    {
        std::vector<Received> found;
        std::copy_if(m_received.begin(), m_received.end(), std::back_inserter(found),
                     [message](const Received& item) { return item.message == message; });
        return found;
    }
    void Forget() noexcept { m_received.clear(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CItemList m_items;
    std::vector<Received> m_received;
};
