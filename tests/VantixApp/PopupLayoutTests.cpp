// Every pop-up layout of the installation built into a real panel, the way the program shows its
// pop-ups: in English, in a Chinese and in a Cyrillic language.
#include <array>
#include <string>
#include <string_view>

#include "AppTestSupport.h"
#include "VantixApp/CVantixWarningDlg.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CTextItem.h"
#include "skin/win/CToolTip.h"
#include "vocabulary/ItemIds.h"

namespace {

struct PopupLayout
{
    std::wstring_view file;
    SIZE size;
    int32_t closeButton;  // the button that ends the pop-up with OK (or closes it)
    int32_t heading;
};

constexpr SIZE kMessage{440, 220};
constexpr std::array<PopupLayout, 27> kPopups = {{
    {L"ExportMacroFailedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ImportMacroFailedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"NoMousePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ApplyFailedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ReadFailedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"RestorePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"NoClickPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ProfileLimitReachedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ProfileNamePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ProfileRenamePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"DuplicateProfileWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ExportProfileWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ImporttProfileWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ExportProfileFailedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ImportProfileFailedPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"DisallowDeletePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ConfirmDeletePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"SelectApplicationWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"PreviewPopup.xml", {520, 360}, ItemId::BUTTON_POPUP_PREVIEW_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"MacroNamePopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"DuplicateMacroWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"DefaultDelayWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ExportMacroWarningPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"ConfirmDeleteMacroPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"SingleKeyPopup.xml", kMessage, ItemId::BUTTON_POPUP_OK, ItemId::TEXT_WARNDLG_HEADING},
    {L"DPIStagesPopup.xml", {760, 480}, ItemId::BUTTON_DPISTAGES_OK, ItemId::TEXT_SENSITIVITYSTAGE_HEADING},
    {L"AdvancedMacroPopup.xml", {520, 260}, ItemId::BUTTON_POPUP_CANCEL, ItemId::TEXT_WARNDLG_HEADING},
}};

std::string Narrow(std::wstring_view text)
{
    return std::string(text.begin(), text.end());
}

std::wstring FaceOf(HFONT font)
{
    LOGFONTW description{};
    if (font == nullptr || GetObjectW(font, sizeof(description), &description) == 0)
        return {};
    return description.lfFaceName;
}

std::wstring FaceOf(const CFontItem* font)
{
    return FaceOf(font != nullptr ? font->Font() : nullptr);
}

// The item's window in the panel's client coordinates.
RECT AreaInPanel(HWND item, HWND panel)
{
    RECT area{};
    GetWindowRect(item, &area);
    MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

}  // namespace

class PopupLayoutTest : public ::testing::TestWithParam<const wchar_t*>
{
protected:
    // Builds every pop-up in turn and hands it to `check` while it is open.
    template <typename Check>
    void ForEveryPopup(Check check)
    {
        for (const PopupLayout& layout : kPopups) {
            SCOPED_TRACE(Narrow(layout.file));
            CVantixWarningDlg popup(WarningRequest{std::wstring(layout.file), L"", L""}, nullptr);
            ASSERT_TRUE(popup.CreateModeless(nullptr));
            PumpFor(2);
            check(layout, popup);
            DestroyWindow(popup.Handle());
            PumpFor(1);
        }
    }

    SkinEnvironmentScope skin{GetParam()};
};

TEST_P(PopupLayoutTest, EveryPopupTakesItsShapeAndSizeFromItsPictures)
{
    ForEveryPopup([](const PopupLayout& layout, CVantixWarningDlg& popup) {
        ASSERT_NE(popup.Background(), nullptr);
        EXPECT_TRUE(popup.HasOutline());
        RECT client{};
        GetClientRect(popup.Handle(), &client);
        EXPECT_EQ(client.right, layout.size.cx);
        EXPECT_EQ(client.bottom, layout.size.cy);
        // The top left corner is cut away, the middle is not.
        RECT window{};
        GetWindowRect(popup.Handle(), &window);
        const HRGN outline = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(popup.Handle(), outline), ERROR);
        EXPECT_FALSE(PtInRegion(outline, 0, 0));
        EXPECT_TRUE(PtInRegion(outline, layout.size.cx / 2, layout.size.cy / 2));
        DeleteObject(outline);
    });
}

TEST_P(PopupLayoutTest, EveryItemWindowLiesInsideItsPopup)
{
    ForEveryPopup([](const PopupLayout& layout, CVantixWarningDlg& popup) {
        size_t windows = 0;
        for (size_t index = 0; index < popup.Items().Size(); ++index) {
            const CGUIItem& item = popup.Items().At(index);
            if (item.ItemWindow() == nullptr || GetParent(item.ItemWindow()) != popup.Handle())
                continue;
            ++windows;
            const RECT area = AreaInPanel(item.ItemWindow(), popup.Handle());
            EXPECT_GE(area.left, 0) << item.Identifier();
            EXPECT_GE(area.top, 0) << item.Identifier();
            EXPECT_LE(area.right, layout.size.cx) << item.Identifier();
            EXPECT_LE(area.bottom, layout.size.cy) << item.Identifier();
        }
        EXPECT_GE(windows, 2u);
    });
}

TEST_P(PopupLayoutTest, EveryPopupHasAVisibleWayOutAndATranslatedHeading)
{
    const std::wstring_view language = GetParam();
    ForEveryPopup([&](const PopupLayout& layout, CVantixWarningDlg& popup) {
        const CGUIItem* close = popup.Items().FindById(layout.closeButton);
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->Kind(), ItemKind::Button);
        EXPECT_NE(GetWindowLongW(close->ItemWindow(), GWL_STYLE) & WS_VISIBLE, 0);

        const auto* heading = popup.Items().Find<CTextItem>(layout.heading, ItemKind::TextItem);
        ASSERT_NE(heading, nullptr);
        ASSERT_FALSE(heading->Text().empty());
        EXPECT_NE(heading->Text().front(), L'$') << "untranslated: " << Narrow(heading->Text());
        const std::wstring face = FaceOf(heading->Font());
        if (language == L"ChineseSimplified")
            EXPECT_EQ(face, L"Noto Sans CJK SC");
        else
            EXPECT_EQ(face, L"Liberation Sans");
    });
}

TEST_P(PopupLayoutTest, ToolTipsShowInTheFaceOfTheLanguagesTexts)
{
    // The system's tool tip font has no Chinese, Japanese or Korean glyphs.
    ForEveryPopup([](const PopupLayout& layout, CVantixWarningDlg& popup) {
        const auto* heading = popup.Items().Find<CTextItem>(layout.heading, ItemKind::TextItem);
        ASSERT_NE(heading, nullptr);
        CToolTip tip;
        ASSERT_TRUE(tip.Ensure(popup.Handle()));
        const auto font = reinterpret_cast<HFONT>(SendMessageW(tip.Handle(), WM_GETFONT, 0, 0));
        EXPECT_EQ(FaceOf(font), FaceOf(heading->Font()));
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, PopupLayoutTest,
                         ::testing::Values(L"English", L"ChineseSimplified", L"Russian"),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                             return Narrow(info.param);
                         });
