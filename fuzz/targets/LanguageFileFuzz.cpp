#include "FuzzTargets.h"
#include "skin/CLangTable.h"

void FuzzLanguageFile(std::span<const uint8_t> data)
{
    CLangTable table(340);
    const bool read = table.Read(data.data(), data.size());
    FUZZ_CHECK(read == (table.EntryCount() > 0));
    FUZZ_CHECK(read || table.Fault() != LanguageFileFault::None);
    for (const wchar_t* text : {L"$", L"#", L"$ok", L"#o", L"plain"})
        (void)table.Translate(text);
    if (!table.Title().empty())
        (void)table.Translate(L"#" + table.Title());
}
