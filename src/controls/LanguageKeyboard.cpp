#include "controls/LanguageKeyboard.h"

#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CSkinEnvironment.h"

CWinKeyboardPlatform LanguageKeyboard()
{
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    const CLangTable* language = skin.IsInitialized() ? skin.Languages().Current() : nullptr;
    return CWinKeyboardPlatform(language != nullptr ? reinterpret_cast<HKL>(language->KeyboardLayout()) : nullptr);
}
