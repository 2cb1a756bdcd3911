#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Utf16.h"
#include "skin/layout/CLayoutDocument.h"

namespace {

using Element = CLayoutDocument::Element;

std::u16string Text(std::string_view utf8)
{
    return platform::ToUtf16(platform::FromUtf8(utf8));
}

std::vector<std::string> Ids(const CLayoutDocument& document, std::span<const Element> elements)
{
    std::vector<std::string> ids;
    for (const Element element : elements)
        ids.emplace_back(document.Attribute(element, "id"));
    return ids;
}

constexpr std::string_view kTree = R"(<R>
  <A id="a1"><B id="b1"><B id="b2"/></B><C id="c1"/></A>
  <B id="b3"><C id="c2"><B id="b4"/></C></B>
  <b id="lower"/>
</R>)";

}  // namespace

TEST(LayoutDocumentTest, FindIsTheFirstInPreOrderAtAnyDepth)
{
    CLayoutDocument document;
    ASSERT_TRUE(document.Parse(Text(kTree)));
    const Element root = document.Find(CLayoutDocument::Root(), "R");
    ASSERT_NE(root, CLayoutDocument::kNoElement);
    EXPECT_EQ(document.Attribute(document.Find(root, "B"), "id"), "b1");
    EXPECT_EQ(document.Attribute(document.Find(root, "C"), "id"), "c1");
    const Element b3 = document.FindAll(root, "B")[2];
    EXPECT_EQ(document.Attribute(document.Find(b3, "B"), "id"), "b4");
    // Only descendants count: the element itself and what follows it do not.
    const Element c1 = document.Find(root, "C");
    EXPECT_EQ(document.Find(c1, "C"), CLayoutDocument::kNoElement);
    EXPECT_EQ(document.Find(c1, "B"), CLayoutDocument::kNoElement);
    EXPECT_EQ(document.Find(root, "D"), CLayoutDocument::kNoElement);
}

TEST(LayoutDocumentTest, FindAllContinuesIntoTheDescendantsOfAMatch)
{
    CLayoutDocument document;
    ASSERT_TRUE(document.Parse(Text(kTree)));
    const Element root = document.Find(CLayoutDocument::Root(), "R");
    EXPECT_EQ(Ids(document, document.FindAll(root, "B")), (std::vector<std::string>{"b1", "b2", "b3", "b4"}));
    const Element a1 = document.Find(root, "A");
    EXPECT_EQ(Ids(document, document.FindAll(a1, "B")), (std::vector<std::string>{"b1", "b2"}));
}

TEST(LayoutDocumentTest, NamesMatchExactly)
{
    CLayoutDocument document;
    ASSERT_TRUE(document.Parse(Text(kTree)));
    EXPECT_EQ(Ids(document, document.FindAll(CLayoutDocument::Root(), "b")), (std::vector<std::string>{"lower"}));
}

TEST(LayoutDocumentTest, AttributesAndTextReadEmptyWhenAbsent)
{
    CLayoutDocument document;
    ASSERT_TRUE(document.Parse(Text(R"(<A x="1"><!-- c --><![CDATA[first]]>second<B/></A>)")));
    const Element a = document.Find(CLayoutDocument::Root(), "A");
    EXPECT_EQ(document.Attribute(a, "x"), "1");
    EXPECT_TRUE(document.HasAttribute(a, "x"));
    EXPECT_EQ(document.Attribute(a, "y"), "");
    EXPECT_FALSE(document.HasAttribute(a, "y"));
    EXPECT_EQ(document.Text(a), "first");
    EXPECT_EQ(document.Text(document.Find(a, "B")), "");
    EXPECT_EQ(document.Attribute(CLayoutDocument::kNoElement, "x"), "");
    EXPECT_TRUE(document.FindAll(CLayoutDocument::kNoElement, "B").empty());
}

TEST(LayoutDocumentTest, MalformedTextParsesToNothing)
{
    CLayoutDocument document;
    EXPECT_FALSE(document.Parse(Text("<A><B></A>")));
    EXPECT_EQ(document.Find(CLayoutDocument::Root(), "A"), CLayoutDocument::kNoElement);
    EXPECT_FALSE(document.Parse(Text("<A x=\"1></A>")));
    EXPECT_FALSE(document.Parse(u""));
}

TEST(LayoutDocumentTest, DeepNestingIsIndexedWithoutRecursion)
{
    constexpr int kDepth = 100000;
    std::string xml;
    for (int i = 0; i < kDepth; ++i)
        xml += "<N>";
    xml += "<LEAF/>";
    for (int i = 0; i < kDepth; ++i)
        xml += "</N>";
    CLayoutDocument document;
    ASSERT_TRUE(document.Parse(Text(xml)));
    EXPECT_EQ(document.ElementCount(), static_cast<size_t>(kDepth) + 2);
    const std::span<const Element> all = document.FindAll(CLayoutDocument::Root(), "N");
    ASSERT_EQ(all.size(), static_cast<size_t>(kDepth));
    // Every N holds the leaf; the deepest holds nothing else.
    EXPECT_NE(document.Find(all.front(), "LEAF"), CLayoutDocument::kNoElement);
    EXPECT_NE(document.Find(all.back(), "LEAF"), CLayoutDocument::kNoElement);
    EXPECT_TRUE(document.FindAll(all.back(), "N").empty());
    EXPECT_EQ(document.FindAll(all[10], "N").size(), static_cast<size_t>(kDepth - 11));
}
