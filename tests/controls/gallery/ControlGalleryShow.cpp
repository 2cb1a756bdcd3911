// Shows the control gallery (CControlGallery) at the screen's top left corner, filled as a
// page would fill it, so that a screenshot can be taken of it (scripts/take-screenshots.sh).
//
// Usage: ControlGallery PROGRAM_FOLDER LANGUAGE
//   PROGRAM_FOLDER  the installation folder; a host path such as /work/build/program is read as
//                   drive Z:
//   LANGUAGE        the registry's language name (English, ChineseSimplified, ...)
//
// Prints "READY <width> <height>" once the gallery is drawn, then stays until a line is read
// from standard input. Prints "ERROR <reason>" and exits with 1 when the gallery cannot open.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "../../support/RealInput.h"
#include "../../support/GalleryProgram.h"
#include "../../support/WindowTestSupport.h"
#include "CControlGallery.h"

namespace {

int Show()
{
    CControlGallery gallery;
    if (!gallery.Open()) {
        std::printf("ERROR the gallery layout gives no items\n");
        return 1;
    }
    gallery.Fill();
    RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Drawn once every queued paint has run.
    (void)wintest::PumpUntil([] { return GetQueueStatus(QS_PAINT | QS_POSTMESSAGE) == 0; });
    GdiFlush();
    std::printf("READY %d %d\n", CControlGallery::kWidth, CControlGallery::kHeight);
    std::fflush(stdout);

    return galleryprogram::RunUntilInputLine();
}

}  // namespace

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 3) {
        std::printf("ERROR usage: ControlGallery PROGRAM_FOLDER LANGUAGE\n");
        return 2;
    }
    const std::wstring folder = wintest::WindowsPath(std::wstring(arguments[1]), true);
    const std::wstring language = arguments[2];
    LocalFree(arguments);
    const galleryprogram::ProgramSkin skin(folder, language);
    return Show();
}
