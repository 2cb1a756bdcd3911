// Shows one layout of a program folder as the program shows its pop-ups, modeless at the
// screen's top left corner, so that a screenshot can be taken of it
// (scripts/take-screenshots.sh runs it once per pop-up and language).
//
// Usage: PanelGallery PROGRAM_FOLDER LANGUAGE LAYOUT [HEADING_TEXT]
//   PROGRAM_FOLDER  the installation folder (xml\, skins\, fonts\, lang\); a host path such as
//                   /work/build/program is read as drive Z:
//   LANGUAGE        the registry's language name (English, German, ...)
//   LAYOUT          a layout file of xml\, e.g. NoMousePopup.xml
//   HEADING_TEXT    appended to TEXT_WARNDLG_HEADING, as for pop-ups that name a profile
//
// Prints "READY <width> <height>" once the panel is drawn, then stays until a line is read from
// standard input or it is closed. Prints "ERROR <reason>" and exits with 1 when the layout gives
// no panel.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "../../support/GalleryProgram.h"
#include "../../support/WindowTestSupport.h"
#include "VantixApp/CVantixWarningDlg.h"

namespace {

constexpr int kDrawRounds = 20;

void Say(const char* format, int first = 0, int second = 0)
{
    std::printf(format, first, second);
    std::fflush(stdout);
}

int ShowPanel(const std::wstring& layout, const std::wstring& headingText)
{
    CVantixWarningDlg panel(WarningRequest{layout, headingText, L""}, nullptr);
    if (!panel.CreateModeless(nullptr) || panel.Background() == nullptr) {
        Say("ERROR the layout gives no panel with a background\n");
        return 1;
    }
    const RECT& size = panel.PanelRect();
    SetWindowPos(panel.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(panel.Handle());
    wintest::PumpMessages(kDrawRounds);
    RedrawWindow(panel.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    wintest::PumpMessages(kDrawRounds);
    GdiFlush();
    Say("READY %d %d\n", size.right - size.left, size.bottom - size.top);

    return galleryprogram::RunUntilInputLine();
}

}  // namespace

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 4 || count > 5) {
        Say("ERROR usage: PanelGallery PROGRAM_FOLDER LANGUAGE LAYOUT [HEADING_TEXT]\n");
        return 2;
    }
    const std::wstring folder = arguments[1];
    const std::wstring language = arguments[2];
    const std::wstring layout = arguments[3];
    const std::wstring headingText = count == 5 ? arguments[4] : L"";
    LocalFree(arguments);

    const galleryprogram::ProgramSkin skin(folder, language);
    return ShowPanel(layout, headingText);
}
