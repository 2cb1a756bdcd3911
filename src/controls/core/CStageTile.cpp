#include "controls/core/CStageTile.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::wstring_view, CStageTile::Picture>, CStageTile::kPictureCount> kPictureNames = {{
    {L"DPIFRAME", CStageTile::Picture::Frame},
    {L"DPIFRAMESELECTED", CStageTile::Picture::SelectedFrame},
    {L"DPIWIN", CStageTile::Picture::Value},
    {L"DPIWINX", CStageTile::Picture::XValue},
    {L"DPIWINY", CStageTile::Picture::YValue},
}};

constexpr std::array<std::pair<std::wstring_view, CStageTile::Label>, CStageTile::kLabelCount> kLabelNames = {{
    {L"HEADING", CStageTile::Label::Heading},
    {L"DPI", CStageTile::Label::Dpi},
    {L"DPIX", CStageTile::Label::DpiX},
    {L"DPIY", CStageTile::Label::DpiY},
    {L"X", CStageTile::Label::X},
    {L"Y", CStageTile::Label::Y},
}};

template <typename Value, size_t Count>
std::optional<Value> Named(const std::array<std::pair<std::wstring_view, Value>, Count>& table,
                           std::wstring_view name) noexcept
{
    const auto found = std::find_if(table.begin(), table.end(), [name](const auto& entry) { return entry.first == name; });
    return found != table.end() ? std::optional<Value>(found->second) : std::nullopt;
}

}  // namespace

std::optional<CStageTile::Picture> CStageTile::PictureNamed(std::wstring_view name) noexcept
{
    return Named(kPictureNames, name);
}

std::optional<CStageTile::Label> CStageTile::LabelNamed(std::wstring_view name) noexcept
{
    return Named(kLabelNames, name);
}

bool CStageTile::IsCentred(Label label) noexcept
{
    return label == Label::Heading || label == Label::X || label == Label::Y;
}

uint32_t CStageTile::ShownColour(uint32_t colour) noexcept
{
    return colour == 0 ? kDefaultTextColour : colour;
}

RectEdges CStageTile::NumberArea(const RectEdges& box) noexcept
{
    return RectEdges{box.left + kNumberInsetX, box.top + kNumberInsetY, box.right - kNumberInsetX,
                     box.bottom - kNumberInsetY};
}

void CStageTile::SetValues(int32_t value, int32_t xValue, int32_t yValue) noexcept
{
    m_value = value;
    m_xValue = xValue;
    m_yValue = yValue;
}

bool CStageTile::Click() noexcept
{
    if (!m_clickable || m_selected)
        return false;
    m_selected = true;
    return true;
}

CStageTile::PaintPlan CStageTile::Plan(bool hasSelectedFrame) const
{
    PaintPlan plan;
    if (!m_shown)
        return plan;
    plan.background = m_selected && hasSelectedFrame ? Picture::SelectedFrame : Picture::Frame;
    plan.selectedBoxes = m_selected;
    if (m_separate) {
        plan.labels = {Label::Heading, Label::DpiX, Label::DpiY, Label::X, Label::Y};
        plan.numbers = {Number{Picture::XValue, m_xValue}, Number{Picture::YValue, m_yValue}};
    } else {
        plan.labels = {Label::Heading, Label::Dpi};
        plan.numbers = {Number{Picture::Value, m_value}};
    }
    return plan;
}
