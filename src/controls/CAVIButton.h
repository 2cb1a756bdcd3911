#pragma once

#include <windows.h>

#include <string>

#include "skin/win/PictureArea.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CSubclassedWindow.h"

// The animation button (AVIBUTTON, kind 3): an owner-drawn button that plays its animation file
// once over itself when it is double-clicked. The platform's animation control is made on the
// first double click, covering the button one pixel right of and below its corner. A file
// named without a folder lies in the program folder's "skins" folder, as the layout's pictures
// do. The sound file is kept as the layout names it; nothing plays it.
class CAVIButton : public CSubclassedWindow, public CGUIItem
{
public:
    [[nodiscard]] static MadeItem Make(const AviButtonDescription& description, const IItemMakeContext& context);

    bool CreateButton(HWND parent, const RECT& rect);
    void SetFiles(std::wstring animation, std::wstring sound);
    [[nodiscard]] const std::wstring& AnimationFile() const noexcept { return m_animation; }
    [[nodiscard]] const std::wstring& SoundFile() const noexcept { return m_sound; }
    // The button's face; without one it is drawn dark with a play mark.
    void SetPicture(const PictureArea& picture);

    // Plays the animation once from its first frame to its last; false when the control cannot
    // be made or the file cannot be opened.
    bool Play();
    // The animation control (a child of the button, gone with it); null before the first play.
    [[nodiscard]] HWND AnimationWindow() const noexcept { return m_player; }
    // Where the file is looked for.
    [[nodiscard]] std::wstring AnimationPath() const;

protected:
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonDoubleClick(POINT point, WPARAM keys) override;
    void OnDrawItem(const DRAWITEMSTRUCT& draw) override;

private:
    std::wstring m_animation;
    std::wstring m_sound;
    PictureArea m_picture;
    HWND m_player = nullptr;  // a child window: destroyed with the button
};
