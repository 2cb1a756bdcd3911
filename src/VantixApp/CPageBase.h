#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "VantixApp/IPageHost.h"
#include "VantixApp/IVantixPage.h"

// A page that names the commands and notifications it takes in two fixed tables.
class CPageBase : public IVantixPage
{
public:
    CPageBase(IPageHost& host, std::span<const int32_t> commands, std::span<const uint32_t> notifications) noexcept
        : m_host(host), m_commands(commands), m_notifications(notifications)
    {
    }

    [[nodiscard]] bool HandlesCommand(int32_t identifier) const override
    {
        return std::find(m_commands.begin(), m_commands.end(), identifier) != m_commands.end();
    }
    [[nodiscard]] bool HandlesNotification(UINT message) const override
    {
        return std::find(m_notifications.begin(), m_notifications.end(), message) != m_notifications.end();
    }

protected:
    [[nodiscard]] IPageHost& Host() const noexcept { return m_host; }

private:
    IPageHost& m_host;
    std::span<const int32_t> m_commands;
    std::span<const uint32_t> m_notifications;
};
