#include "controls/CMacroDisplayItem.h"

#include <algorithm>
#include <cwchar>

#include "controls/LanguageKeyboard.h"
#include "controls/core/ListRows.h"
#include "macro/CMacroRecorder.h"
#include "macro/MacroStepText.h"
#include "macro/win/CWinRawInputDevices.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/Notifications.h"

namespace {

void Take(COLORREF& colour, const std::optional<int32_t>& given) noexcept
{
    if (given)
        colour = static_cast<COLORREF>(*given);
}

std::optional<std::wstring> Translate(std::wstring_view key)
{
    return CSkinEnvironment::Instance().Languages().Translate(key);
}

// The raw mouse record of a WM_INPUT message: its button flags, or nothing for another device.
std::optional<USHORT> ReadMouseButtons(LPARAM input)
{
    const auto handle = reinterpret_cast<HRAWINPUT>(input);
    RAWINPUT record{};
    UINT size = sizeof(record);
    const UINT read = GetRawInputData(handle, RID_INPUT, &record, &size, sizeof(RAWINPUTHEADER));
    if (read == static_cast<UINT>(-1) || read < sizeof(RAWINPUTHEADER) || record.header.dwType != RIM_TYPEMOUSE)
        return std::nullopt;
    return record.data.mouse.usButtonFlags;
}

bool IsKeyboardInput(LPARAM input)
{
    RAWINPUTHEADER header{};
    UINT size = sizeof(header);
    return GetRawInputData(reinterpret_cast<HRAWINPUT>(input), RID_HEADER, &header, &size, sizeof(header)) ==
               sizeof(header) &&
           header.dwType == RIM_TYPEKEYBOARD;
}

constexpr USHORT kAnyButtonDown = RI_MOUSE_LEFT_BUTTON_DOWN | RI_MOUSE_RIGHT_BUTTON_DOWN |
                                  RI_MOUSE_MIDDLE_BUTTON_DOWN | RI_MOUSE_BUTTON_4_DOWN | RI_MOUSE_BUTTON_5_DOWN;

}  // namespace

MadeItem CMacroDisplayItem::Make(const MacroDisplayDescription& description, const IItemMakeContext& context)
{
    auto display = std::make_unique<CMacroDisplayItem>();
    const RECT rect{description.rect.left, description.rect.top, description.rect.left + description.rect.width,
                    description.rect.top + description.rect.height};
    std::optional<ListPopupScrollBar> scrollBar;
    if (const auto& scroll = description.scrollBar)
        scrollBar = ListPopupScrollBar{scroll->width,          BitmapOf(scroll->thumb),   BitmapOf(scroll->top),
                                       BitmapOf(scroll->bottom), BitmapOf(scroll->arrowUp), BitmapOf(scroll->arrowDown),
                                       BitmapOf(scroll->span)};
    const int iconWidth = description.columns.empty() ? 28 : description.columns.front().width;
    if (!display->CreateDisplay(context.Parent(), rect, description.readOnly, iconWidth, scrollBar))
        return {};
    Colours colours;
    Take(colours.text, description.fontColour);
    Take(colours.highlightText, description.fontColourHighlight);
    Take(colours.background, description.backColour);
    Take(colours.highlightBackground, description.backColourHighlight);
    Take(colours.border, description.borderColour);
    const Icons icons{PictureArea::Whole(description.keyDown),  PictureArea::Whole(description.keyUp),
                      PictureArea::Whole(description.mouse),    PictureArea::Whole(description.mouseHighlight),
                      PictureArea::Whole(description.click),    PictureArea::Whole(description.clickHighlight)};
    display->SetLook(colours, description.borderWidth.value_or(1), icons, context.FontOf(description.font));
    display->SetRectangle(description.rect.left, description.rect.top, description.rect.width,
                          description.rect.height);
    const HWND window = display->Handle();
    return MadeItem{std::move(display), window, context.Parent()};
}

CMacroDisplayItem::CMacroDisplayItem()
    : m_keyboard(LanguageKeyboard()), m_recorder(std::make_unique<CMacroRecorder>(m_keyboard))
{
}

CMacroDisplayItem::~CMacroDisplayItem()
{
    // A display destroyed while recording gives the registration back.
    CRawInputRegistry& registry = CWinRawInputDevices::ProgramRegistry();
    if (Handle() != nullptr && registry.Target() == reinterpret_cast<uintptr_t>(Handle()))
        registry.Unregister();
}

bool CMacroDisplayItem::CreateDisplay(HWND parent, const RECT& rect, bool readOnly, int iconWidth,
                                      const std::optional<ListPopupScrollBar>& scrollBar)
{
    m_readOnly = readOnly;
    m_iconWidth = std::max(iconWidth, 0);
    m_scrollPictures = scrollBar;
    if (!CCustomWindow::Create(parent, rect, WS_CHILD | WS_VISIBLE | WS_TABSTOP))
        return false;
    SetCommon(-1, ItemKind::MacroDisplay, Handle(), parent);
    if (m_scrollPictures && m_scrollPictures->width > 0 && m_scrollPictures->thumb != nullptr) {
        m_scrollBar = std::make_unique<CVScrollBar>(*m_scrollPictures, m_colours.background);
        const RECT bar{rect.right - rect.left - m_scrollPictures->width, 0, rect.right - rect.left,
                       rect.bottom - rect.top};
        if (!m_scrollBar->CreateBar(Handle(), bar))
            m_scrollBar.reset();
    }
    LayoutScrollBar();
    return true;
}

void CMacroDisplayItem::SetLook(const Colours& colours, int borderWidth, const Icons& icons, CFontItem* font)
{
    m_colours = colours;
    m_borderWidth = std::clamp(borderWidth, 0, 9);
    m_icons = icons;
    m_font = font;
    int textHeight = 16;
    if (Handle() != nullptr) {
        const HDC dc = GetDC(Handle());
        const ScopedSelect selected(dc, m_font != nullptr ? m_font->Font() : nullptr);
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc, &metrics))
            textHeight = metrics.tmHeight;
        ReleaseDC(Handle(), dc);
    }
    const int iconHeight = std::max({icons.keyDown.Height(), icons.keyUp.Height(), icons.mouse.Height(),
                                     icons.delay.Height()});
    m_rowHeight = std::max(textHeight + 4, iconHeight + 2);
    LayoutScrollBar();
    Redraw();
}

const std::vector<MacroEvent>& CMacroDisplayItem::Events() const noexcept
{
    return m_recorder->Events();
}

void CMacroDisplayItem::SetEvents(std::vector<MacroEvent> events)
{
    EndDelayEdit(false);
    m_recorder->SetEvents(std::move(events));
    m_selection.reset();
    m_top = 0;
    LayoutScrollBar();
    Redraw();
}

// --- rows and scrolling --------------------------------------------------------------------------

RECT CMacroDisplayItem::ListArea() const noexcept
{
    RECT client{};
    if (Handle() != nullptr)
        GetClientRect(Handle(), &client);
    InflateRect(&client, -m_borderWidth, -m_borderWidth);
    if (m_scrollBar != nullptr && IsWindowVisible(m_scrollBar->Handle()))
        client.right -= m_scrollPictures->width;
    return client;
}

int CMacroDisplayItem::VisibleRows() const noexcept
{
    const RECT area = ListArea();
    return ListRows::VisibleRows(area.bottom - area.top, m_rowHeight);
}

int CMacroDisplayItem::RowAt(POINT point) const noexcept
{
    const RECT area = ListArea();
    if (point.x < area.left || point.x >= area.right)
        return -1;
    return ListRows::RowAt(point.y - area.top, m_rowHeight, m_top, static_cast<int>(Events().size()));
}

void CMacroDisplayItem::ScrollTo(int top)
{
    const int clamped = ListRows::ClampTop(top, static_cast<int>(Events().size()), VisibleRows());
    if (clamped == m_top)
        return;
    m_top = clamped;
    if (m_scrollBar != nullptr)
        m_scrollBar->Follow();
    Redraw();
}

void CMacroDisplayItem::Select(std::optional<size_t> index)
{
    if (index && *index >= Events().size())
        index.reset();
    m_selection = index;
    if (index)
        ScrollTo(ListRows::TopShowing(static_cast<int>(*index), m_top, VisibleRows()));
    Redraw();
}

void CMacroDisplayItem::LayoutScrollBar()
{
    if (m_scrollBar == nullptr || Handle() == nullptr)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int height = client.bottom - client.top - 2 * m_borderWidth;
    const bool wanted = static_cast<int>(Events().size()) * m_rowHeight > height;
    ShowWindow(m_scrollBar->Handle(), wanted ? SW_SHOWNA : SW_HIDE);
    MoveWindow(m_scrollBar->Handle(), client.right - m_borderWidth - m_scrollPictures->width, m_borderWidth,
               m_scrollPictures->width, height, TRUE);
    m_top = ListRows::ClampTop(m_top, static_cast<int>(Events().size()), VisibleRows());
    m_scrollBar->Follow();
}

void CMacroDisplayItem::OnWheel(short delta)
{
    ScrollTo(m_top - delta / WHEEL_DELTA * 3);
}

void CMacroDisplayItem::OnScroll(WPARAM request)
{
    switch (LOWORD(request)) {
    case SB_LINEUP: ScrollTo(m_top - 1); break;
    case SB_LINEDOWN: ScrollTo(m_top + 1); break;
    case SB_PAGEUP: ScrollTo(m_top - VisibleRows()); break;
    case SB_PAGEDOWN: ScrollTo(m_top + VisibleRows()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(static_cast<short>(HIWORD(request))); break;
    default: break;
    }
}

// --- editing -------------------------------------------------------------------------------------

void CMacroDisplayItem::StepsChanged() const
{
    if (Handle() != nullptr)
        SendMessageW(GetParent(Handle()), Notification::kMacroEventsEdited, 0, reinterpret_cast<LPARAM>(Handle()));
}

std::optional<size_t> CMacroDisplayItem::InsertSteps(const std::vector<MacroEvent>& steps, std::optional<size_t> after)
{
    if (steps.empty() || m_recorder->IsLocked())
        return std::nullopt;
    auto position = static_cast<std::ptrdiff_t>(after ? *after + 1 : 0);
    size_t last = 0;
    for (const MacroEvent& step : steps)
        last = m_recorder->InsertStep(step, position++);
    LayoutScrollBar();
    Select(last);
    return last;
}

bool CMacroDisplayItem::ReplaceStep(size_t index, const MacroEvent& event)
{
    if (!m_recorder->ReplaceStep(index, event))
        return false;
    Redraw();
    StepsChanged();
    return true;
}

void CMacroDisplayItem::SetOptionPanels(CListPanelItem* withStep, CListPanelItem* withoutStep) noexcept
{
    m_withStep = withStep;
    m_withoutStep = withoutStep;
}

void CMacroDisplayItem::RunCommand(const std::wstring& command)
{
    if (m_readOnly)
        return;
    if (command == L"$InsertDelay") {
        if (const std::optional<size_t> inserted = m_recorder->InsertDelayAfter(m_selection)) {
            LayoutScrollBar();
            Select(*inserted);
            StepsChanged();
        }
    } else if (command == L"$Delete") {
        if (!m_selection || m_recorder->IsLocked() || *m_selection >= Events().size())
            return;
        const std::optional<size_t> next = m_recorder->DeleteStep(*m_selection);
        LayoutScrollBar();
        Select(next);
        StepsChanged();
    } else if (command == L"$Edit") {
        if (!m_selection || *m_selection >= Events().size())
            return;
        const MacroEvent& step = Events()[*m_selection];
        if (step.kind == MacroEventKind::Key)
            SendMessageW(GetParent(Handle()), Notification::kMacroEventEdit, 0, static_cast<LPARAM>(Identifier()));
        else if (step.kind == MacroEventKind::Delay)
            BeginDelayEdit(*m_selection);
    }
}

void CMacroDisplayItem::BeginDelayEdit(size_t index)
{
    EndDelayEdit(true);
    if (!m_edit) {
        auto edit = std::make_unique<CXListEdit>([this](bool keep) { EndDelayEdit(keep); });
        if (!edit->CreateIn(Handle()))
            return;
        m_edit = std::move(edit);
    }
    CEditItem::Look look;
    look.enabled = CEditItem::StateColours{m_colours.text, m_colours.background, m_colours.background};
    look.border = m_colours.border;
    m_edit->SetLook(look);
    m_edit->SetFont(m_font);
    Select(index);
    const RECT area = ListArea();
    const int top = area.top + (static_cast<int>(index) - m_top) * m_rowHeight;
    MoveWindow(m_edit->Handle(), area.left + m_iconWidth, top, area.right - area.left - m_iconWidth, m_rowHeight,
               TRUE);
    m_edit->SetText(std::to_wstring(Events()[index].DelayMilliseconds()));
    m_editIndex = index;
    SendMessageW(m_edit->Handle(), EM_SETSEL, 0, -1);
    ShowWindow(m_edit->Handle(), SW_SHOW);
    SetFocus(m_edit->Handle());
}

void CMacroDisplayItem::EndDelayEdit(bool keep)
{
    if (!m_editIndex || !m_edit)
        return;
    const size_t index = *std::exchange(m_editIndex, std::nullopt);
    const std::wstring text = m_edit->Text();
    const bool hadFocus = GetFocus() == m_edit->Handle();
    ShowWindow(m_edit->Handle(), SW_HIDE);
    if (hadFocus)
        SetFocus(Handle());
    if (!keep || text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos || text.size() > 8)
        return;
    const long milliseconds = std::wcstol(text.c_str(), nullptr, 10);
    if (milliseconds <= 0 || index >= Events().size())
        return;
    (void)ReplaceStep(index, MacroEvent::Delay(
                                 static_cast<int32_t>(std::min<long>(milliseconds, CMacroRecorder::kMaxDelay))));
}

// --- recording -----------------------------------------------------------------------------------

bool CMacroDisplayItem::IsRecording() const noexcept
{
    return m_recorder->IsRecording();
}

bool CMacroDisplayItem::ToggleRecording()
{
    if (m_readOnly)
        return false;
    CRawInputRegistry& registry = CWinRawInputDevices::ProgramRegistry();
    const bool wasRecording = m_recorder->IsRecording();
    if (!wasRecording && !m_recorder->IsLocked()) {
        // Recording must have the input: a key field that held the registration gives it up.
        registry.Unregister();
        registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
        registry.AddUsage(CRawInputRegistry::kUsageMouse);
        if (!registry.Register(reinterpret_cast<uintptr_t>(Handle()))) {
            registry.Unregister();
            return false;
        }
    }
    const bool recording = m_recorder->ToggleRecording();
    if (!recording && registry.Target() == reinterpret_cast<uintptr_t>(Handle()))
        registry.Unregister();
    if (!recording)
        m_captureWindow = nullptr;
    return recording;
}

void CMacroDisplayItem::OnRawInput(LPARAM input)
{
    if (!m_recorder->IsRecording() || m_recorder->IsLocked())
        return;
    const uint32_t tick = GetTickCount();
    size_t added = 0;
    if (IsKeyboardInput(input)) {
        if (const std::optional<RawKeyboard> raw = CWinRawInputDevices::ReadKeyboard(input))
            added = m_recorder->OnRawKeyboard(*raw, tick);
    } else if (const std::optional<USHORT> buttons = ReadMouseButtons(input)) {
        // The stop window's click: its press comes before the window takes the capture, so a
        // press over the window counts as captured too.
        bool captured = m_captureWindow != nullptr && GetCapture() == m_captureWindow;
        if (!captured && m_captureWindow != nullptr && (*buttons & kAnyButtonDown) != 0) {
            POINT cursor{};
            GetCursorPos(&cursor);
            captured = WindowFromPoint(cursor) == m_captureWindow && IsWindowEnabled(m_captureWindow);
        }
        added = m_recorder->OnRawMouseButtons(*buttons, tick, captured);
    }
    if (added == 0)
        return;
    LayoutScrollBar();
    Select(Events().size() - 1);
}

// --- preview -------------------------------------------------------------------------------------

void CMacroDisplayItem::StartPreview(std::vector<MacroEvent> steps)
{
    StopPreview();
    m_previewSteps = std::move(steps);
    m_previewNext = 0;
    m_previewing = true;
    SetTimer(Handle(), kPreviewTimer, kPreviewStepMs, nullptr);
}

void CMacroDisplayItem::StopPreview()
{
    if (Handle() != nullptr)
        KillTimer(Handle(), kPreviewTimer);
    m_previewing = false;
    m_previewNext = 0;
    m_recorder->SetEvents({});
    m_selection.reset();
    m_top = 0;
    LayoutScrollBar();
    Redraw();
}

void CMacroDisplayItem::PreviewNext()
{
    if (!m_previewing)
        return;
    if (m_previewNext >= m_previewSteps.size()) {
        StopPreview();
        SendMessageW(GetParent(Handle()), Notification::kMacroPreviewEnded, 0, 0);
        return;
    }
    const MacroEvent step = m_previewSteps[m_previewNext++];
    std::vector<MacroEvent> shown = Events();
    shown.push_back(step);
    m_recorder->SetEvents(std::move(shown));
    LayoutScrollBar();
    Select(Events().size() - 1);
    // A delay step is waited out before the next step shows.
    const UINT wait = step.kind == MacroEventKind::Delay
                          ? static_cast<UINT>(std::clamp<int32_t>(step.DelayMilliseconds(), 1, CMacroRecorder::kMaxDelay))
                          : kPreviewStepMs;
    SetTimer(Handle(), kPreviewTimer, wait, nullptr);
}

void CMacroDisplayItem::OnTimer(UINT_PTR timer)
{
    if (timer == kPreviewTimer)
        PreviewNext();
    else
        Default();
}

// --- input ---------------------------------------------------------------------------------------

void CMacroDisplayItem::OnLButtonDown(POINT point, WPARAM)
{
    SetFocus(Handle());
    EndDelayEdit(true);
    const int row = RowAt(point);
    Select(row >= 0 ? std::optional<size_t>(static_cast<size_t>(row)) : std::nullopt);
}

void CMacroDisplayItem::OnDoubleClick(POINT point)
{
    const int row = RowAt(point);
    if (row < 0 || m_readOnly)
        return;
    Select(static_cast<size_t>(row));
    RunCommand(L"$Edit");
}

void CMacroDisplayItem::OnRightPress(POINT point)
{
    if (m_readOnly || m_recorder->IsRecording())
        return;
    EndDelayEdit(true);
    const int row = RowAt(point);
    if (row >= 0)
        Select(static_cast<size_t>(row));
    CListPanelItem* panel = row >= 0 ? m_withStep : m_withoutStep;
    if (panel == nullptr)
        return;
    const int chosen = panel->ShowAt(Handle(), point.x, point.y);
    if (chosen >= 0 && IsWindow(Handle()))
        RunCommand(panel->EntryText(chosen));
}

void CMacroDisplayItem::OnKey(WPARAM key)
{
    const int count = static_cast<int>(Events().size());
    if (count == 0)
        return;
    const int current = m_selection ? static_cast<int>(*m_selection) : -1;
    int next = current;
    switch (key) {
    case VK_UP: next = std::max(current - 1, 0); break;
    case VK_DOWN: next = std::min(current + 1, count - 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    case VK_PRIOR: next = std::max(current - VisibleRows(), 0); break;
    case VK_NEXT: next = std::min(current + VisibleRows(), count - 1); break;
    case VK_DELETE: RunCommand(L"$Delete"); return;
    default: return;
    }
    Select(static_cast<size_t>(next));
}

LRESULT CMacroDisplayItem::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_INPUT:
        OnRawInput(lParam);
        // The system frees the record in the default handling.
        return Default();
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_RBUTTONDOWN: OnRightPress(point); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(point); return 0;
    case WM_MOUSEWHEEL: OnWheel(static_cast<short>(HIWORD(wParam))); return 0;
    case WM_VSCROLL: OnScroll(wParam); return 0;
    case WM_KEYDOWN: OnKey(wParam); return 0;
    case WM_SIZE: LayoutScrollBar(); break;
    case CVScrollBar::kStateMessage:
        if (lParam != 0)
            *reinterpret_cast<ScrollState*>(lParam) =
                ScrollState{static_cast<int>(Events().size()), VisibleRows(), m_top};
        return 0;
    default: break;
    }
    return CCustomWindow::OnMessage(message, wParam, lParam);
}

// --- drawing -------------------------------------------------------------------------------------

void CMacroDisplayItem::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

const PictureArea& CMacroDisplayItem::IconFor(int icon, bool selected) const noexcept
{
    switch (icon) {
    case kIconKeyPressed: return m_icons.keyDown;
    case kIconKeyReleased: return m_icons.keyUp;
    case kIconDelay: return selected && m_icons.delayHighlight ? m_icons.delayHighlight : m_icons.delay;
    default: return selected && m_icons.mouseHighlight ? m_icons.mouseHighlight : m_icons.mouse;
    }
}

void CMacroDisplayItem::PaintRow(HDC dc, size_t index, const RECT& row) const
{
    const bool selected = m_selection == index;
    const MacroStepText step = DescribeMacroStep(Events()[index], m_keyboard, &Translate);
    SetBkColor(dc, selected ? m_colours.highlightBackground : m_colours.background);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
    const PictureArea& icon = IconFor(step.icon, selected);
    if (icon) {
        const int x = row.left + std::max((m_iconWidth - icon.Width()) / 2, 0);
        const int y = row.top + std::max((m_rowHeight - icon.Height()) / 2, 0);
        DrawPictureArea(dc, x, y, std::min(icon.Width(), m_iconWidth), std::min(icon.Height(), m_rowHeight), icon);
    }
    RECT text = row;
    text.left += m_iconWidth + kTextIndent;
    SetTextColor(dc, selected ? m_colours.highlightText : m_colours.text);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, step.text.c_str(), static_cast<int>(step.text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CMacroDisplayItem::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const CMemDC2 surface(paint.Get(), &client);
    const HDC dc = surface.Get();
    SetBkColor(dc, m_colours.border);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    const RECT area = ListArea();
    SetBkColor(dc, m_colours.background);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    const ScopedSelect font(dc, m_font != nullptr ? m_font->Font() : nullptr);
    const size_t count = Events().size();
    const int visible = VisibleRows() + 1;
    for (int line = 0; line < visible; ++line) {
        const size_t index = static_cast<size_t>(m_top + line);
        if (index >= count)
            break;
        const RECT row{area.left, area.top + line * m_rowHeight, area.right,
                       std::min(area.top + (line + 1) * m_rowHeight, area.bottom)};
        PaintRow(dc, index, row);
    }
}
