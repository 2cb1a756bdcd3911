#pragma once

#include <memory>

#include "VantixApp/CPageBase.h"

// The macros page: macro list, recording and the event editor.
//
// The page receives its commands and notifications but does not act on them yet: nothing is
// changed in the configuration and nothing is marked in the dirty mask.
class CMacrosPage : public CPageBase
{
public:
    explicit CMacrosPage(IPageHost& host);
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;

    // Recording is not possible yet, so this stays false.
    [[nodiscard]] bool IsRecording() const override { return m_recording; }

private:
    bool m_recording = false;
};
