// The registry that gives scripts integer ids for live panes.
#include <gtest/gtest.h>

#include "engine/equation_pane.h"

namespace zx::equation {
namespace {

int gCreatedCalls = 0;
int gDestroyedCalls = 0;
void CountCreated() {
    ++gCreatedCalls;
}
void CountDestroyed() {
    ++gDestroyedCalls;
}

TEST(PaneRegistry, IdsStartAtOneAndAreNeverReused) {
    PaneRegistry registry;
    std::int32_t a = registry.Create(10, 10, 0, 0);
    EXPECT_EQ(a, 1);
    registry.Release(a);
    std::int32_t b = registry.Create(10, 10, 0, 0);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(registry.Find(a), nullptr);
    EXPECT_NE(registry.Find(b), nullptr);
    registry.Release(b);
}

TEST(PaneRegistry, IdsNamingNoLivePaneFindNothingAndTakeNoReference) {
    PaneRegistry registry;
    std::int32_t id = registry.Create(10, 10, 0, 0);
    for (std::int32_t stale : {0, -1, id + 1, 12345}) {
        EXPECT_EQ(registry.Find(stale), nullptr) << stale;
        EXPECT_FALSE(registry.Acquire(stale)) << stale;
        registry.Release(stale); // ignored
    }
    EXPECT_EQ(registry.LiveCount(), 1u);
    registry.Release(id);
    EXPECT_FALSE(registry.Acquire(id));
    EXPECT_EQ(registry.LiveCount(), 0u);
}

TEST(PaneRegistry, PaneLivesUntilItsLastReferenceIsReleased) {
    PaneRegistry registry;
    std::int32_t id = registry.Create(30, 20, 5, 6);
    EquationPane* pane = registry.Find(id);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->rect().right, 35);
    EXPECT_EQ(pane->rect().bottom, 26);
    EXPECT_TRUE(registry.Acquire(id));
    registry.Release(id);
    EXPECT_EQ(registry.Find(id), pane);
    registry.Release(id);
    EXPECT_EQ(registry.Find(id), nullptr);
}

TEST(PaneRegistry, LifetimeHooksRunForTheFirstPaneAndAfterTheLast) {
    PaneRegistry registry;
    gCreatedCalls = gDestroyedCalls = 0;
    registry.SetLifetimeHooks(CountCreated, CountDestroyed);
    std::int32_t a = registry.Create(1, 1, 0, 0);
    std::int32_t b = registry.Create(1, 1, 0, 0);
    EXPECT_EQ(gCreatedCalls, 1);
    registry.Release(a);
    EXPECT_EQ(gDestroyedCalls, 0);
    registry.Release(b);
    EXPECT_EQ(gDestroyedCalls, 1);
    registry.Release(b); // already gone: no second call
    EXPECT_EQ(gDestroyedCalls, 1);
    registry.Release(registry.Create(1, 1, 0, 0));
    EXPECT_EQ(gCreatedCalls, 2);
    EXPECT_EQ(gDestroyedCalls, 2);
}

} // namespace
} // namespace zx::equation
