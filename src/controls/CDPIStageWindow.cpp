#include "controls/CDPIStageWindow.h"

#include <string>

#include "platform/TextCase.h"
#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/ItemDrawing.h"
#include "skin/win/PaintDc.h"
#include "vocabulary/Notifications.h"

namespace {

RECT RectOf(const LayoutRect& place) noexcept
{
    const RectEdges edges = EdgesOf(place);
    return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

size_t IndexOf(CStageTile::Picture part) noexcept
{
    return static_cast<size_t>(part);
}

size_t IndexOf(CStageTile::Label label) noexcept
{
    return static_cast<size_t>(label);
}

// The value box of a selected tile, from the cache; empty when it is missing.
PictureArea SelectedBox()
{
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    if (!skin.IsInitialized())
        return {};
    return PictureArea::Whole(&skin.Cache().Fetch(CDPIStageWindow::kSelectedBoxPicture, ResourceType::Picture));
}

}  // namespace

MadeItem CDPIStageWindow::Make(const DpiStageWindowDescription& description, const IItemMakeContext& context)
{
    auto tile = std::make_unique<CDPIStageWindow>(description.position);
    if (!tile->Create(context.Parent(), RectOf(description.rect)))
        return {};
    tile->SetFont(context.FontOf(description.font));
    for (const DpiStageBitmapDescription& bitmap : description.bitmaps)
        if (const auto part = CStageTile::PictureNamed(bitmap.name))
            tile->SetPicture(*part, PictureArea::Whole(bitmap.picture), RectOf(bitmap.rect));
    for (const DpiStageTextDescription& area : description.textAreas)
        if (const auto label = CStageTile::LabelNamed(area.name)) {
            tile->SetLabel(*label, area.textKey, RectOf(area.rect));
            if (*label == CStageTile::Label::Heading)
                tile->SetHeading(area.textKey);
        }
    const HWND window = tile->Handle();
    return MadeItem{std::move(tile), window, context.Parent()};
}

bool CDPIStageWindow::Create(HWND parent, const RECT& rect)
{
    m_selectedBox = SelectedBox();
    return CCustomWindow::Create(parent, rect, WS_CHILD | WS_VISIBLE);
}

void CDPIStageWindow::SetPicture(CStageTile::Picture part, const PictureArea& picture, const RECT& rect)
{
    m_pictures[IndexOf(part)] = Part{picture, rect};
    Redraw();
}

void CDPIStageWindow::SetLabel(CStageTile::Label label, std::wstring_view textKey, const RECT& rect)
{
    m_labels[IndexOf(label)] =
        Text{CSkinEnvironment::Instance().Languages().ShowText(textKey), rect, true};
    Redraw();
}

void CDPIStageWindow::SetHeading(std::wstring_view text)
{
    const CLanguageSet& languages = CSkinEnvironment::Instance().Languages();
    std::wstring heading = languages.Translate(text).value_or(std::wstring(text));
    if (m_caps == CLanguageSet::kCapsUpper)
        heading = platform::ToUpper(heading);
    else if (m_caps == CLanguageSet::kCapsLower)
        heading = platform::ToLower(heading);
    CLanguageSet::BreakFirstLine(heading);
    m_heading = std::move(heading);
    Redraw();
}

void CDPIStageWindow::SetTextColour(uint32_t colour)
{
    m_textColour = colour;
    Redraw();
}

void CDPIStageWindow::SetValues(int32_t value, int32_t xValue, int32_t yValue)
{
    m_tile.SetValues(value, xValue, yValue);
    Redraw();
}

void CDPIStageWindow::SetSeparate(bool separate)
{
    m_tile.SetSeparate(separate);
    Redraw();
}

void CDPIStageWindow::SetShown(bool shown)
{
    m_tile.SetShown(shown);
    // A tile that stops showing is not painted over: its background is erased.
    Redraw(true);
}

void CDPIStageWindow::SetSelected(bool selected)
{
    m_tile.SetSelected(selected);
    Redraw();
}

void CDPIStageWindow::Redraw(bool erase) const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, erase ? TRUE : FALSE);
}

void CDPIStageWindow::OnPaint()
{
    PaintDc paint(Handle());
    if (!paint)
        return;
    const bool hasSelectedFrame = static_cast<bool>(m_pictures[IndexOf(CStageTile::Picture::SelectedFrame)].picture);
    const CStageTile::PaintPlan plan = m_tile.Plan(hasSelectedFrame);
    if (!plan.background)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    CMemDC2 surface(paint.Get(), &client);
    const Part& background = m_pictures[IndexOf(*plan.background)];
    DrawPictureArea(surface.Get(), background.rect.left, background.rect.top, background.picture);
    DrawLabels(surface.Get(), plan);
    DrawNumbers(surface.Get(), plan);
}

void CDPIStageWindow::DrawLabels(HDC dc, const CStageTile::PaintPlan& plan) const
{
    const auto colour = static_cast<COLORREF>(CStageTile::ShownColour(m_textColour));
    const HFONT font = m_font != nullptr ? m_font->Font() : nullptr;
    for (const CStageTile::Label label : plan.labels) {
        const Text& area = m_labels[IndexOf(label)];
        if (!area.present)
            continue;
        const std::wstring& text = label == CStageTile::Label::Heading ? m_heading : area.text;
        const UINT format = kDefaultTextFormat | (CStageTile::IsCentred(label) ? DT_CENTER : 0);
        DrawItemText(dc, area.rect, text, colour, font, format);
    }
}

void CDPIStageWindow::DrawNumbers(HDC dc, const CStageTile::PaintPlan& plan) const
{
    const auto colour = static_cast<COLORREF>(CStageTile::ShownColour(m_textColour));
    const HFONT font = m_font != nullptr ? m_font->Font() : nullptr;
    const UniqueBrush black(CreateSolidBrush(RGB(0, 0, 0)));
    for (const CStageTile::Number& number : plan.numbers) {
        const Part& box = m_pictures[IndexOf(number.box)];
        const PictureArea& picture = plan.selectedBoxes && m_selectedBox ? m_selectedBox : box.picture;
        DrawPictureArea(dc, box.rect.left, box.rect.top, box.rect.right - box.rect.left,
                        box.rect.bottom - box.rect.top, picture);
        const RectEdges inner =
            CStageTile::NumberArea(RectEdges{box.rect.left, box.rect.top, box.rect.right, box.rect.bottom});
        const RECT area{inner.left, inner.top, inner.right, inner.bottom};
        FillRect(dc, &area, black.Get());
        DrawItemText(dc, area, std::to_wstring(number.value), colour, font, kDefaultTextFormat | DT_CENTER);
    }
}

bool CDPIStageWindow::OnEraseBackground(HDC dc)
{
    // A selected tile is covered by its paint; another (also one not shown) is black.
    if (!m_tile.IsSelected()) {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    return true;
}

void CDPIStageWindow::OnLButtonUp(POINT, WPARAM)
{
    if (!m_tile.Click())
        return;
    SendMessageW(GetParent(Handle()), Notification::kStageSelected, static_cast<WPARAM>(m_stageIndex),
                 static_cast<LPARAM>(Identifier()));
    SetFocus(Handle());
    Redraw();
}

void CDPIStageWindow::OnKillFocus(HWND)
{
    Redraw();
}
