#include "skin/win/CLanguageItem.h"

#include <utility>

CLanguageItem::CLanguageItem(CRegisteredLanguage language) noexcept : m_language(std::move(language)) {}
