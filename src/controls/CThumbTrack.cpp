#include "controls/CThumbTrack.h"

#include <algorithm>

CPHSlider* CThumbTrack::Thumb(size_t index) const noexcept
{
    return index < m_thumbs.size() ? m_thumbs[index].get() : nullptr;
}

CPHSlider* CThumbTrack::FindThumb(int32_t identifier) const noexcept
{
    const auto found = std::find_if(m_thumbs.begin(), m_thumbs.end(),
                                    [identifier](const auto& thumb) { return thumb->Identifier() == identifier; });
    return found != m_thumbs.end() ? found->get() : nullptr;
}

std::vector<int32_t> CThumbTrack::Values() const
{
    std::vector<int32_t> values;
    values.reserve(m_thumbs.size());
    for (const auto& thumb : m_thumbs)
        values.push_back(thumb->GetValue());
    return values;
}

bool CThumbTrack::CreateTrack(HWND parent, const RECT& rect)
{
    return CCustomWindow::Create(parent, rect, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
}

CPHSlider* CThumbTrack::AddThumbWindow(int32_t identifier, const PictureArea& thumb, const PictureArea& highlight,
                                       int32_t minimum, int32_t maximum, int32_t leftMargin, int32_t rightMargin)
{
    if (Handle() == nullptr)
        return nullptr;
    RECT client{};
    GetClientRect(Handle(), &client);
    auto added = std::make_unique<CPHSlider>();
    if (!added->Create(thumb, highlight, RectEdges{client.left, client.top, client.right, client.bottom}, Handle(),
                       true))
        return nullptr;
    added->SetMargins(leftMargin, rightMargin);
    added->SetRange(minimum, maximum);
    added->SetCommon(identifier, ItemKind::SliderStage, added->Handle(), Handle());
    m_thumbs.push_back(std::move(added));
    return m_thumbs.back().get();
}

void CThumbTrack::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}
