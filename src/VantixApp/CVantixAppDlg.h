#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>

#include "VantixApp/CPopupPresenter.h"
#include "VantixApp/IPageHost.h"
#include "VantixApp/IVantixPage.h"
#include "VantixApp/PageTable.h"
#include "device/win/CDeviceListener.h"
#include "platform/win/CCommonFileDialogs.h"
#include "skin/win/CGUIPanel.h"

// The program's one window: the main page from "MainPage.xml" with its tabs, OK, Cancel, Apply
// and link buttons, and the page layouts of the page table (PageTable.h), of which one is shown.
// It dispatches the items' commands and notifications to the pages' behaviours, keeps the dirty
// mask of what changed since the last apply, applies through the device object, and closes
// after telling the user when the mouse is missing or goes away.
class CVantixAppDlg : public CGUIPanel, public IPageHost
{
public:
    static constexpr int kTemplate = 102;
    static constexpr UINT_PTR kDeviceMissingTimer = 1;
    static constexpr UINT kMissingAtStartDelayMs = 500;
    static constexpr UINT kRemovedDelayMs = 5;
    // Fires once after the first paint, when no paint is pending any more.
    static constexpr UINT_PTR kPaintedTimer = 2;
    static constexpr wchar_t kPaintedTrace[] = L"Vantix: main window painted\n";
    // Asks after Apply whether the write has ended, to tell the user when the mouse refused it.
    static constexpr UINT_PTR kTransferTimer = 3;
    static constexpr UINT kTransferPollMs = 50;
    static constexpr wchar_t kApplyFailedPopup[] = L"ApplyFailedPopup.xml";
    static constexpr wchar_t kReadFailedPopup[] = L"ReadFailedPopup.xml";

    // Neither is owned; both outlive the window.
    CVantixAppDlg(CVantixConfig* config, IMouseDevice* device);
    ~CVantixAppDlg() override;

    // Pop-ups go through `presenter` (not owned); null restores the modal pop-ups.
    void SetPopupPresenter(IPopupPresenter* presenter) noexcept;
    // File dialogs go through `dialogs` (not owned); null restores the common dialogs.
    void SetFileDialogs(IFileDialogs* dialogs) noexcept;
    // Opens the manual and the link buttons' addresses; the shell's "open" unless replaced
    // (an empty function restores it).
    using ShellOpener = std::function<void(const std::wstring&)>;
    void SetShellOpener(ShellOpener opener);

    CVantixConfig& Config() override { return *m_config; }
    IMouseDevice& Device() override { return *m_device; }
    IPopupPresenter& Popups() override { return *m_popups; }
    IFileDialogs& FileDialogs() override { return *m_fileDialogs; }
    [[nodiscard]] HWND Window() const override { return Handle(); }
    void RefreshPages() override { RefreshAllPages(); }
    void MarkDirty(TransferFlags mask) override;
    [[nodiscard]] bool HasUnappliedChanges() const override { return m_dirtyMask != 0; }
    [[nodiscard]] bool IsPageShown(unsigned pageBit) const override;

    // Shows the page of the lowest bit set; nothing happens when it is shown already.
    void ShowPage(unsigned pageBits);
    // Sends the changed parts to the mouse; false when a transfer is running or the mouse
    // cannot be reached (then the user is told and the window closes). When the write ends and
    // the mouse refused part of it, the user is told and the window reads the mouse back.
    bool Apply();

    // Runs once the window was made from its layouts, before it shows: what start-up leaves
    // until the installation proved sound.
    void SetMadeHandler(std::function<void()> handler) { m_madeHandler = std::move(handler); }
    // Why the window could not be shown (a layout, picture or pop-up it needs could not be
    // made), for a developer; empty when nothing kept it.
    [[nodiscard]] const std::wstring& Fault() const noexcept { return m_fault; }
    // The window closed because the mouse was not found, or went away.
    [[nodiscard]] bool MouseNotFound() const noexcept { return m_mouseNotFound; }

    [[nodiscard]] TransferFlags DirtyMask() const noexcept { return m_dirtyMask; }
    [[nodiscard]] bool IsDeviceMissingTimerRunning() const noexcept { return m_missingTimer != 0; }
    [[nodiscard]] bool ProductFlag() const noexcept { return m_productFlag; }
    // The page list of a bit, or null; and the one shown (null before the first).
    [[nodiscard]] const CItemList* PageItems(unsigned pageBit) const noexcept;
    [[nodiscard]] const CItemList* CurrentPage() const noexcept { return m_currentPage; }
    // The behaviour of a page's bit, or null.
    [[nodiscard]] IVantixPage* Behaviour(unsigned pageBit) const noexcept;
    // An item looked up once after the layouts were loaded; null when the layouts lack it.
    [[nodiscard]] CGUIItem* Bound(int32_t identifier) const noexcept override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR timer) override;
    void OnPaint() override;
    void OnCommand(HWND control, WORD notification, WORD identifier) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetIcons();
    void MakeLayered();
    void SetTitle();
    // Ends the window (never shown) for `fault`; the first fault is kept.
    void Fail(std::wstring fault);
    // Tells the user the mouse was not found, and closes.
    void EndForMissingMouse();
    [[nodiscard]] bool LoadPages();
    void BindItems();
    void Bind(std::span<const ItemBinding> bindings, const CItemList& list);
    void CreatePages();
    void GiveOwnerWindows(HWND owner);
    void ReadFromDevice();
    // After a write ended: a refused write is told, and the window shows what the mouse holds.
    void OnTransferEnded();
    void RefreshAllPages();
    void StartDeviceMissingTimer(UINT delayMs);
    void ShowWarning(const wchar_t* layoutFile);
    void PostClose();
    void EnableApply(bool enable);
    void SelectTabs(unsigned pageBits);
    void ShowProfileSelector(bool show);

    void DispatchItemCommand(int32_t identifier);
    bool DispatchWindowCommand(int32_t identifier);
    bool DispatchShowCommand(int32_t identifier);
    void DispatchNotification(const NotificationInfo& info, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] CGUIItem* FindSender(HWND window) const;
    [[nodiscard]] bool IsRecording() const;
    void OpenManual() const;
    static void OpenWithShell(const std::wstring& target);
    LRESULT OnDeviceChange(WPARAM event, LPARAM data);

    CVantixConfig* m_config;
    IMouseDevice* m_device;
    std::array<CItemList, PageBit::kPageCount> m_pages;
    CItemList* m_currentPage = nullptr;
    TransferFlags m_dirtyMask = 0;
    UINT_PTR m_missingTimer = 0;
    bool m_productFlag = false;
    bool m_paintedOnce = false;
    bool m_watchingTransfer = false;
    bool m_mouseNotFound = false;
    std::wstring m_fault;
    std::function<void()> m_madeHandler;
    std::unordered_map<int32_t, CGUIItem*> m_bound;
    HICON m_icon = nullptr;  // shared resource icon, never destroyed
    CDeviceListener m_listener;
    CPopupPresenter m_modalPopups;
    IPopupPresenter* m_popups = &m_modalPopups;
    CCommonFileDialogs m_commonFileDialogs;
    IFileDialogs* m_fileDialogs = &m_commonFileDialogs;
    ShellOpener m_shellOpener = &OpenWithShell;
    // The behaviours of the page table's rows, by page index; null where a row has none.
    std::array<std::unique_ptr<IVantixPage>, PageBit::kPageCount> m_behaviours;
};
