#include "CControlGallery.h"

#include <commctrl.h>

#include <string_view>

#include "../../support/WindowTestSupport.h"

#include "VantixApp/CVantixApp.h"
#include "controls/CAPMSlider.h"
#include "controls/CDMarker.h"
#include "controls/CDPIStageWindow.h"
#include "controls/CProfileBtn.h"
#include "controls/CVertSlider.h"
#include "platform/FileSystem.h"
#include "platform/win/WinHandles.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"
#include "vocabulary/ItemIds.h"

std::wstring CControlGallery::LayoutPath()
{
    return wintest::WindowsPath(std::string_view(VANTIX_CONTROL_GALLERY_LAYOUT));
}

bool CControlGallery::Open(const std::wstring& layoutPath)
{
    const auto bytes = platform::ReadFileBytes(layoutPath);
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    if (!bytes || !skin.IsInitialized())
        return false;
    if (!Create(nullptr, RECT{0, 0, kWidth, kHeight}, WS_POPUP | WS_VISIBLE))
        return false;
    LayoutDescription description = CLayoutReader(skin.Cache(), skin.Languages()).ReadBytes(*bytes);
    CLayoutLoader::Build(description, m_items, Handle());
    return !m_items.Empty();
}

void CControlGallery::Fill()
{
    if (auto* zones = Find<CAPMSlider>(ItemId::SLIDER_APM_MULTI, ItemKind::ApmSlider))
        zones->SetZoneColours({RGB(0x1e, 0x7a, 0x34), RGB(0xc8, 0x9b, 0x1e), RGB(0xb4, 0x28, 0x28)});
    if (auto* marker = Find<CDMarker>(ItemId::SLIDER_DOUBLECLICK, ItemKind::Marker))
        marker->SetValue(6);
    if (auto* vertical = Find<CVertSlider>(ItemId::SLIDER_SCROLL, ItemKind::VerticalSlider))
        vertical->SetValue(70);
    if (auto* first = Find<CDPIStageWindow>(ItemId::DPISTAGEWINDOW_01, ItemKind::DpiStageWindow)) {
        first->SetValues(1200, 1200, 1200);
        first->SetSelected(true);
    }
    if (auto* second = Find<CDPIStageWindow>(ItemId::DPISTAGEWINDOW_02, ItemKind::DpiStageWindow)) {
        second->SetValues(1800, 1600, 900);
        second->SetSeparate(true);
    }
    if (auto* profile = Find<CProfileBtn>(ItemId::BUTTON_PROFILE01, ItemKind::ProfileButton)) {
        profile->SetText(0, L"1");
        profile->SetText(1, L"Gaming profile with a long name");
    }
}

LRESULT CControlGallery::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || (message >= WM_USER && message < WM_APP)) {
        m_received.push_back(Received{message, wParam, lParam});
        return 0;
    }
    if (message == WM_PAINT) {
        PaintDc paint(Handle());
        const UniqueBrush surface(CreateSolidBrush(kSurface));
        FillRect(paint.Get(), &paint.Area(), surface.Get());
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return CCustomWindow::OnMessage(message, wParam, lParam);
}
