#include "platform/TextCase.h"

namespace platform {

wchar_t FoldCase(wchar_t c) noexcept
{
    const auto u = static_cast<unsigned>(c);
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 32) : c;
    if ((u >= 0xC0 && u <= 0xDE && u != 0xD7) || (u >= 0x391 && u <= 0x3AB && u != 0x3A2) ||
        (u >= 0x410 && u <= 0x42F))
        return static_cast<wchar_t>(u + 32);
    if (u >= 0x400 && u <= 0x40F)
        return static_cast<wchar_t>(u + 80);
    // Latin Extended-A pairs capitals and small letters as even/odd neighbours, with the run
    // from U+0139 to U+0148 and from U+0179 to U+017E shifted by one.
    if (u >= 0x100 && u <= 0x137 && u != 0x130)
        return static_cast<wchar_t>(u | 1);
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
        return (u & 1) ? static_cast<wchar_t>(u + 1) : c;
    if (u >= 0x14A && u <= 0x177)
        return static_cast<wchar_t>(u | 1);
    if (u == 0x178)  // Y with diaeresis: its small letter is in Latin-1
        return static_cast<wchar_t>(0xFF);
    if (u == 0x17F)  // long s
        return L's';
    // Greek capitals with tonos, and final sigma, which folds like the other small sigma.
    if (u == 0x386)
        return static_cast<wchar_t>(0x3AC);
    if (u >= 0x388 && u <= 0x38A)
        return static_cast<wchar_t>(u + 37);
    if (u == 0x38C)
        return static_cast<wchar_t>(0x3CC);
    if (u == 0x38E || u == 0x38F)
        return static_cast<wchar_t>(u + 63);
    if (u == 0x3C2)
        return static_cast<wchar_t>(0x3C3);
    // Cyrillic beyond the basic block (Ukrainian ghe with upturn, Kazakh, Tatar, ...): even/odd
    // pairs, except palochka and the run from U+04C1 to U+04CE shifted by one.
    if ((u >= 0x460 && u <= 0x481) || (u >= 0x48A && u <= 0x4BF) || (u >= 0x4D0 && u <= 0x52F))
        return static_cast<wchar_t>(u | 1);
    if (u == 0x4C0)
        return static_cast<wchar_t>(0x4CF);
    if (u >= 0x4C1 && u <= 0x4CE)
        return (u & 1) ? static_cast<wchar_t>(u + 1) : c;
    return c;
}

std::wstring FoldCase(std::wstring_view text)
{
    std::wstring out(text);
    for (wchar_t& c : out)
        c = FoldCase(c);
    return out;
}

bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

wchar_t ToUpper(wchar_t c) noexcept
{
    const auto u = static_cast<unsigned>(c);
    if (u < 0x80)
        return (u >= 'a' && u <= 'z') ? static_cast<wchar_t>(u - 32) : c;
    if ((u >= 0xE0 && u <= 0xFE && u != 0xF7) || (u >= 0x3B1 && u <= 0x3CB && u != 0x3C2) ||
        (u >= 0x430 && u <= 0x44F))
        return static_cast<wchar_t>(u - 32);
    if (u == 0xFF)
        return static_cast<wchar_t>(0x178);
    if (u >= 0x450 && u <= 0x45F)
        return static_cast<wchar_t>(u - 80);
    // Every capital folds to exactly one small letter; look for the capital that folds to c.
    for (const unsigned candidate : {u - 1, u - 37, u - 38, u - 63, u - 64}) {
        if (candidate != u && FoldCase(static_cast<wchar_t>(candidate)) == c && candidate != 0x17F)
            return static_cast<wchar_t>(candidate);
    }
    return c;
}

std::wstring ToUpper(std::wstring_view text)
{
    std::wstring out(text);
    for (wchar_t& c : out)
        c = ToUpper(c);
    return out;
}

std::wstring ToLower(std::wstring_view text)
{
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c != L'\x17F' && c != L'\x3C2')
            c = FoldCase(c);
    }
    return out;
}

}  // namespace platform
