#pragma once

#include <windows.h>

#include <memory>

#include "skin/win/CCustomWindow.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/PictureArea.h"

struct BitmapItemDescription;

// A BITMAPITEM (kind 1): a fixed picture in a child window of its own. Other items may sit on
// it (buttons, texts and sliders name it as their window); their commands are passed on to
// this window's parent, so a click on a button placed on a picture reaches the page. The item
// itself does not react to the mouse.
class CBitmapItem : public CCustomWindow, public CGUIItem
{
public:
    // Null when the picture did not load or the window cannot be made. The identifiers of the
    // two preview pictures are made disabled, so that they take no mouse input.
    [[nodiscard]] static std::unique_ptr<CBitmapItem> Create(const BitmapItemDescription& description, HWND parent);

    // The item draws the picture's area from (left, top) of size right - left by bottom - top;
    // nothing happens without a picture. The picture is not copied: it must outlive the item,
    // as the resource cache's pictures do.
    void SetPicture(HBITMAP picture, int left, int top, int right, int bottom);
    // The same, after cutting the window's outline from the mask (when there is one).
    void SetPicture(HBITMAP mask, HBITMAP picture, int left, int top, int right, int bottom);
    // What the item draws; empty without a picture.
    [[nodiscard]] const PictureArea& Picture() const noexcept { return m_picture; }

protected:
    void OnPaint() override;
    void OnCommand(HWND control, WORD notification, WORD identifier) override;

private:
    PictureArea m_picture;
};
