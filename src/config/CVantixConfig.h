#pragma once

#include "config/CMouseConfig.h"

// The product's configuration manager: the profile file extension, the file paths under the
// program folder, and the defaults every new profile starts from.
class CVantixConfig : public CMouseConfig
{
public:
    static constexpr wchar_t kProfileExtension[] = L"dnp";
    static constexpr wchar_t kMacroExtension[] = L"dnm";

    // programDirectory is the folder holding the program; a missing final separator is added.
    explicit CVantixConfig(const std::wstring& programDirectory);

    // A new profile, with the defaults applied; null when it could not be added.
    IMouseProfile* CreateProfile(const std::wstring& name) override;

    // Sets a profile (the active one when none is given) to the defaults of a new profile.
    // Resetting without a profile argument also turns the profile-switch display on in every
    // profile; creating one carries the active profile's setting over to all of them.
    void ApplyProfileDefaults(IMouseProfile* profile = nullptr);

    std::wstring GetProfileFileExtension() const override { return kProfileExtension; }
};
