// Shows the controls gallery for a look or a screenshot (scripts/take-screenshots.sh), at the
// screen's top left corner, in one language of a program folder.
//
// Usage: ControlsGallery PROGRAM_FOLDER LANGUAGE GALLERY_LAYOUT [--lists]
//   PROGRAM_FOLDER  the installation folder (a host path such as /work/build/program is read
//                   as drive Z:)
//   LANGUAGE        the registry's language name (English, ChineseSimplified, ...)
//   GALLERY_LAYOUT  tests/controls/gallery/ControlsGallery.xml (host path or Windows path)
//   --lists         opens the drop-down's list and the cascaded profile list from it, with a
//                   profile under the pointer
//
// Prints "READY <width> <height>" once the panel (and the lists) are drawn, then stays until a
// line is read from standard input or it is closed.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "../../support/GalleryProgram.h"
#include "../../support/WindowTestSupport.h"
#include "CControlsGallery.h"
#include "controls/CListPanelList.h"
#include "skin/win/CDropdownListItem.h"

namespace {

void Ready()
{
    std::printf("READY %ld %ld\n", CControlsGallery::kSize.right, CControlsGallery::kSize.bottom);
    std::fflush(stdout);
}

// Puts the pointer over a row of an open list, as the user would.
void Hover(const CListPanelList& list, int row)
{
    const RECT rect = list.RowRect(row);
    POINT point{rect.left + 12, (rect.top + rect.bottom) / 2};
    ClientToScreen(list.Handle(), &point);
    SetCursorPos(point.x, point.y);
    SendMessageW(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(rect.left + 12, (rect.top + rect.bottom) / 2));
}

// Drives the open lists from a thread timer, which their own loops dispatch: the profile entry
// is chosen, then a profile of the cascaded list is hovered.
class ListOpener
{
public:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD)
    {
        auto* list = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()));
        if (list == nullptr)
            return;
        if (s_first == nullptr) {
            s_first = list;
            int row = 0;
            while (row < list->RowCount() && list->EntryOfRow(row) != kProfileEntry)
                ++row;
            Hover(*list, row);
            const RECT rect = list->RowRect(row);
            // Opens the cascaded list, which runs its own loop (and this timer) until it ends.
            SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 12, rect.top + 2));
            return;
        }
        if (list == s_first)
            return;
        KillTimer(nullptr, timer);
        Hover(*list, 1);
        RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Ready();
    }

private:
    static constexpr int kProfileEntry = 6;
    static inline CListPanelList* s_first = nullptr;
};

int Show(const std::wstring& layout, bool lists)
{
    CControlsGallery gallery(layout, nullptr);
    if (!gallery.CreateModeless(nullptr) || gallery.List() == nullptr) {
        std::printf("ERROR the gallery layout made no report list\n");
        return 1;
    }
    SetWindowPos(gallery.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    wintest::PumpUntil([] { return false; }, 300);
    RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    wintest::PumpUntil([] { return false; }, 300);
    if (!galleryprogram::QuitOnInputLine())
        return 1;
    if (lists) {
        // The lists run their own loops until the line arrives (its quit ends them).
        SetTimer(nullptr, 0, 100, &ListOpener::Tick);
        if (CDropdownListItem* dropdown = gallery.Dropdown())
            dropdown->Open();
    } else
        Ready();
    galleryprogram::RunUntilQuit(gallery.Handle());
    return 0;
}

}  // namespace

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 4 || count > 5 || (count == 5 && std::wstring(arguments[4]) != L"--lists")) {
        std::printf("ERROR usage: ControlsGallery PROGRAM_FOLDER LANGUAGE GALLERY_LAYOUT [--lists]\n");
        return 2;
    }
    const bool lists = count == 5;
    const std::wstring folder = arguments[1];
    const std::wstring language = arguments[2];
    const std::wstring layout = wintest::WindowsPath(std::wstring(arguments[3]));
    LocalFree(arguments);

    const galleryprogram::ProgramSkin skin(folder, language);
    return Show(layout, lists);
}
