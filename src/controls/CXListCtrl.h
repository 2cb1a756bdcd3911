#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/CListCheckPictures.h"
#include "controls/CXHeaderCtrl.h"
#include "controls/CXListEdit.h"
#include "controls/core/CReportListModel.h"
#include "platform/UniqueResource.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/CSubclassedWindow.h"

class CFontItem;
class CListPanelItem;
struct ListCtrlDescription;

// A LISTCTRL (kind 17): the report list of the profiles page, on the platform's report-style
// list view. Columns are addressed by their code from the list column table, rows by the key
// the page gives them; cells show text, a check picture or a drop-down button by their column's
// type. The list tells its windows about what the user did; it never touches the configuration:
//
//   to the parent (sent; wParam the list's window, lParam a record living during the call):
//     kProfileNameEdited      an in-place edit ended with Enter or a click elsewhere and the
//                             text changed, or a drop-down cell's choice (ListCellText)
//     kProfileProgramChosen   a program was chosen or removed (ListCellText, the full path)
//     kProfileCheckToggled    a check value changed (ListCellCheck)
//     kProfileOptionChosen    an option of the option panel other than the program options
//                             (ListCellText: row key, column 0, the option's language key)
//     kListPressed            any left press (wParam the row key or -1, lParam the list's window)
//   to the owner (SetOwner; the parent when none is set):
//     kProfileCellOpened      a STATIC cell was double-clicked (ListCellText without text)
//     kProfileOptionsOpening  the option panel is about to open (ListRow)
//
// Values the program sets (texts, checks, rows) are not reported.
class CXListCtrl : public CSubclassedWindow, public CGUIItem
{
public:
    struct Colours
    {
        COLORREF text = RGB(255, 255, 255);
        COLORREF highlightText = RGB(255, 255, 255);
        COLORREF background = RGB(0, 0, 0);
        COLORREF highlightBackground = RGB(0, 96, 0);
        COLORREF outline = RGB(96, 96, 96);
    };
    // Borrowed pictures; value-initialised ({}) to none.
    struct CheckPictures
    {
        HBITMAP unchecked;  // SBMN
        HBITMAP checked;    // SBMD
        HBITMAP mask;       // SBMM
    };
    // Picks a program for a row: the full path, or nothing when the user cancelled.
    using ProgramChooser = std::function<std::optional<std::wstring>(HWND owner)>;

    static constexpr UINT_PTR kDropDownTimer = 1;
    static constexpr UINT kDropDownTimerMs = 100;
    static constexpr int kCellIndent = 4;
    static constexpr int kEditIndent = 5;
    static constexpr int kImageSize = 18;
    // Columns of the program and its automatic switch, which the program options act on.
    static constexpr int32_t kProgramColumn = 3;
    static constexpr int32_t kAutoSwitchColumn = 4;

    // Null when the window cannot be made or a column is refused.
    [[nodiscard]] static std::unique_ptr<CXListCtrl> Create(const ListCtrlDescription& description, HWND parent,
                                                            CFontItem* font);
    static constexpr wchar_t kProgramFilter[] = L"*.exe|*.exe||";

    // The platform's open-file dialog for programs (kProgramFilter, the file must exist).
    [[nodiscard]] static std::optional<std::wstring> ChooseProgramFile(HWND owner);

    CXListCtrl();
    ~CXListCtrl() override;

    // `header` false: the list shows no column header.
    bool CreateList(HWND parent, const RECT& rect, bool header);
    void SetColours(const Colours& colours, const CXHeaderCtrl::Colours& headerColours);
    // The layout's colours, which new rows take.
    [[nodiscard]] const Colours& GetColours() const noexcept { return m_colours; }
    void SetFont(CFontItem* font);
    void SetSorted(bool sorted);

    // The column's position, or -1 (see CReportListModel::AddColumn); headings are text keys.
    int AddColumn(int32_t code, std::wstring heading, int32_t type, int width, const CheckPictures& pictures = {},
                  bool exclusive = false);
    // An empty row before `position` in the given colours; its index or -1.
    int InsertRow(int position, COLORREF text, COLORREF background, COLORREF highlightText,
                  COLORREF highlightBackground);
    bool SetRowKey(int row, int32_t key);
    // Green texts and the given backgrounds: the active profile's row.
    void MarkRow(int row, COLORREF background, COLORREF highlightBackground);
    bool SetCellText(int32_t column, int32_t key, std::wstring_view text);
    bool SetCheck(int32_t column, int32_t key, int value);
    // The entries a COMBO column's drop-down buttons offer.
    void SetChoices(int32_t column, std::vector<std::wstring> choices);
    [[nodiscard]] int32_t GetSelectedRowKey() const noexcept;
    bool SelectRow(int row);
    void DeleteAllRows();
    [[nodiscard]] int FindRow(int32_t key) const noexcept { return m_model.FindRow(key); }
    [[nodiscard]] const CReportListModel& Model() const noexcept { return m_model; }

    // The option panel the right button opens (borrowed; null: none).
    void SetOptionPanel(CListPanelItem* panel) noexcept { m_optionPanel = panel; }
    void SetOwner(HWND owner) noexcept { m_owner = owner; }
    void SetProgramChooser(ProgramChooser chooser) { m_chooseProgram = std::move(chooser); }

    // The cell's rectangle in the list's client coordinates; empty outside.
    [[nodiscard]] RECT CellRect(int row, int position) const noexcept;
    [[nodiscard]] bool IsEditing() const noexcept { return m_editRow >= 0; }
    [[nodiscard]] CXListEdit* EditField() const noexcept { return m_edit.get(); }
    [[nodiscard]] const CXHeaderCtrl& Header() const noexcept { return m_header; }
    // Starts the in-place edit of a cell, as a double click on an EDIT cell does.
    void BeginEdit(int row, int position);
    // Ends a running in-place edit, keeping or discarding its text.
    void EndEdit(bool keep);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDrawItem(const DRAWITEMSTRUCT& draw) override;

private:
    struct Hit
    {
        int row = -1;
        int position = -1;
        RECT cell{};
    };
    struct ListImagesTraits
    {
        using Handle = HIMAGELIST;
        static constexpr HIMAGELIST Invalid() noexcept { return nullptr; }
        static void Close(HIMAGELIST images) noexcept { ImageList_Destroy(images); }
    };

    [[nodiscard]] Hit HitAt(POINT point) const;
    [[nodiscard]] HWND OwnerWindow() const noexcept;
    [[nodiscard]] int32_t KeyOf(int row) const noexcept;
    [[nodiscard]] std::vector<int> ColumnWidths() const;
    void OnLeftPress(POINT point);
    void OnDoubleClick(POINT point);
    void OnRightPress(POINT point);
    void ClickCheck(const Hit& hit);
    void OpenChoices(const Hit& hit);
    void ChooseProgram(int row, int position);
    void RemoveProgram(int row);
    void TakeOption(int row, const std::wstring& key);
    void SendText(UINT message, HWND target, int row, int position, const wchar_t* text) const;
    void SendCheck(int row, int position, uint8_t value) const;
    void RefreshHeaderMarks();
    void SyncRows();
    void RedrawRow(int row) const;
    void PaintCell(HDC dc, const CReportListModel::Cell& cell, int position, const RECT& rect, bool selected) const;
    void PaintDropDownButton(HDC dc, const RECT& cell, COLORREF colour, bool pressed) const;
    void OnNcPaint();

    CReportListModel m_model;
    std::vector<std::unique_ptr<CListCheckPictures>> m_checkPictures;  // by position; null: none
    std::vector<std::vector<std::wstring>> m_choices;                   // by position
    CXHeaderCtrl m_header;
    std::unique_ptr<CXListEdit> m_edit;
    platform::UniqueResource<ListImagesTraits> m_images;
    Colours m_colours;
    CFontItem* m_font = nullptr;               // not owned
    CListPanelItem* m_optionPanel = nullptr;   // not owned
    HWND m_owner = nullptr;
    ProgramChooser m_chooseProgram;
    int m_editRow = -1;
    int m_editPosition = -1;
    int m_pressedRow = -1;
    int m_pressedPosition = -1;
    bool m_buttonPressed = false;
};
