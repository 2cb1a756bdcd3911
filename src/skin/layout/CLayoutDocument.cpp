#include "skin/layout/CLayoutDocument.h"

#include <algorithm>

namespace {

pugi::xml_node FirstElementChild(pugi::xml_node node) noexcept
{
    pugi::xml_node child = node.first_child();
    while (child && child.type() != pugi::node_element)
        child = child.next_sibling();
    return child;
}

pugi::xml_node NextElementSibling(pugi::xml_node node) noexcept
{
    pugi::xml_node sibling = node.next_sibling();
    while (sibling && sibling.type() != pugi::node_element)
        sibling = sibling.next_sibling();
    return sibling;
}

}  // namespace

bool CLayoutDocument::Parse(std::u16string_view text)
{
    m_nodes.clear();
    m_subtreeEnd.clear();
    m_byName.clear();
    // A malformed or truncated file yields nothing rather than the part before the fault, so a
    // damaged layout never half-builds a page.
    const pugi::xml_parse_result result =
        m_document.load_buffer(text.data(), text.size() * sizeof(char16_t), pugi::parse_default, pugi::encoding_utf16);
    m_errorOffset = 0;
    if (!result) {
        m_errorOffset = static_cast<size_t>(result.offset);
        m_document.reset();
        Add(m_document);
        return false;
    }
    Index();
    return true;
}

CLayoutDocument::Element CLayoutDocument::Add(pugi::xml_node node)
{
    const auto element = static_cast<Element>(m_nodes.size());
    m_nodes.push_back(node);
    m_subtreeEnd.push_back(element + 1);
    if (element != Root())
        m_byName[node.name()].push_back(element);
    return element;
}

// Walks the tree in pre-order with an explicit stack of open ancestors (no recursion, so any
// depth of nesting is safe), closing each ancestor's range when its last descendant is done.
void CLayoutDocument::Index()
{
    std::vector<Element> open{Add(m_document)};
    pugi::xml_node current = FirstElementChild(m_document);
    while (current) {
        const Element element = Add(current);
        if (pugi::xml_node child = FirstElementChild(current)) {
            open.push_back(element);
            current = child;
            continue;
        }
        pugi::xml_node next = NextElementSibling(current);
        while (!next && open.size() > 1) {
            m_subtreeEnd[open.back()] = static_cast<Element>(m_nodes.size());
            open.pop_back();
            current = current.parent();
            next = NextElementSibling(current);
        }
        current = next;
    }
    m_subtreeEnd[Root()] = static_cast<Element>(m_nodes.size());
}

std::span<const CLayoutDocument::Element> CLayoutDocument::FindAll(Element from, std::string_view name) const noexcept
{
    if (from >= m_nodes.size())
        return {};
    const auto found = m_byName.find(name);
    if (found == m_byName.end())
        return {};
    const std::vector<Element>& elements = found->second;
    const auto first = std::upper_bound(elements.begin(), elements.end(), from);
    const auto last = std::lower_bound(first, elements.end(), m_subtreeEnd[from]);
    return std::span<const Element>(elements).subspan(static_cast<size_t>(first - elements.begin()),
                                                      static_cast<size_t>(last - first));
}

CLayoutDocument::Element CLayoutDocument::Find(Element from, std::string_view name) const noexcept
{
    const std::span<const Element> all = FindAll(from, name);
    return all.empty() ? kNoElement : all.front();
}

pugi::xml_node CLayoutDocument::Node(Element element) const noexcept
{
    return element < m_nodes.size() ? m_nodes[element] : pugi::xml_node();
}

std::string_view CLayoutDocument::Name(Element element) const noexcept
{
    return Node(element).name();
}

std::string_view CLayoutDocument::Attribute(Element element, const char* name) const noexcept
{
    return Node(element).attribute(name).value();
}

bool CLayoutDocument::HasAttribute(Element element, const char* name) const noexcept
{
    return static_cast<bool>(Node(element).attribute(name));
}

std::string_view CLayoutDocument::Text(Element element) const noexcept
{
    return Node(element).child_value();
}
