#include <algorithm>
#include <cstring>
#include <vector>

#include "SimulatorFixture.h"

namespace {

svc::MacroEventEntry Event(uint32_t type, uint16_t low, uint16_t high)
{
    svc::MacroEventEntry entry{};
    entry.type = type;
    std::memcpy(entry.data, &low, 2);
    std::memcpy(entry.data + 2, &high, 2);
    return entry;
}

// A block as the program builds it: 8 * n + 16 bytes from the task allocator.
svc::MacroEventBlock* NewBlock(const std::vector<svc::MacroEventEntry>& events, uint32_t reserved = 0)
{
    const auto count = static_cast<uint32_t>(events.size());
    auto* block = static_cast<svc::MacroEventBlock*>(svc::TaskMemAlloc(svc::MacroEventBlock::BytesFor(count)));
    std::memset(block, 0, svc::MacroEventBlock::BytesFor(count));
    block->reserved = reserved;
    block->count = count;
    std::memcpy(reinterpret_cast<unsigned char*>(block) + 8, events.data(), events.size() * sizeof(svc::MacroEventEntry));
    return block;
}

std::vector<svc::MacroEventEntry> EventsOf(svc::IDeviceMacro* macro)
{
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    EXPECT_EQ(macro->GetEvents(block.Put()), svc::kOk);
    if (!block)
        return {};
    EXPECT_EQ(block.Get()->reserved, 0u);
    std::vector<svc::MacroEventEntry> events(block.Get()->count);
    std::memcpy(events.data(), reinterpret_cast<const unsigned char*>(block.Get()) + 8, events.size() * sizeof(svc::MacroEventEntry));
    return events;
}

bool SameEvents(const std::vector<svc::MacroEventEntry>& a, const std::vector<svc::MacroEventEntry>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(a[0])) == 0);
}

// The mouse's macro collection over a fresh store.
class MacroTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        m_service = Service();
        m_macros = Macros(Mouse(m_service.Get()).Get());
        ASSERT_TRUE(m_macros);
    }
    void TearDown() override
    {
        m_macros.Reset();
        m_service.Reset();
        SimulatorTest::TearDown();
    }

    svc::ComPtr<svc::IDeviceMacro> Create()
    {
        svc::ComPtr<svc::IDeviceMacro> macro;
        EXPECT_EQ(m_macros->Create(macro.Put()), svc::kOk);
        return macro;
    }

    const std::vector<svc::MacroEventEntry> m_events = {
        Event(svc::kEventKey, 0x1E, 0), Event(svc::kEventDelay, 250, 0), Event(svc::kEventKey, 0x1E, 1),
        Event(svc::kEventMouse, 0x0001, 0), Event(svc::kEventMouse, 0x0002, 0)};
    svc::ComPtr<svc::IMouseService> m_service;
    svc::ComPtr<svc::IDeviceMacros> m_macros;
};

TEST_F(MacroTest, AFreshStoreHasNoMacros)
{
    EXPECT_EQ(CountMacros(m_macros.Get()), 0u);
}

TEST_F(MacroTest, ANewMacroHasAFreshIdANameAndNoEvents)
{
    auto macro = Create();
    const Guid id = IdOf(macro.Get());
    EXPECT_FALSE(id.IsNull());
    EXPECT_NE(id, IdOf(Create().Get()));
    EXPECT_EQ(NameOf(macro.Get()), u"New macro");
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    ASSERT_EQ(macro->GetEvents(block.Put()), svc::kOk);
    EXPECT_EQ(block.Get()->count, 0u);
    EXPECT_EQ(CountMacros(m_macros.Get()), 2u);
}

TEST_F(MacroTest, EventsAndNamesRoundTrip)
{
    auto macro = Create();
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    *block.Put() = NewBlock(m_events);
    ASSERT_EQ(macro->SetEvents(block.Get()), svc::kOk);
    ASSERT_EQ(macro->SetName(u"Combo \u00E9"), svc::kOk);

    svc::ComPtr<svc::IDeviceMacro> found;
    ASSERT_EQ(m_macros->FindById(IdOf(macro.Get()), found.Put()), svc::kOk);
    EXPECT_TRUE(SameEvents(EventsOf(found.Get()), m_events));
    EXPECT_EQ(NameOf(found.Get()), u"Combo \u00E9");
}

TEST_F(MacroTest, AReturnedBlockHasRoomForTwoMoreEntries)
{
    auto macro = Create();
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    *block.Put() = NewBlock(m_events);
    ASSERT_EQ(macro->SetEvents(block.Get()), svc::kOk);
    svc::TaskMemPtr<svc::MacroEventBlock> returned;
    ASSERT_EQ(macro->GetEvents(returned.Put()), svc::kOk);
    // Under AddressSanitizer a block shorter than 8 * n + 16 bytes fails this read.
    unsigned char tail[8];
    std::memcpy(tail, reinterpret_cast<const unsigned char*>(returned.Get()) + svc::MacroEventBlock::BytesFor(5) - 8, 8);
    EXPECT_EQ(std::count(std::begin(tail), std::end(tail), 0), 8);
}

TEST_F(MacroTest, InvalidBlocksChangeNothing)
{
    auto macro = Create();
    svc::TaskMemPtr<svc::MacroEventBlock> good;
    *good.Put() = NewBlock(m_events);
    ASSERT_EQ(macro->SetEvents(good.Get()), svc::kOk);

    svc::TaskMemPtr<svc::MacroEventBlock> badType;
    *badType.Put() = NewBlock({Event(svc::kEventKey, 1, 0), Event(4, 0, 0)});
    EXPECT_EQ(macro->SetEvents(badType.Get()), svc::kInvalidArg);
    svc::TaskMemPtr<svc::MacroEventBlock> badHeader;
    *badHeader.Put() = NewBlock({Event(svc::kEventKey, 1, 0)}, 7);
    EXPECT_EQ(macro->SetEvents(badHeader.Get()), svc::kInvalidArg);
    svc::TaskMemPtr<svc::MacroEventBlock> tooMany;
    *tooMany.Put() = NewBlock(std::vector<svc::MacroEventEntry>(sim::kMaxMacroEvents + 1, Event(svc::kEventDelay, 1, 0)));
    EXPECT_EQ(macro->SetEvents(tooMany.Get()), svc::kInvalidArg);
    EXPECT_EQ(macro->SetEvents(nullptr), svc::kPointer);
    EXPECT_TRUE(SameEvents(EventsOf(macro.Get()), m_events));

    svc::TaskMemPtr<svc::MacroEventBlock> most;
    *most.Put() = NewBlock(std::vector<svc::MacroEventEntry>(sim::kMaxMacroEvents, Event(svc::kEventDelay, 1, 0)));
    EXPECT_EQ(macro->SetEvents(most.Get()), svc::kOk);
    EXPECT_EQ(EventsOf(macro.Get()).size(), sim::kMaxMacroEvents);
}

TEST_F(MacroTest, RemoveDeletesAndLeavesObjectsOfTheRemovedMacroFailing)
{
    auto first = Create();
    auto second = Create();
    const Guid firstId = IdOf(first.Get());
    // How the program clears every macro: remove at index 0 while one is there.
    for (svc::ComPtr<svc::IDeviceMacro> macro; svc::Succeeded(m_macros->GetItem(0, macro.Put()));)
        ASSERT_EQ(m_macros->Remove(macro.Get()), svc::kOk);
    EXPECT_EQ(CountMacros(m_macros.Get()), 0u);
    svc::ComPtr<svc::IDeviceMacro> found;
    EXPECT_EQ(m_macros->FindById(firstId, found.Put()), sim::kNotFound);
    Guid id;
    EXPECT_EQ(first->GetId(&id), sim::kNotFound);
    svc::TaskMemPtr<svc::MacroEventBlock> block;
    EXPECT_EQ(first->GetEvents(block.Put()), sim::kNotFound);
    EXPECT_FALSE(block);
    EXPECT_EQ(m_macros->Remove(second.Get()), sim::kNotFound);
    EXPECT_EQ(m_macros->Remove(nullptr), svc::kInvalidArg);
}

TEST_F(MacroTest, MacrosAndProfilesDoNotShareIds)
{
    auto macro = Create();
    auto profiles = Profiles(Mouse(m_service.Get()).Get());
    svc::ComPtr<svc::IDeviceProfile> profile;
    EXPECT_EQ(profiles->FindById(IdOf(macro.Get()), profile.Put()), sim::kNotFound);
}

TEST_F(MacroTest, NoMoreThanTheMacroLimit)
{
    for (size_t i = 0; i < sim::kMaxMacros; ++i)
        ASSERT_TRUE(Create());
    svc::ComPtr<svc::IDeviceMacro> macro;
    EXPECT_EQ(m_macros->Create(macro.Put()), sim::kLimitReached);
    EXPECT_EQ(CountMacros(m_macros.Get()), sim::kMaxMacros);
}

}  // namespace
