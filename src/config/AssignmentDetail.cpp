#include "config/AssignmentDetail.h"

#include "config/IMouseConfig.h"
#include "config/IMouseProfile.h"
#include "macro/CMacro.h"
#include "macro/KeyStroke.h"

std::wstring AssignmentDetail(const IMouseConfig& config, const AssignmentInfo& info,
                              const IKeyboardPlatform& keyboard)
{
    switch (info.functionCode)
    {
    case FunctionCode::kSingleKey:
        if (info.KeyVirtualKey() == 0 && info.KeyScanCode() == 0)
            return {};
        return KeyName(keyboard, info.KeyVirtualKey(), info.KeyScanCode(), (info.KeyFlags() & kKeyFlagExtended) != 0);
    case FunctionCode::kMacro:
    case FunctionCode::kMacroByName:
    {
        const CMacro* macro = info.functionCode == FunctionCode::kMacro ? config.FindMacroByGuid(info.ReferenceGuid())
                                                                        : config.FindMacroByName(info.ReferenceName());
        return macro != nullptr ? macro->GetName() : std::wstring();
    }
    case FunctionCode::kProfile:
    case FunctionCode::kProfileByName:
    {
        const IMouseProfile* profile = info.functionCode == FunctionCode::kProfile
            ? config.FindProfileByGuid(info.ReferenceGuid())
            : config.FindProfileByName(info.ReferenceName());
        return profile != nullptr ? profile->GetName() : std::wstring();
    }
    default: return {};
    }
}
