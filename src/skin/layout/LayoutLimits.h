#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Every bound the layout loader and the resource cache apply, in one place. Where a bound is
// not given by the layout format itself, it is there so that a damaged or hostile installation
// file costs bounded time and memory.
namespace LayoutLimits {

// The text of an element (and, by the same rule, an attribute's text) is cut to this many
// UTF-16 units.
inline constexpr size_t kMaxTextLength = 512;
// A FONT's "typeface": the platform's face name buffer holds 31 characters and a terminator.
inline constexpr size_t kMaxTypefaceLength = 31;
// Image names given by language overrides (SBMN, SBMO, SBMD, SBMDS, SBMM).
inline constexpr size_t kMaxImageNameLength = 255;
// An HSLIDERM makes at most this many thumbs; further STAGE elements are ignored.
inline constexpr size_t kMaxSliderStages = 5;
// "bdrwidth" outside this range leaves the border width unset.
inline constexpr int32_t kMinBorderWidth = 1;
inline constexpr int32_t kMaxBorderWidth = 9;
// A macro display makes its scroll bar only with a thumb picture at least this wide.
inline constexpr int32_t kMinMacroScrollThumbWidth = 10;

// Layout files are read and decoded in blocks of at most this many bytes.
inline constexpr size_t kReadBlockBytes = 4095;
// A larger layout file is treated as unreadable (the installation's are a few kilobytes).
inline constexpr uint64_t kMaxLayoutFileBytes = 16u * 1024u * 1024u;
// A larger language file is treated as unreadable.
inline constexpr uint64_t kMaxLanguageFileBytes = 16u * 1024u * 1024u;
// A larger picture file is treated as unreadable by the picture decoder.
inline constexpr uint64_t kMaxPictureFileBytes = 64u * 1024u * 1024u;

// The size a decoded picture's record carries (the number has no use; it is kept as the
// records have always carried it).
inline constexpr uint64_t kPictureRecordSize = 8;

// The keyboard layout of a LANG element without "kbdlayout": US English.
inline constexpr std::wstring_view kDefaultKeyboardLayout = L"00000409";

}  // namespace LayoutLimits
