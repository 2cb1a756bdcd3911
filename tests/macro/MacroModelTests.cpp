#include <gtest/gtest.h>

#include "macro/CMacroList.h"
#include "macro/CPredefinedMacroList.h"

namespace {

std::vector<MacroEvent> SomeEvents(int32_t delay = 50)
{
    return {MacroEvent::Key(30, 65, kKeyPressed, 0), MacroEvent::Delay(delay),
            MacroEvent::Key(30, 65, kKeyReleased, 0), MacroEvent::MouseButton(1, kKeyPressed)};
}

TEST(MacroEventTest, BlocksHoldTheirFieldsAtFixedOffsets)
{
    const MacroEvent key = MacroEvent::Key(0x1D, 163, kKeyPressed, 1);
    EXPECT_EQ(key.kind, MacroEventKind::Key);
    const uint8_t keyBytes[8] = {0x1D, 0, 163, 0, 255, 1, 0, 0};
    EXPECT_EQ(0, std::memcmp(key.data, keyBytes, 8));

    const MacroEvent mouse = MacroEvent::MouseButton(26, kKeyReleased);
    const uint8_t mouseBytes[8] = {26, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(mouse.data, mouseBytes, 8));

    const MacroEvent delay = MacroEvent::Delay(16777215);
    EXPECT_EQ(delay.DelayMilliseconds(), 16777215);
    int32_t second = 0;
    std::memcpy(&second, delay.data + 4, 4);
    EXPECT_EQ(second, 16777215) << "a delay holds its value twice";
}

TEST(MacroEventTest, EqualityComparesKindAndEveryDataByte)
{
    EXPECT_EQ(MacroEvent::Delay(10), MacroEvent::Delay(10));
    EXPECT_FALSE(MacroEvent::Delay(10) == MacroEvent::Delay(11));
    EXPECT_FALSE(MacroEvent::Key(30, 65, kKeyPressed, 0) == MacroEvent::Key(30, 65, kKeyReleased, 0));

    MacroEvent key = MacroEvent::Key(1, 0, 0, 0);
    MacroEvent mouse = MacroEvent::MouseButton(1, 0);
    EXPECT_FALSE(key == mouse) << "same bytes, different kind";
    mouse.data[7] = 9;
    EXPECT_FALSE(MacroEvent::MouseButton(1, 0) == mouse) << "the spare bytes count too";
}

TEST(MacroTest, EqualityIgnoresAttachedTextAndNameCase)
{
    CMacro a(L"Combo", SomeEvents());
    CMacro b(L"COMBO", SomeEvents());
    a.SetText(L"C:\\import\\a.dnm");
    EXPECT_TRUE(a == b);

    b.SetGuid(Guid{1, 2, 3, {4}});
    EXPECT_FALSE(a == b) << "different identity";
}

TEST(MacroTest, OneDifferentDelayMakesMacrosDifferent)
{
    EXPECT_FALSE(CMacro(L"m", SomeEvents(50)) == CMacro(L"m", SomeEvents(51)));
    auto shorter = SomeEvents();
    shorter.pop_back();
    EXPECT_FALSE(CMacro(L"m", SomeEvents()) == CMacro(L"m", shorter));
}

TEST(MacroTest, NameIsCutTo255Characters)
{
    const CMacro macro(std::wstring(300, L'x'), {});
    EXPECT_EQ(macro.GetName().size(), 255u);
}

TEST(MacroListTest, AddRefusesANameThatDiffersOnlyInCase)
{
    CMacroList list;
    CMacro* first = list.Add(L"Reload", SomeEvents());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(list.Add(L"rELOAD", {}), nullptr);
    EXPECT_EQ(list.Add(L"Перезарядка", {}) != nullptr, true);
    EXPECT_EQ(list.Add(L"ПЕРЕЗАРЯДКА", {}), nullptr) << "Cyrillic names fold too";
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0), first);
    EXPECT_EQ(first->GetEvents(), SomeEvents()) << "the events are copied in";
}

TEST(MacroListTest, FindsByNameIgnoringCaseAndByGuid)
{
    CMacroList list;
    CMacro* a = list.Add(L"alpha", {});
    CMacro* b = list.Add(L"beta", {});
    const Guid id{0xAABBCCDD, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    b->SetGuid(id);

    EXPECT_EQ(list.FindByName(L"ALPHA"), a);
    EXPECT_EQ(list.FindByName(L"gamma"), nullptr);
    EXPECT_EQ(list.FindByGuid(id), b);
    EXPECT_EQ(list.FindByGuid(Guid{}), a) << "the first macro not yet stored";
    EXPECT_EQ(CMacroList().FindByGuid(Guid{}), nullptr);
    EXPECT_EQ(list.At(2), nullptr);
}

TEST(MacroListTest, RemoveTakesOnlyMacrosOfTheList)
{
    CMacroList list;
    CMacro* a = list.Add(L"a", {});
    CMacro* b = list.Add(L"b", {});
    CMacro stranger(L"a", {});

    list.Remove(nullptr);
    list.Remove(&stranger);
    EXPECT_EQ(list.Count(), 2u);

    list.Remove(a);
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0), b);
    EXPECT_EQ(list.FindByName(L"a"), nullptr);
    EXPECT_NE(list.Add(L"A", {}), nullptr) << "the name is free again";
}

TEST(MacroListTest, RenameKeepsNamesUnique)
{
    CMacroList list;
    CMacro* a = list.Add(L"a", {});
    list.Add(L"b", {});

    EXPECT_FALSE(list.Rename(a, L"B"));
    EXPECT_EQ(a->GetName(), L"a");
    EXPECT_TRUE(list.Rename(a, L"A")) << "a change of case alone is allowed";
    EXPECT_TRUE(list.Rename(a, L"c"));
    EXPECT_EQ(list.FindByName(L"C"), a);
    EXPECT_EQ(list.FindByName(L"a"), nullptr);
}

TEST(MacroListTest, MacrosOfAListRenameThroughIt)
{
    CMacroList list;
    CMacro* a = list.Add(L"a", {});
    list.Add(L"b", {});
    EXPECT_FALSE(a->SetName(L"B"));
    EXPECT_TRUE(a->SetName(L"renamed"));
    EXPECT_EQ(list.FindByName(L"RENAMED"), a);

    CMacro copy(*a);
    EXPECT_TRUE(copy.SetName(L"b")) << "a copy belongs to no list";
    EXPECT_EQ(list.FindByName(L"b")->GetName(), L"b");
    EXPECT_EQ(a->GetName(), L"renamed");
}

TEST(PredefinedMacroListTest, AltF4IsAltPressF4PressF4ReleaseAltRelease)
{
    const auto events = CPredefinedMacroList::Instance().Events(11);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0], MacroEvent::Key(56, 164, kKeyPressed, 0));
    EXPECT_EQ(events[1], MacroEvent::Key(62, 115, kKeyPressed, 0));
    EXPECT_EQ(events[2], MacroEvent::Key(62, 115, kKeyReleased, 0));
    EXPECT_EQ(events[3], MacroEvent::Key(56, 164, kKeyReleased, 0));
    EXPECT_EQ(CPredefinedMacroList::FunctionCode(11), 51);
}

TEST(PredefinedMacroListTest, EveryShortcutIsModifierAroundAKey)
{
    const CPredefinedMacroList& list = CPredefinedMacroList::Instance();
    EXPECT_EQ(list.EditShortcuts().size(), 9u);
    EXPECT_EQ(list.WindowShortcuts().size(), 8u);
    for (int number = 1; number <= 17; ++number) {
        const auto events = list.Events(number);
        ASSERT_EQ(events.size(), 4u) << number;
        EXPECT_EQ(events[0].KeyDirection(), kKeyPressed) << number;
        EXPECT_EQ(events[3].KeyDirection(), kKeyReleased) << number;
        EXPECT_EQ(events[0].VirtualKey(), events[3].VirtualKey()) << number;
        EXPECT_EQ(events[1].VirtualKey(), events[2].VirtualKey()) << number;
        EXPECT_EQ(CPredefinedMacroList::FunctionCode(number), 40 + number);
    }
    // The Windows-key shortcuts carry the extended flag.
    EXPECT_EQ(list.Events(12)[0], MacroEvent::Key(91, 91, kKeyPressed, 1));
    EXPECT_EQ(list.Events(1)[1].VirtualKey(), 'X');
    EXPECT_EQ(list.Events(16)[1].VirtualKey(), 187);
}

TEST(PredefinedMacroListTest, UnknownNumbersGiveNothing)
{
    const CPredefinedMacroList& list = CPredefinedMacroList::Instance();
    EXPECT_TRUE(list.Events(0).empty());
    EXPECT_TRUE(list.Events(18).empty());
    EXPECT_TRUE(list.EditShortcut(10).empty()) << "10 is a window shortcut";
    EXPECT_EQ(list.WindowShortcut(10), (std::vector<int>{3, 7, 8, 4}));
    MacroEvent event;
    EXPECT_FALSE(list.KeyEvent(41, event));
    EXPECT_TRUE(list.KeyEvent(40, event));
    EXPECT_EQ(event, MacroEvent::Key(44, 90, kKeyReleased, 0));
    EXPECT_EQ(CPredefinedMacroList::FunctionCode(18), -1);
}

}  // namespace
