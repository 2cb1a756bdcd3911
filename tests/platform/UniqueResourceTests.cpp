#include "platform/UniqueResource.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/ComPtr.h"

namespace {

// Handles are small integers; every close is recorded by the pool the traits point to, so a
// second close of one handle shows.
struct ClosedHandles
{
    std::vector<int> closed;
};

struct CountedTraits
{
    using Handle = int;
    ClosedHandles* pool = nullptr;
    static constexpr int Invalid() noexcept { return 0; }
    // -1 is a second "nothing", as INVALID_HANDLE_VALUE is for kernel handles.
    static bool IsValid(int handle) noexcept { return handle > 0; }
    void Close(int handle) const noexcept { pool->closed.push_back(handle); }
};

using Owner = platform::UniqueResource<CountedTraits>;

class UniqueResourceTest : public ::testing::Test
{
protected:
    [[nodiscard]] Owner Own(int handle) { return Owner(handle, CountedTraits{&pool}); }

    ClosedHandles pool;
};

TEST_F(UniqueResourceTest, ClosesOnceWhenItGoesOrIsReset)
{
    {
        Owner owner = Own(1);
        EXPECT_TRUE(owner);
        owner.Reset(2);
        EXPECT_EQ(pool.closed, std::vector<int>{1});
        owner.Reset(2);  // the handle it holds already: nothing is closed
        EXPECT_EQ(owner.Get(), 2);
    }
    EXPECT_EQ(pool.closed, (std::vector<int>{1, 2}));
    EXPECT_FALSE(Own(-1)) << "the second invalid value owns nothing";
    EXPECT_EQ(pool.closed.size(), 2u);
}

TEST_F(UniqueResourceTest, MovesTakeTheHandleAndTheTraitsAndLeaveNothingBehind)
{
    Owner source = Own(7);
    Owner moved(std::move(source));
    EXPECT_FALSE(source);
    EXPECT_EQ(moved.Get(), 7);

    ClosedHandles otherPool;
    Owner target(3, CountedTraits{&otherPool});
    target = std::move(moved);
    EXPECT_EQ(otherPool.closed, std::vector<int>{3}) << "the target's own handle goes with its own traits";
    EXPECT_TRUE(pool.closed.empty());
    target = std::move(target);
    EXPECT_EQ(target.Get(), 7) << "moving onto itself keeps the handle";
    target.Reset();
    EXPECT_EQ(pool.closed, std::vector<int>{7}) << "the moved handle is closed by the traits it came with";
}

TEST_F(UniqueResourceTest, ReleaseHandsTheHandleOverAndPutRefills)
{
    Owner owner = Own(4);
    EXPECT_EQ(owner.Release(), 4);
    EXPECT_FALSE(owner);
    owner.Reset(5);
    int* out = owner.Put();
    EXPECT_EQ(pool.closed, std::vector<int>{5}) << "Put frees what was held";
    *out = 6;
    EXPECT_EQ(owner.Get(), 6);
}

struct CountedObject
{
    int references = 1;
    void AddRef() { ++references; }
    void Release() { --references; }
};

TEST(ComPtrTest, SharesAddAReferenceAndEveryOwnerReleasesOne)
{
    CountedObject object;
    {
        platform::ComPtr<CountedObject> first(&object);
        platform::ComPtr<CountedObject> second = platform::ComPtr<CountedObject>::Share(&object);
        EXPECT_EQ(object.references, 2);
        CountedObject* detached = second.Detach();
        EXPECT_EQ(detached, &object);
        EXPECT_EQ(object.references, 2) << "a detached reference is not released";
    }
    EXPECT_EQ(object.references, 1);
}

}  // namespace
