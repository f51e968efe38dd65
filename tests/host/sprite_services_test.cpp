// The objects a sprite calls back: SpriteHost, SpriteServices (handlers, re-entrant), the
// member host's notifications and list services.
#include "host_fixture.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"

namespace {

struct SpriteServicesTest : ::testing::Test {
    void SetUp() override {
        ZX_REQUIRE_COUNTER();
        member = &host.newMember("tallydisc", "odo");
        sprite = &host.addSprite(*member, zxhost::Rect{0, 0, 30, 16});
        zx::SpriteHost* spriteHost = sprite->spriteHost();
        ASSERT_EQ(spriteHost->ops->queryInterface(spriteHost, &zx::kSpriteServicesId,
                                                  reinterpret_cast<void**>(&services)),
                  0);
    }
    void TearDown() override {
        if (services) {
            services->ops->release(services);
        }
    }
    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Member* member = nullptr;
    zxhost::Sprite* sprite = nullptr;
    zx::SpriteServices* services = nullptr;
};

TEST_F(SpriteServicesTest, HandlerGetsTheSpriteAndItsArgumentsOnly) {
    zxhost::Sprite* seen = nullptr;
    std::vector<zxhost::Value> seenArgs;
    host.setHandler("SetSpriteCursor",
                    [&](zxhost::Sprite* s, const std::vector<zxhost::Value>& args) {
                        seen = s;
                        seenArgs = args;
                        return zxhost::Value(1);
                    });
    zx::HostValue argv[2]{};
    ASSERT_EQ(services->ops->spriteReference(services, &argv[0]), 0);
    argv[1] = zx::HostValue{zxhost::kInteger, -1};
    zx::HostValue result{};
    EXPECT_EQ(
        services->ops->callHandler(services, host.symbol("SetSpriteCursor"), 2, argv, &result), 0);
    EXPECT_EQ(seen, sprite);
    ASSERT_EQ(seenArgs.size(), 2u);
    EXPECT_EQ(seenArgs[0], zxhost::Value(sprite->ref()));
    EXPECT_EQ(seenArgs[1], zxhost::Value(-1));
    EXPECT_EQ(result.payload, 1);
    ASSERT_EQ(host.hooks().records.handlerCalls.size(), 1u);
    EXPECT_EQ(host.hooks().records.handlerCalls[0].name, "SetSpriteCursor");
}

TEST_F(SpriteServicesTest, HandlersMayReEnterTheHostAndTheirErrorsWaitForTheOuterCall) {
    int depth = 0;
    host.setHandler("Refresh", [&](zxhost::Sprite* s, const std::vector<zxhost::Value>&) {
        ++depth;
        s->mouseUp(1, 1);      // an event while the plug-in is still on the stack
        host.stage().render(); // and a full draw
        throw zxhost::Error("handler failed");
        return zxhost::Value();
    });
    zx::HostValue result{7, 7};
    EXPECT_EQ(services->ops->callHandler(services, host.symbol("Refresh"), 0, nullptr, &result), 0);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(result.type, 7); // untouched
    // The next host call that returns from a plug-in rethrows it.
    EXPECT_THROW(sprite->idle(), zxhost::Error);
    EXPECT_NO_THROW(sprite->idle());
}

TEST_F(SpriteServicesTest, MissingHandlerSucceedsAndLookupIsAsked) {
    std::string asked;
    host.setHandlerLookup(
        [&](const std::string& name, zxhost::Sprite*, const std::vector<zxhost::Value>&) {
            asked = name;
            return std::nullopt;
        });
    zx::HostValue result{};
    EXPECT_EQ(services->ops->callHandler(services, host.symbol("Nowhere"), 0, nullptr, &result), 0);
    EXPECT_EQ(asked, "Nowhere");
    EXPECT_EQ(result.type, 0);
}

TEST_F(SpriteServicesTest, SpriteHostRedrawAndMemberNotificationsAreRecorded) {
    zx::SpriteHost* spriteHost = sprite->spriteHost();
    spriteHost->ops->requestRedraw(spriteHost);
    ASSERT_EQ(host.hooks().records.spriteHostRedraws.size(), 1u);
    EXPECT_EQ(host.hooks().records.spriteHostRedraws[0], sprite->id());
    host.addSprite(*member, zxhost::Rect{0, 20, 30, 36});
    zx::MemberHost* memberHost = member->memberHost();
    EXPECT_EQ(memberHost->ops->notify(memberHost, 2, 0), 0);
    ASSERT_EQ(host.hooks().records.notifications.size(), 1u);
    EXPECT_EQ(host.hooks().records.notifications[0].code, 2);
}

TEST_F(SpriteServicesTest, QueryFaultForSpriteServicesLeavesNull) {
    host.hooks().failAt(zxhost::fault::kQuerySpriteServices, {0, zx::kNoSuchInterface});
    zx::SpriteHost* spriteHost = sprite->spriteHost();
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(spriteHost->ops->queryInterface(spriteHost, &zx::kSpriteServicesId, &out),
              zx::kNoSuchInterface);
    EXPECT_EQ(out, nullptr);
}

TEST(ListServices, CountAndItemsOfAListOfRects) {
    zxhost::Host host;
    zx::ListServices* lists = nullptr;
    ASSERT_EQ(host.queryService(zx::kListServicesId, reinterpret_cast<void**>(&lists)), 0);
    zxhost::List items;
    for (int i = 0; i < 3; ++i) {
        items.push_back(zxhost::Value(zxhost::Rect{i, 0, i + 10, 5}));
    }
    zx::HostValue list = host.toHostValue(zxhost::Value(items));
    int32_t n = 0;
    ASSERT_EQ(lists->ops->count(lists, &list, &n), 0);
    EXPECT_EQ(n, 3);
    zx::HostValue item{};
    ASSERT_EQ(lists->ops->item(lists, &list, 2, &item), 0);
    zx::HostRect r{};
    zx::HostUtilities* u = host.utilities();
    ASSERT_EQ(u->ops->valueToRect(u, &item, &r), 0);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.right, 11);
    u->ops->releaseValue(u, &item);
    EXPECT_NE(lists->ops->item(lists, &list, 0, &item), 0);
    EXPECT_NE(lists->ops->item(lists, &list, 4, &item), 0);
    host.hooks().failNth(zxhost::fault::kListItem, 1);
    EXPECT_NE(lists->ops->item(lists, &list, 1, &item), 0);
    host.releaseHostValue(list);
    lists->ops->release(lists);
    EXPECT_EQ(host.liveValues(), 0);
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
}

} // namespace
