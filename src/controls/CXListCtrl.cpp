#include "controls/CXListCtrl.h"

#include <algorithm>

#include "platform/win/CCommonFileDialogs.h"
#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/IListPopup.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/Notifications.h"

namespace {

constexpr wchar_t kAssignApplication[] = L"$AssignApplication";
constexpr wchar_t kUnassignApplication[] = L"$UnassignApplication";

void Take(COLORREF& colour, const std::optional<int32_t>& given) noexcept
{
    if (given)
        colour = static_cast<COLORREF>(*given);
}

// The file name and extension of a path.
std::wstring FileNameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

CReportListModel::Colours ModelColours(COLORREF text, COLORREF background, COLORREF highlightText,
                                       COLORREF highlightBackground) noexcept
{
    return {static_cast<int32_t>(text), static_cast<int32_t>(background), static_cast<int32_t>(highlightText),
            static_cast<int32_t>(highlightBackground)};
}

}  // namespace

std::unique_ptr<CXListCtrl> CXListCtrl::Create(const ListCtrlDescription& description, HWND parent, CFontItem* font)
{
    auto list = std::make_unique<CXListCtrl>();
    const LayoutRect& place = description.rect;
    const RECT rect{place.left, place.top, place.left + place.width, place.top + place.height};
    if (!list->CreateList(parent, rect, description.header.has_value()))
        return nullptr;
    Colours colours;
    Take(colours.text, description.fontColour);
    Take(colours.highlightText, description.fontColourHighlight);
    Take(colours.background, description.backColour);
    Take(colours.highlightBackground, description.backColourHighlight);
    Take(colours.outline, description.borderColour);
    CXHeaderCtrl::Colours header;
    header.outline = colours.outline;
    if (description.header) {
        Take(header.background, description.header->backColour);
        Take(header.text, description.header->fontColour);
    }
    list->SetColours(colours, header);
    list->SetFont(font);
    for (const ListColumnDescription& column : description.columns) {
        const CheckPictures pictures{BitmapOf(column.normal), BitmapOf(column.down), BitmapOf(column.mask)};
        if (list->AddColumn(column.column, column.heading, column.type, column.width, pictures, column.exclusive) < 0)
            return nullptr;  // a list that is not fully built is not kept
    }
    list->SetSorted(description.sorted);
    return list;
}

std::optional<std::wstring> CXListCtrl::ChooseProgramFile(HWND owner)
{
    FileDialogRequest request;
    request.owner = owner;
    request.filter = kProgramFilter;
    return CCommonFileDialogs().ChooseFileToOpen(request);
}

CXListCtrl::CXListCtrl() : m_chooseProgram(&CXListCtrl::ChooseProgramFile) {}

CXListCtrl::~CXListCtrl()
{
    // The edit field is a child of the list's window: it goes first.
    m_edit.reset();
}

bool CXListCtrl::CreateList(HWND parent, const RECT& rect, bool header)
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                        LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_OWNERDATA | LVS_SHAREIMAGELISTS |
                        LVS_NOSORTHEADER | (header ? 0 : LVS_NOCOLUMNHEADER);
    if (!CSubclassedWindow::Create(WC_LISTVIEWW, parent, rect, style))
        return false;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_FLATSB | LVS_EX_DOUBLEBUFFER);
    // The small-image list sets the rows' least height.
    m_images.Reset(ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, 1, 1));
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_images.Get()));
    if (header)
        m_header.AttachTo(Handle());
    SetColours(m_colours, {});
    return true;
}

void CXListCtrl::SetColours(const Colours& colours, const CXHeaderCtrl::Colours& headerColours)
{
    m_colours = colours;
    m_header.SetColours(headerColours);
    if (Handle() == nullptr)
        return;
    SendMessageW(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colours.background));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CXListCtrl::SetFont(CFontItem* font)
{
    m_font = font;
    if (Handle() != nullptr && font != nullptr)
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->Font()), TRUE);
}

void CXListCtrl::SetSorted(bool sorted)
{
    m_model.SetSorted(sorted);
    SyncRows();
}

int CXListCtrl::AddColumn(int32_t code, std::wstring heading, int32_t type, int width, const CheckPictures& pictures,
                          bool exclusive)
{
    const int position = m_model.AddColumn(code, type, exclusive);
    if (position < 0)
        return -1;
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.cx = width;
    column.pszText = heading.data();
    column.iSubItem = position;
    if (SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&column)) !=
        position)
        return -1;
    const bool checkBox = m_model.ColumnAt(position)->type == CReportListModel::ColumnType::CheckBox;
    m_checkPictures.push_back(checkBox ? std::make_unique<CListCheckPictures>(pictures.unchecked, pictures.checked,
                                                                              pictures.mask)
                                       : nullptr);
    m_choices.emplace_back();
    m_header.AddHeading(std::move(heading), m_checkPictures.back().get());
    RefreshHeaderMarks();
    return position;
}

int CXListCtrl::InsertRow(int position, COLORREF text, COLORREF background, COLORREF highlightText,
                          COLORREF highlightBackground)
{
    const int row = m_model.InsertRow(position, ModelColours(text, background, highlightText, highlightBackground));
    if (row >= 0)
        SyncRows();
    return row;
}

bool CXListCtrl::SetRowKey(int row, int32_t key)
{
    return m_model.SetRowKey(row, key);
}

void CXListCtrl::MarkRow(int row, COLORREF background, COLORREF highlightBackground)
{
    if (m_model.MarkRow(row, static_cast<int32_t>(background), static_cast<int32_t>(highlightBackground)))
        RedrawRow(row);
}

bool CXListCtrl::SetCellText(int32_t column, int32_t key, std::wstring_view text)
{
    if (!m_model.SetCellText(column, key, text))
        return false;
    if (m_model.IsSorted())
        InvalidateRect(Handle(), nullptr, FALSE);
    else
        RedrawRow(m_model.FindRow(key));
    return true;
}

bool CXListCtrl::SetCheck(int32_t column, int32_t key, int value)
{
    if (!m_model.SetCheck(column, key, value))
        return false;
    InvalidateRect(Handle(), nullptr, FALSE);
    RefreshHeaderMarks();
    return true;
}

void CXListCtrl::SetChoices(int32_t column, std::vector<std::wstring> choices)
{
    if (const CReportListModel::Column* found = m_model.ColumnOf(column))
        m_choices[found->position] = std::move(choices);
}

int32_t CXListCtrl::GetSelectedRowKey() const noexcept
{
    const auto row = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row >= 0 ? KeyOf(row) : CReportListModel::kNoKey;
}

bool CXListCtrl::SelectRow(int row)
{
    if (m_model.RowAt(row) == nullptr)
        return false;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    return true;
}

void CXListCtrl::DeleteAllRows()
{
    EndEdit(false);
    m_model.DeleteAllRows();
    SyncRows();
}

int32_t CXListCtrl::KeyOf(int row) const noexcept
{
    const CReportListModel::Row* record = m_model.RowAt(row);
    return record != nullptr ? record->key : CReportListModel::kNoKey;
}

HWND CXListCtrl::OwnerWindow() const noexcept
{
    return m_owner != nullptr ? m_owner : GetParent(Handle());
}

void CXListCtrl::SyncRows()
{
    if (Handle() == nullptr)
        return;
    SendMessageW(Handle(), LVM_SETITEMCOUNT, m_model.RowCount(), LVSICF_NOSCROLL);
    InvalidateRect(Handle(), nullptr, FALSE);
    RefreshHeaderMarks();
}

void CXListCtrl::RedrawRow(int row) const
{
    if (row >= 0 && Handle() != nullptr)
        SendMessageW(Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

void CXListCtrl::RefreshHeaderMarks()
{
    for (size_t position = 0; position < m_checkPictures.size(); ++position) {
        if (m_checkPictures[position] != nullptr)
            m_header.SetAllChecked(static_cast<int>(position), m_model.AllChecked(static_cast<int>(position)));
    }
}

std::vector<int> CXListCtrl::ColumnWidths() const
{
    std::vector<int> widths;
    for (size_t position = 0; position < m_model.ColumnCount(); ++position)
        widths.push_back(static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, position, 0)));
    return widths;
}

RECT CXListCtrl::CellRect(int row, int position) const noexcept
{
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    if (m_model.CellAt(row, position) == nullptr ||
        !SendMessageW(Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)))
        return RECT{};
    const std::vector<int> widths = ColumnWidths();
    for (int before = 0; before < position; ++before)
        rect.left += widths[before];
    rect.right = rect.left + widths[position];
    return rect;
}

CXListCtrl::Hit CXListCtrl::HitAt(POINT point) const
{
    Hit hit;
    LVHITTESTINFO test{};
    test.pt = point;
    const auto row = static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&test)));
    if (row < 0 || m_model.RowAt(row) == nullptr)
        return hit;
    hit.row = row;
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    hit.position = CReportListModel::ColumnAtX(ColumnWidths(), point.x - bounds.left);
    if (hit.position >= 0)
        hit.cell = CellRect(row, hit.position);
    return hit;
}

void CXListCtrl::SendText(UINT message, HWND target, int row, int position, const wchar_t* text) const
{
    const ListCellText record{KeyOf(row), position, text};
    SendMessageW(target, message, reinterpret_cast<WPARAM>(Handle()), reinterpret_cast<LPARAM>(&record));
}

void CXListCtrl::SendCheck(int row, int position, uint8_t value) const
{
    const ListCellCheck record{KeyOf(row), position, &value};
    SendMessageW(GetParent(Handle()), Notification::kProfileCheckToggled, reinterpret_cast<WPARAM>(Handle()),
                 reinterpret_cast<LPARAM>(&record));
}

void CXListCtrl::OnLeftPress(POINT point)
{
    EndEdit(true);
    const Hit hit = HitAt(point);
    if (hit.row < 0)
        KillTimer(Handle(), kDropDownTimer);
    const CReportListModel::Cell* cell = m_model.CellAt(hit.row, hit.position);
    const CReportListModel::Column* column = m_model.ColumnAt(hit.position);
    bool openChoices = false;
    if (cell != nullptr && column->type == CReportListModel::ColumnType::CheckBox &&
        CReportListModel::OnCheckMark(hit.cell.left, hit.cell.right, point.x))
        ClickCheck(hit);
    else if (cell != nullptr && cell->hasDropDown &&
             CReportListModel::OnDropDownButton(hit.cell.right, hit.cell.bottom - hit.cell.top, point.x)) {
        m_buttonPressed = true;
        m_pressedRow = hit.row;
        m_pressedPosition = hit.position;
        RedrawRow(hit.row);
        SetTimer(Handle(), kDropDownTimer, kDropDownTimerMs, nullptr);
        openChoices = true;
    }
    SendMessageW(GetParent(Handle()), Notification::kListPressed, static_cast<WPARAM>(KeyOf(hit.row)),
                 reinterpret_cast<LPARAM>(Handle()));
    // The list view selects the row.
    Default();
    if (openChoices)
        OpenChoices(hit);
}

void CXListCtrl::ClickCheck(const Hit& hit)
{
    const std::optional<uint8_t> value = m_model.ClickCheck(hit.row, hit.position);
    if (!value)
        return;
    // An exclusive column may have cleared another row's check.
    InvalidateRect(Handle(), nullptr, FALSE);
    SendCheck(hit.row, hit.position, *value);
    RefreshHeaderMarks();
}

void CXListCtrl::OpenChoices(const Hit& hit)
{
    IListPopup* popup = CSkinEnvironment::Instance().ListPopup();
    const std::vector<std::wstring>& choices = m_choices[hit.position];
    int chosen = -1;
    if (popup != nullptr && !choices.empty()) {
        ListPopupRequest request;
        request.owner = GetParent(Handle());
        RECT place = hit.cell;
        place.top = place.bottom;
        place.bottom = place.top + static_cast<int>(std::min<size_t>(choices.size(), 5)) * (hit.cell.bottom - hit.cell.top) + 2;
        MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&place), 2);
        request.screenRect = place;
        for (const std::wstring& choice : choices)
            request.entries.push_back(ListPopupEntry{choice, {}, nullptr});
        request.font = m_font != nullptr ? m_font->Font() : nullptr;
        request.colours.text = static_cast<int32_t>(m_colours.text);
        request.colours.background = static_cast<int32_t>(m_colours.background);
        request.colours.highlightText = static_cast<int32_t>(m_colours.highlightText);
        request.colours.highlightBackground = static_cast<int32_t>(m_colours.highlightBackground);
        request.colours.border = static_cast<int32_t>(m_colours.outline);
        chosen = popup->Show(request);
    }
    KillTimer(Handle(), kDropDownTimer);
    m_buttonPressed = false;
    RedrawRow(hit.row);
    if (chosen < 0 || static_cast<size_t>(chosen) >= choices.size() || !IsWindow(Handle()))
        return;
    const std::wstring& text = choices[static_cast<size_t>(chosen)];
    if (text == m_model.CellAt(hit.row, hit.position)->text)
        return;
    const int32_t key = KeyOf(hit.row);
    m_model.SetText(hit.row, hit.position, text);
    SendText(Notification::kProfileNameEdited, GetParent(Handle()), m_model.FindRow(key), hit.position, text.c_str());
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CXListCtrl::OnDoubleClick(POINT point)
{
    Default();
    const Hit hit = HitAt(point);
    const CReportListModel::Column* column = m_model.ColumnAt(hit.position);
    if (hit.row < 0 || column == nullptr)
        return;
    switch (column->type) {
    case CReportListModel::ColumnType::FileDialog: ChooseProgram(hit.row, hit.position); break;
    case CReportListModel::ColumnType::Edit: BeginEdit(hit.row, hit.position); break;
    case CReportListModel::ColumnType::Static:
        SendText(Notification::kProfileCellOpened, OwnerWindow(), hit.row, hit.position, nullptr);
        break;
    default: break;
    }
}

void CXListCtrl::ChooseProgram(int row, int position)
{
    const int32_t key = KeyOf(row);
    const std::optional<std::wstring> path = m_chooseProgram ? m_chooseProgram(GetParent(Handle())) : std::nullopt;
    // The dialog ran its own loop; the rows may have changed meanwhile.
    row = m_model.FindRow(key);
    if (!path || row < 0)
        return;
    m_model.SetText(row, position, FileNameOf(*path));
    InvalidateRect(Handle(), nullptr, FALSE);
    SendText(Notification::kProfileProgramChosen, GetParent(Handle()), m_model.FindRow(key), position, path->c_str());
}

void CXListCtrl::RemoveProgram(int row)
{
    const int32_t key = KeyOf(row);
    if (const CReportListModel::Column* program = m_model.ColumnOf(kProgramColumn)) {
        m_model.SetText(row, program->position, L"");
        InvalidateRect(Handle(), nullptr, FALSE);
        SendText(Notification::kProfileProgramChosen, GetParent(Handle()), m_model.FindRow(key), program->position,
                 L"");
    }
    const CReportListModel::Column* autoSwitch = m_model.ColumnOf(kAutoSwitchColumn);
    row = m_model.FindRow(key);
    if (autoSwitch != nullptr && row >= 0 && m_model.SetCheck(kAutoSwitchColumn, key, 0)) {
        InvalidateRect(Handle(), nullptr, FALSE);
        SendCheck(row, autoSwitch->position, 0);
        RefreshHeaderMarks();
    }
}

void CXListCtrl::OnRightPress(POINT point)
{
    if (m_optionPanel == nullptr) {
        Default();
        return;
    }
    EndEdit(true);
    const Hit hit = HitAt(point);
    if (hit.row < 0)
        return;
    // The options act on the selected row: the one under the cursor.
    SelectRow(hit.row);
    const int32_t key = KeyOf(hit.row);
    const ListRow record{key};
    SendMessageW(OwnerWindow(), Notification::kProfileOptionsOpening, reinterpret_cast<WPARAM>(Handle()),
                 reinterpret_cast<LPARAM>(&record));
    const int chosen = m_optionPanel->ShowAt(Handle(), point.x, point.y);
    const int row = IsWindow(Handle()) ? m_model.FindRow(key) : -1;
    if (chosen < 0 || row < 0)
        return;
    TakeOption(row, m_optionPanel->EntryText(chosen));
}

void CXListCtrl::TakeOption(int row, const std::wstring& key)
{
    if (key == kAssignApplication) {
        if (const CReportListModel::Column* program = m_model.ColumnOf(kProgramColumn))
            ChooseProgram(row, program->position);
    } else if (key == kUnassignApplication)
        RemoveProgram(row);
    else
        SendText(Notification::kProfileOptionChosen, GetParent(Handle()), row, 0, key.c_str());
}

void CXListCtrl::BeginEdit(int row, int position)
{
    const CReportListModel::Cell* cell = m_model.CellAt(row, position);
    if (cell == nullptr || (row == m_editRow && position == m_editPosition))
        return;
    EndEdit(true);
    if (!m_edit) {
        auto edit = std::make_unique<CXListEdit>([this](bool keep) { EndEdit(keep); });
        if (!edit->CreateIn(Handle()))
            return;
        m_edit = std::move(edit);
    }
    CEditItem::Look look;
    look.enabled = CEditItem::StateColours{m_colours.text, m_colours.background, m_colours.background};
    look.border = m_colours.outline;
    m_edit->SetLook(look);
    m_edit->SetFont(m_font);
    RECT place = CellRect(row, position);
    place.left += kEditIndent;
    MoveWindow(m_edit->Handle(), place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    m_edit->SetText(cell->text);
    m_editRow = row;
    m_editPosition = position;
    SendMessageW(m_edit->Handle(), EM_SETSEL, 0, -1);
    ShowWindow(m_edit->Handle(), SW_SHOW);
    SetFocus(m_edit->Handle());
}

void CXListCtrl::EndEdit(bool keep)
{
    if (m_editRow < 0)
        return;
    const int row = std::exchange(m_editRow, -1);
    const int position = std::exchange(m_editPosition, -1);
    const std::wstring text = m_edit->Text();
    const bool hadFocus = GetFocus() == m_edit->Handle();
    ShowWindow(m_edit->Handle(), SW_HIDE);
    if (hadFocus)
        SetFocus(Handle());
    const CReportListModel::Cell* cell = m_model.CellAt(row, position);
    if (!keep || cell == nullptr || cell->text == text)
        return;
    const int32_t key = KeyOf(row);
    m_model.SetText(row, position, text);
    InvalidateRect(Handle(), nullptr, FALSE);
    SendText(Notification::kProfileNameEdited, GetParent(Handle()), m_model.FindRow(key), position, text.c_str());
}

void CXListCtrl::OnDrawItem(const DRAWITEMSTRUCT& draw)
{
    const int row = static_cast<int>(draw.itemID);
    const CReportListModel::Row* record = m_model.RowAt(row);
    if (record == nullptr)
        return;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const ScopedSelect selectedFont(draw.hDC, font);
    const std::vector<int> widths = ColumnWidths();
    RECT cell = draw.rcItem;
    for (size_t position = 0; position < record->cells.size() && position < widths.size(); ++position) {
        cell.right = cell.left + widths[position];
        PaintCell(draw.hDC, record->cells[position], static_cast<int>(position), cell, selected);
        cell.left = cell.right;
    }
    // The rest of the row right of the last column.
    if (cell.left < draw.rcItem.right) {
        const UniqueBrush rest(CreateSolidBrush(m_colours.background));
        const RECT area{cell.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom};
        FillRect(draw.hDC, &area, rest.Get());
    }
}

void CXListCtrl::PaintCell(HDC dc, const CReportListModel::Cell& cell, int position, const RECT& rect,
                           bool selected) const
{
    const COLORREF background = static_cast<COLORREF>(selected ? cell.colours.highlightBackground : cell.colours.background);
    const COLORREF text = static_cast<COLORREF>(selected ? cell.colours.highlightText : cell.colours.text);
    const UniqueBrush fill(CreateSolidBrush(background));
    FillRect(dc, &rect, fill.Get());
    const CListCheckPictures* check = m_checkPictures[static_cast<size_t>(position)].get();
    if (check != nullptr && cell.check >= 0)
        check->Draw(dc, rect, cell.check == 1);
    RECT textArea = rect;
    textArea.left += kCellIndent;
    textArea.right -= kCellIndent;
    if (cell.hasDropDown) {
        const bool pressed = m_buttonPressed && m_pressedPosition == position &&
                             m_model.CellAt(m_pressedRow, position) == &cell;
        PaintDropDownButton(dc, rect, text, pressed);
        textArea.right -= rect.bottom - rect.top;
    }
    if (!cell.text.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        DrawTextW(dc, cell.text.c_str(), static_cast<int>(cell.text.size()), &textArea,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    const UniqueBrush outline(CreateSolidBrush(m_colours.outline));
    const RECT separator{rect.right - 1, rect.top, rect.right, rect.bottom};
    const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
    FillRect(dc, &separator, outline.Get());
    FillRect(dc, &bottom, outline.Get());
}

void CXListCtrl::PaintDropDownButton(HDC dc, const RECT& cell, COLORREF colour, bool pressed) const
{
    const int side = cell.bottom - cell.top;
    const RECT button{cell.right - side, cell.top, cell.right, cell.bottom};
    const UniqueBrush face(CreateSolidBrush(pressed ? m_colours.highlightBackground : m_colours.outline));
    FillRect(dc, &button, face.Get());
    // A downward triangle of lines 7, 5, 3 and 1 pixels wide.
    const UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    const ScopedSelect selected(dc, pen.Get());
    const int left = button.left + (side - 7) / 2;
    const int top = button.top + (side - 4) / 2;
    for (int line = 0; line < 4; ++line) {
        MoveToEx(dc, left + line, top + line, nullptr);
        LineTo(dc, left + 7 - line, top + line);
    }
}

void CXListCtrl::OnNcPaint()
{
    Default();
    // The one-pixel border in the outline colour.
    const platform::UniqueResource<platform::win::WindowDcTraits> dc(GetWindowDC(Handle()),
                                                                     platform::win::WindowDcTraits{Handle()});
    if (!dc)
        return;
    RECT window{};
    GetWindowRect(Handle(), &window);
    OffsetRect(&window, -window.left, -window.top);
    const UniqueBrush outline(CreateSolidBrush(m_colours.outline));
    FrameRect(dc.Get(), &window, outline.Get());
}

LRESULT CXListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_LBUTTONDOWN: OnLeftPress(point); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(point); return 0;
    case WM_RBUTTONDOWN: OnRightPress(point); return 0;
    case WM_NCPAINT: OnNcPaint(); return 0;
    case WM_TIMER:
        if (wParam != kDropDownTimer)
            break;
        if (m_buttonPressed) {
            // The button springs back once the cursor has left its cell.
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(Handle(), &cursor);
            const RECT cell = CellRect(m_pressedRow, m_pressedPosition);
            if (!PtInRect(&cell, cursor)) {
                m_buttonPressed = false;
                RedrawRow(m_pressedRow);
            }
        }
        return 0;
    case WM_KEYDOWN:
    case WM_CHAR:
        // The space bar never toggles the list view's own selection.
        if (wParam == VK_SPACE && !IsEditing())
            return 0;
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        // The edit field would stay behind while the cells move.
        EndEdit(true);
        break;
    default: break;
    }
    return CSubclassedWindow::OnMessage(message, wParam, lParam);
}
