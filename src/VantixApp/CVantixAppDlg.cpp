#include "VantixApp/CVantixAppDlg.h"

#include <dbt.h>

#include <algorithm>
#include <string>

#include "VantixApp/CPopupBox.h"
#include "VantixApp/LinkAddresses.h"
#include "VantixApp/VantixResource.h"
#include "config/CVantixConfig.h"
#include "device/DevicePath.h"
#include "device/IMouseDevice.h"
#include "platform/win/ShellOpen.h"
#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/LayoutFaults.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/CTextItem.h"
#include "skin/win/WindowFocus.h"
#include "vocabulary/ItemIds.h"

namespace {

constexpr COLORREF kColourKey = RGB(255, 0, 255);
constexpr wchar_t kTitleKey[] = L"$DunmoPeraxil1800Configurator";
constexpr wchar_t kDefaultTitle[] = L"Dunmo Peraxil 1800";
constexpr wchar_t kNoMousePopup[] = L"NoMousePopup.xml";
constexpr UINT kDeviceInterfaceType = 5;

using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// The page whose bit is the lowest set, or -1.
int PageIndex(unsigned pageBits) noexcept
{
    for (size_t index = 0; index < PageBit::kPageCount; ++index)
        if ((pageBits & (1u << index)) != 0)
            return static_cast<int>(index);
    return -1;
}

}  // namespace

CVantixAppDlg::CVantixAppDlg(CVantixConfig* config, IMouseDevice* device)
    : CGUIPanel(L"MainPage.xml", kTemplate, nullptr), m_config(config), m_device(device)
{
}

CVantixAppDlg::~CVantixAppDlg()
{
    GiveOwnerWindows(nullptr);
}

void CVantixAppDlg::SetPopupPresenter(IPopupPresenter* presenter) noexcept
{
    m_popups = presenter != nullptr ? presenter : &m_modalPopups;
}

void CVantixAppDlg::SetFileDialogs(IFileDialogs* dialogs) noexcept
{
    m_fileDialogs = dialogs != nullptr ? dialogs : &m_commonFileDialogs;
}

// --- initialisation ------------------------------------------------------------------------------

bool CVantixAppDlg::OnInitDialog()
{
    CGUIPanel::OnInitDialog();
    if (const auto problem = PreventingProblem()) {
        Fail(LayoutFaults::Describe(*problem));
        return true;
    }
    // Centred on the screen at the size its background gave it.
    CenterOver(nullptr);
    SetIcons();
    m_listener.Register(Handle());
    MakeLayered();
    SetTitle();
    if (!LoadPages())
        return true;
    BindItems();
    CreatePages();
    GiveOwnerWindows(Handle());
    ShowPage(PageBit::kAssignButtons);
    // Nothing has changed yet, whether or not the mouse answers.
    EnableApply(false);
    m_productFlag = m_device->GetProductId() == ProductId::kPeraxil1800;
    if (m_device->IsConnected())
        ReadFromDevice();
    else
        StartDeviceMissingTimer(kMissingAtStartDelayMs);
    if (m_madeHandler)
        m_madeHandler();
    return true;
}

void CVantixAppDlg::Fail(std::wstring fault)
{
    if (m_fault.empty())
        m_fault = std::move(fault);
    EndModal(IDABORT);
}

void CVantixAppDlg::SetIcons()
{
    m_icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VANTIX));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
}

void CVantixAppDlg::MakeLayered()
{
    // Looked up by name: without it the window is drawn unshaped.
    HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
    auto setAttributes = user32 != nullptr ? reinterpret_cast<SetLayeredAttributes>(reinterpret_cast<void*>(
                                                 GetProcAddress(user32, "SetLayeredWindowAttributes")))
                                           : nullptr;
    if (setAttributes == nullptr)
        return;
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    setAttributes(Handle(), kColourKey, 0, LWA_COLORKEY);
}

void CVantixAppDlg::SetTitle()
{
    const std::wstring title = CSkinEnvironment::Instance().Languages().Translate(kTitleKey).value_or(kDefaultTitle);
    SetWindowTextW(Handle(), title.c_str());
}

bool CVantixAppDlg::LoadPages()
{
    for (size_t index = 0; index < Pages().size(); ++index) {
        const auto problems = CLayoutLoader::Load(Pages()[index].layoutFile, m_pages[index], Handle());
        if (const auto problem = LayoutFaults::FirstPreventing(problems)) {
            Fail(LayoutFaults::Describe(*problem));
            return false;
        }
    }
    return true;
}

void CVantixAppDlg::BindItems()
{
    m_bound.clear();
    Bind(MainPageBindings(), Items());
    for (size_t index = 0; index < Pages().size(); ++index)
        Bind(Pages()[index].items, m_pages[index]);
}

void CVantixAppDlg::Bind(std::span<const ItemBinding> bindings, const CItemList& list)
{
    for (const ItemBinding& binding : bindings) {
        CGUIItem* item = list.FindById(binding.identifier);
        m_bound[binding.identifier] = item != nullptr && item->Kind() == binding.kind ? item : nullptr;
    }
}

CGUIItem* CVantixAppDlg::Bound(int32_t identifier) const noexcept
{
    const auto found = m_bound.find(identifier);
    return found != m_bound.end() ? found->second : nullptr;
}

void CVantixAppDlg::CreatePages()
{
    for (size_t index = 0; index < Pages().size(); ++index) {
        const PageFactory make = Pages()[index].makeBehaviour;
        m_behaviours[index] = make != nullptr ? make(*this) : nullptr;
    }
}

void CVantixAppDlg::GiveOwnerWindows(HWND owner)
{
    // The items that report to the window (the profile selector and the sliders); those missing
    // from the layouts (or not made) are left out.
    const auto give = [this, owner](std::span<const ItemBinding> bindings) {
        for (const ItemBinding& binding : bindings)
            if (CGUIItem* item = binding.reports ? Bound(binding.identifier) : nullptr)
                item->SetOwner(owner);
    };
    give(MainPageBindings());
    for (const PageEntry& page : Pages())
        give(page.items);
}

void CVantixAppDlg::ReadFromDevice()
{
    const bool complete = m_device->Transfer(m_config, TransferDirection::Read, TransferFlag::kAll);
    if (m_config->GetActiveProfile() == nullptr && m_config->GetProfileAt(0) != nullptr)
        m_config->SetActiveProfile(m_config->GetProfileAt(0));
    if (m_config->GetActiveProfile() == nullptr) {
        StartDeviceMissingTimer(kMissingAtStartDelayMs);
        return;
    }
    RefreshAllPages();
    for (const auto& behaviour : m_behaviours)
        if (behaviour != nullptr)
            behaviour->OnMouseRead();
    m_dirtyMask = 0;
    EnableApply(false);
    // The values read are shown; those that could not be read keep what was known of them.
    if (!complete)
        ShowWarning(kReadFailedPopup);
}

void CVantixAppDlg::OnTransferEnded()
{
    KillTimer(Handle(), kTransferTimer);
    m_watchingTransfer = false;
    const std::optional<bool> written = m_device->TakeWriteResult();
    if (!written.has_value() || *written)
        return;
    ShowWarning(kApplyFailedPopup);
    ReadFromDevice();
}

void CVantixAppDlg::RefreshAllPages()
{
    for (const auto& behaviour : m_behaviours)
        if (behaviour != nullptr)
            behaviour->Refresh();
}

// --- pages ---------------------------------------------------------------------------------------

const CItemList* CVantixAppDlg::PageItems(unsigned pageBit) const noexcept
{
    const int index = PageIndex(pageBit);
    return index < 0 ? nullptr : &m_pages[static_cast<size_t>(index)];
}

IVantixPage* CVantixAppDlg::Behaviour(unsigned pageBit) const noexcept
{
    const int index = PageIndex(pageBit);
    return index < 0 ? nullptr : m_behaviours[static_cast<size_t>(index)].get();
}

bool CVantixAppDlg::IsPageShown(unsigned pageBit) const
{
    return m_currentPage != nullptr && m_currentPage == PageItems(pageBit);
}

void CVantixAppDlg::ShowPage(unsigned pageBits)
{
    const int index = PageIndex(pageBits);
    if (index < 0)
        return;
    const unsigned pageBit = 1u << index;
    if (m_currentPage == &m_pages[static_cast<size_t>(index)]) {
        // A press on the shown page's tab has toggled that tab off: only its look comes back.
        SelectTabs(pageBit);
        return;
    }
    for (size_t other = 0; other < PageBit::kPageCount; ++other)
        m_pages[other].ShowAll(other == static_cast<size_t>(index));
    SelectTabs(pageBit);
    m_currentPage = &m_pages[static_cast<size_t>(index)];
    ShowProfileSelector(Pages()[static_cast<size_t>(index)].showsProfileSelector);
    if (IVantixPage* behaviour = m_behaviours[static_cast<size_t>(index)].get())
        behaviour->OnShown();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CVantixAppDlg::SelectTabs(unsigned pageBit)
{
    // A tab is selected while any page it stands for is shown (the assign tab for both views).
    const auto shown =
        std::find_if(Pages().begin(), Pages().end(), [pageBit](const PageEntry& page) { return page.bit == pageBit; });
    const int32_t selectedTab = shown != Pages().end() ? shown->tab : -1;
    for (const PageEntry& page : Pages()) {
        auto* button = BoundAs<CBitmapBtn>(page.tab);
        const bool selected = page.tab == selectedTab;
        if (button != nullptr && button->IsChecked() != selected)
            button->SetChecked(selected);
    }
}

void CVantixAppDlg::ShowProfileSelector(bool show)
{
    for (int32_t identifier :
         {ItemId::LIST_GLOBALPROFILELIST, ItemId::BITMAP_PROFILE_RECT, ItemId::TEXT_CURRENTPROFILE})
        if (CGUIItem* item = Bound(identifier))
            item->ShowItem(show);
}

// --- changes and apply ---------------------------------------------------------------------------

void CVantixAppDlg::MarkDirty(TransferFlags mask)
{
    // Deliberately coarse: a change adds its bits only when none of them is set yet.
    if ((m_dirtyMask & mask) == 0)
        m_dirtyMask |= mask;
    EnableApply(true);
}

void CVantixAppDlg::EnableApply(bool enable)
{
    if (CGUIItem* apply = Bound(ItemId::BUTTON_APPLY))
        EnableKeepingFocus(apply->ItemWindow(), enable);
}

bool CVantixAppDlg::Apply()
{
    if (m_device->IsTransferring())
        return false;
    if (m_device->Transfer(m_config, TransferDirection::Write, m_dirtyMask)) {
        // Polled, not waited for: the window stays responsive while the mouse is written.
        m_watchingTransfer = SetTimer(Handle(), kTransferTimer, kTransferPollMs, nullptr) != 0;
        return true;
    }
    EndForMissingMouse();
    return false;
}

// --- device presence -----------------------------------------------------------------------------

void CVantixAppDlg::StartDeviceMissingTimer(UINT delayMs)
{
    m_missingTimer = SetTimer(Handle(), kDeviceMissingTimer, delayMs, nullptr);
}

void CVantixAppDlg::OnPaint()
{
    CGUIPanel::OnPaint();
    if (m_paintedOnce)
        return;
    m_paintedOnce = true;
    // Timer messages come only when no paint is pending, so the trace line follows the
    // items' first paints too. Start-up measurements wait for it.
    SetTimer(Handle(), kPaintedTimer, 0, nullptr);
}

void CVantixAppDlg::OnTimer(UINT_PTR timer)
{
    if (timer == kPaintedTimer) {
        KillTimer(Handle(), kPaintedTimer);
        OutputDebugStringW(kPaintedTrace);
        return;
    }
    if (timer == kTransferTimer) {
        if (m_watchingTransfer && !m_device->IsTransferring())
            OnTransferEnded();
        return;
    }
    if (timer != kDeviceMissingTimer || m_missingTimer == 0) {
        Default();
        return;
    }
    KillTimer(Handle(), kDeviceMissingTimer);
    m_missingTimer = 0;
    EndForMissingMouse();
}

void CVantixAppDlg::EndForMissingMouse()
{
    m_mouseNotFound = true;
    ShowWarning(kNoMousePopup);
    PostClose();
}

LRESULT CVantixAppDlg::OnDeviceChange(WPARAM event, LPARAM data)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (event != DBT_DEVICEREMOVECOMPLETE || header == nullptr || header->dbch_devicetype != kDeviceInterfaceType)
        return TRUE;
    const auto* deviceInterface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    if (!DevicePath::NamesDevice(deviceInterface->dbcc_name, DevicePath::kDunmoVendorId, ProductId::kPeraxil1800))
        return TRUE;
    if (m_productFlag && m_missingTimer == 0)
        StartDeviceMissingTimer(kRemovedDelayMs);
    return TRUE;
}

void CVantixAppDlg::ShowWarning(const wchar_t* layoutFile)
{
    WarningRequest request;
    request.layoutFile = layoutFile;
    if (m_popups->ShowWarning(Handle(), request) == CPopupBox::kNotMade)
        Fail(std::wstring(layoutFile) + L": the pop-up could not be made");
}

void CVantixAppDlg::PostClose()
{
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

// --- commands ------------------------------------------------------------------------------------

bool CVantixAppDlg::IsRecording() const
{
    return std::any_of(m_behaviours.begin(), m_behaviours.end(),
                       [](const auto& behaviour) { return behaviour != nullptr && behaviour->IsRecording(); });
}

CGUIItem* CVantixAppDlg::FindSender(HWND window) const
{
    if (window == nullptr)
        return nullptr;
    if (CGUIItem* item = Items().FindByWindow(window))
        return item;
    return m_currentPage != nullptr ? m_currentPage->FindByWindow(window) : nullptr;
}

void CVantixAppDlg::OnCommand(HWND control, WORD notification, WORD identifier)
{
    const CGUIItem* item = FindSender(control);
    if (item != nullptr && (item->Kind() == ItemKind::Button || item->Kind() == ItemKind::TextItem)) {
        if (!IsRecording() || item->Identifier() == ItemId::BUTTON_MACRO_RECORD_STOP)
            DispatchItemCommand(item->Identifier());
    }
    CGUIPanel::OnCommand(control, notification, identifier);
}

void CVantixAppDlg::DispatchItemCommand(int32_t identifier)
{
    if (DispatchWindowCommand(identifier) || DispatchShowCommand(identifier))
        return;
    for (const auto& behaviour : m_behaviours)
        if (behaviour != nullptr && behaviour->HandlesCommand(identifier)) {
            behaviour->OnItemCommand(identifier);
            return;
        }
}

bool CVantixAppDlg::DispatchShowCommand(int32_t identifier)
{
    for (size_t index = 0; index < Pages().size(); ++index) {
        const std::span<const int32_t> commands = Pages()[index].showCommands;
        if (std::find(commands.begin(), commands.end(), identifier) == commands.end())
            continue;
        ShowPage(Pages()[index].bit);
        if (IVantixPage* behaviour = m_behaviours[index].get())
            behaviour->OnShowCommand();
        return true;
    }
    return false;
}

bool CVantixAppDlg::DispatchWindowCommand(int32_t identifier)
{
    for (const LinkAddress& link : kLinkAddresses)
        if (link.item == identifier) {
            m_shellOpener(std::wstring(link.address));
            return true;
        }
    switch (identifier) {
    case ItemId::BUTTON_HELP: OpenManual(); return true;
    case ItemId::BUTTON_EXIT: PostClose(); return true;
    case ItemId::BUTTON_OK:
        if (m_dirtyMask != 0)
            (void)Apply();
        PostClose();
        return true;
    case ItemId::BUTTON_CANCEL: PostClose(); return true;
    case ItemId::BUTTON_APPLY:
        (void)Apply();
        // Deliberate: cleared even when a running transfer made Apply send nothing.
        m_dirtyMask = 0;
        EnableApply(false);
        return true;
    default: return false;
    }
}

void CVantixAppDlg::SetShellOpener(ShellOpener opener)
{
    m_shellOpener = opener ? std::move(opener) : ShellOpener(&OpenWithShell);
}

void CVantixAppDlg::OpenManual() const
{
    m_shellOpener(ManualPath(CSkinEnvironment::Instance().ProgramDirectory()));
}

void CVantixAppDlg::OpenWithShell(const std::wstring& target)
{
    (void)platform::win::OpenWithShell(target);
}

void CVantixAppDlg::OnOK()
{
    if (IsRecording())
        return;
    (void)Apply();
    EndModal(IDOK);
}

void CVantixAppDlg::OnCancel()
{
    if (IsRecording())
        return;
    EndModal(IDCANCEL);
}

// --- other messages ------------------------------------------------------------------------------

void CVantixAppDlg::DispatchNotification(const NotificationInfo& info, WPARAM wParam, LPARAM lParam)
{
    PageNotification notification{info.message, wParam, lParam, nullptr};
    switch (info.sender) {
    case SenderWindow::First: notification.sender = FindSender(reinterpret_cast<HWND>(wParam)); break;
    case SenderWindow::Second: notification.sender = FindSender(reinterpret_cast<HWND>(lParam)); break;
    case SenderWindow::None: break;
    }
    // A notification that names its sender's window is taken only from a known item.
    if (info.sender != SenderWindow::None && notification.sender == nullptr)
        return;
    for (const auto& behaviour : m_behaviours)
        if (behaviour != nullptr && behaviour->HandlesNotification(info.message))
            behaviour->OnNotification(notification);
}

LRESULT CVantixAppDlg::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST: {
        // Any point that is not an item drags the window.
        const LRESULT hit = DefWindowProcW(Handle(), message, wParam, lParam);
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_CLOSE: EndModal(IDCANCEL); return 0;
    case WM_HELP:
        if (!IsRecording())
            OpenManual();
        return TRUE;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(m_icon);
    case WM_DEVICECHANGE: return OnDeviceChange(wParam, lParam);
    default: break;
    }
    if (const NotificationInfo* notification = FindNotification(message)) {
        DispatchNotification(*notification, wParam, lParam);
        return 0;
    }
    return CGUIPanel::OnOtherMessage(message, wParam, lParam);
}
