#pragma once

#include <utility>
#include <vector>

#include "config/CMouseConfig.h"

// A private copy of a configuration for a transfer towards the device, which runs on a worker
// thread while the window thread goes on editing the live configuration. The device service
// gives new ids to profiles and macros it stores; MergeIdentitiesInto carries those ids back
// to the live objects they were copied from, on the window thread, once the transfer is over.
class CConfigSnapshot final : public CMouseConfig
{
public:
    explicit CConfigSnapshot(const CMouseConfig& live);

    // For every profile and macro whose id the transfer changed: when its live original is
    // still in the live configuration and still has the id it had when the snapshot was taken,
    // it takes the new id. Objects created or changed since are left as the user made them.
    void MergeIdentitiesInto(IMouseConfig& live) const;

    std::wstring GetProfileFileExtension() const override { return m_extension; }

private:
    template <typename T>
    struct Origin
    {
        const T* copy;
        T* original;
        Guid idBefore;
    };

    std::vector<Origin<IMouseProfile>> m_profileOrigins;
    std::vector<Origin<CMacro>> m_macroOrigins;
    std::wstring m_extension;
};
