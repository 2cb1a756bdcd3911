#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "FakeResourceLoader.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/layout/CResourceCache.h"

// The four state pictures of a button, all of which the fake loaders of the tests offer.
inline constexpr std::string_view kButtonPictures =
    "<SBMN>n.bmp</SBMN><SBMO>o.bmp</SBMO><SBMD>d.bmp</SBMD><SBMDS>ds.bmp</SBMDS>";

// A reader over a fake loader and a language set of the test's own.
class LayoutReaderFixture : public testing::Test
{
protected:
    static constexpr std::wstring_view kProgramDirectory = L"prog";

    LayoutDescription Read(std::string_view xml) { return m_reader.ReadBytes(xml); }

    // An ITEMLIST holding the given lists.
    LayoutDescription ReadItems(std::string_view lists)
    {
        return Read("<ITEMLIST>" + std::string(lists) + "</ITEMLIST>");
    }

    template <typename Description>
    const Description& ItemAt(const LayoutDescription& layout, size_t index)
    {
        static const Description kMissing{};
        if (index >= layout.items.size()) {
            ADD_FAILURE() << "no item " << index << " among " << layout.items.size();
            return kMissing;
        }
        const Description* item = layout.As<Description>(index);
        if (item == nullptr) {
            ADD_FAILURE() << "item " << index << " is of kind " << static_cast<int>(KindOf(layout.items[index]));
            return kMissing;
        }
        return *item;
    }

    const ResourceRecord* Record(std::wstring_view name, ResourceType type = ResourceType::Picture)
    {
        return &m_cache.Fetch(name, type);
    }

    FakeResourceLoader m_loader{std::wstring(kProgramDirectory)};
    CResourceCache m_cache{std::wstring(kProgramDirectory), m_loader};
    CLanguageSet m_languages;
    CLayoutReader m_reader{m_cache, m_languages};
};
