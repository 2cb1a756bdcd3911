#pragma once

#include <cstdint>

// Item identifiers as named integers. Layouts give identifiers as numbers or names and the
// window dispatches on plain int32_t values, so the names convert implicitly; the namespace
// keeps the short upper-case names (DOWN, MASK, UPDATE, ...) out of the global scope.
namespace ItemId {

enum : int32_t
{
#define VANTIX_ITEM_ID(name, value) name = value,
#include "vocabulary/ItemIdList.inc"
#undef VANTIX_ITEM_ID
};

inline constexpr int32_t kFirst = BACKGROUND;
inline constexpr int32_t kLast = TEXT_CURRENTPROFILE;
inline constexpr int32_t kCount = 0
#define VANTIX_ITEM_ID(name, value) +1
#include "vocabulary/ItemIdList.inc"
#undef VANTIX_ITEM_ID
    ;

// The language identifiers; the language set keeps only tables with these.
inline constexpr int32_t kFirstLanguage = LANGUAGE_DEFAULT;
inline constexpr int32_t kLastLanguage = LANGUAGE_SPANISH;

}  // namespace ItemId
