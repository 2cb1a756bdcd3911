#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

// A parsed layout file: a read-only element tree with the two searches the loader uses
// everywhere, both over the pre-order (document order, each element before its descendants)
// walk of all descendants of a starting element, names matched exactly:
// - Find: the first element with the name;
// - FindAll: every element with the name, including those inside an earlier match.
//
// Elements are numbered in pre-order and indexed by name once after parsing, so each search
// costs a binary search rather than a walk: many or deeply nested elements cost no more than
// linear time to index, whatever the searches, and nothing is recursive.
class CLayoutDocument
{
public:
    using Element = uint32_t;
    static constexpr Element kNoElement = UINT32_MAX;

    CLayoutDocument() = default;
    CLayoutDocument(const CLayoutDocument&) = delete;
    CLayoutDocument& operator=(const CLayoutDocument&) = delete;

    // False, with an empty document, when the text is not well-formed XML; ErrorOffset then
    // tells where the parser stopped (in the parser's units: bytes of the text as UTF-8).
    [[nodiscard]] bool Parse(std::u16string_view text);
    [[nodiscard]] size_t ErrorOffset() const noexcept { return m_errorOffset; }

    // The document itself, the starting point of the searches for the root's elements.
    [[nodiscard]] static constexpr Element Root() noexcept { return 0; }
    [[nodiscard]] Element Find(Element from, std::string_view name) const noexcept;
    [[nodiscard]] std::span<const Element> FindAll(Element from, std::string_view name) const noexcept;

    [[nodiscard]] pugi::xml_node Node(Element element) const noexcept;
    // The element's name (UTF-8).
    [[nodiscard]] std::string_view Name(Element element) const noexcept;
    // An attribute's value (UTF-8); empty when the element does not carry the attribute.
    [[nodiscard]] std::string_view Attribute(Element element, const char* name) const noexcept;
    [[nodiscard]] bool HasAttribute(Element element, const char* name) const noexcept;
    // The value of the element's first child that carries text (UTF-8); empty when none does.
    [[nodiscard]] std::string_view Text(Element element) const noexcept;

    [[nodiscard]] size_t ElementCount() const noexcept { return m_nodes.size(); }

private:
    void Index();
    Element Add(pugi::xml_node node);

    pugi::xml_document m_document;
    size_t m_errorOffset = 0;
    std::vector<pugi::xml_node> m_nodes;  // pre-order; [0] is the document
    std::vector<Element> m_subtreeEnd;    // one past the element's last descendant
    std::map<std::string, std::vector<Element>, std::less<>> m_byName;  // ascending
};
