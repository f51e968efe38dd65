// Removing sprites, members or the whole movie while a plug-in call is on the stack: the
// objects leave the movie at once and are destroyed when the outermost call returns, so the
// plug-in code that is still running never touches a freed instance (AddressSanitizer
// watches the re-entry plug-in's accesses after each handler).
#include <string>

#include <unistd.h>

#include "host_fixture.h"

namespace {

std::string reentryDir() {
    return ZX_TEST_PLUGIN_DIR;
}

enum class Removal { Sprite, Member, Movie };

const char* nameOf(Removal removal) {
    switch (removal) {
    case Removal::Sprite:
        return "sprite";
    case Removal::Member:
        return "member";
    case Removal::Movie:
        return "movie";
    }
    return "";
}

struct RemovalDuringCalls : ::testing::Test {
    void SetUp() override {
        host.stage().setSize(100, 100);
        member = &host.newMember("reentry", "p");
        sprite = &host.addSprite(*member, zxhost::Rect{10, 10, 40, 40});
        module = member->module();
        // Saved once, so that a handler can replace the movie with a fresh copy of it.
        moviePath = zxtest::scratchPath("removal_" + std::to_string(::getpid()) + ".json");
        host.saveMovie(moviePath);
    }
    void TearDown() override { std::remove(moviePath.c_str()); }

    // The action a handler takes: what it removes, observed from inside.
    void removeFromHandler(Removal removal) {
        switch (removal) {
        case Removal::Sprite:
            host.removeSprite(*host.sprites().at(0));
            break;
        case Removal::Member:
            host.deleteMember(*host.member("p"));
            break;
        case Removal::Movie:
            host.loadMovie(moviePath);
            break;
        }
        // Out of the movie at once, still alive.
        liveInside = module->liveInstances();
    }

    void armHandler(Removal removal) {
        handlerRuns = 0;
        host.setHandler("Refresh", [this, removal](zxhost::Sprite*, const auto&) {
            if (handlerRuns++ == 0) {
                removeFromHandler(removal);
            }
            return zxhost::Value{};
        });
    }

    zxhost::Host host{{zxtest::pluginDir(), reentryDir()}};
    zxhost::Module* module = nullptr;
    zxhost::Member* member = nullptr;
    zxhost::Sprite* sprite = nullptr;
    std::string moviePath;
    int handlerRuns = 0;
    int32_t liveInside = -1;
};

const int32_t kEventKinds[] = {zxhost::event::kMouseDown, zxhost::event::kMouseDrag,
                               zxhost::event::kMouseUp,   zxhost::event::kCancel,
                               zxhost::event::kKey,       zxhost::event::kEnd,
                               zxhost::event::kFocus,     zxhost::event::kBlur};

TEST_F(RemovalDuringCalls, EveryEventKindOutlivesItsHandlerRemovingTheSpriteMemberOrMovie) {
    for (Removal removal : {Removal::Sprite, Removal::Member, Removal::Movie}) {
        for (int32_t kind : kEventKinds) {
            SCOPED_TRACE(std::string(nameOf(removal)) + " removed during event " +
                         std::to_string(kind));
            host.loadMovie(moviePath); // a fresh member and sprite each round
            const int32_t before = module->liveInstances();
            armHandler(removal);
            const zxhost::EventOutcome outcome = host.sprites().at(0)->event(kind, 5, 5);
            EXPECT_EQ(handlerRuns, 1);
            // The plug-in finished its event with its instances alive.
            EXPECT_TRUE(outcome.handled);
            EXPECT_EQ(liveInside, removal == Removal::Movie ? before + 2 : before);
            // Destroyed once the event returned: one actor, or the actor and the asset, or
            // the old movie's two while the new one's stay.
            EXPECT_EQ(module->liveInstances(), removal == Removal::Sprite   ? before - 1
                                               : removal == Removal::Member ? before - 2
                                                                            : before);
            host.removeHandler("Refresh");
        }
    }
}

TEST_F(RemovalDuringCalls, DrawOutlivesItsHandlerRemovingTheSpriteMemberOrMovie) {
    for (Removal removal : {Removal::Sprite, Removal::Member, Removal::Movie}) {
        SCOPED_TRACE(nameOf(removal));
        host.loadMovie(moviePath);
        const int32_t before = module->liveInstances();
        armHandler(removal);
        host.stage().render();
        EXPECT_GE(handlerRuns, 1);
        EXPECT_EQ(liveInside, removal == Removal::Movie ? before + 2 : before);
        host.removeHandler("Refresh");
        EXPECT_EQ(host.sprites().size(), removal == Removal::Movie ? 1u : 0u);
    }
}

TEST_F(RemovalDuringCalls, IdleOutlivesARemovalInsideItsRedrawRequest) {
    for (Removal removal : {Removal::Sprite, Removal::Member, Removal::Movie}) {
        SCOPED_TRACE(nameOf(removal));
        host.loadMovie(moviePath);
        const int32_t before = module->liveInstances();
        int requests = 0;
        host.hooks().duringRedrawRequest = [&](int32_t) {
            if (requests++ == 0) {
                removeFromHandler(removal);
            }
        };
        // The plug-in asks to be drawn once after it was made; the frame then clears the
        // member's changed flag, after the request returned.
        EXPECT_EQ(host.stage().idle(), 1);
        host.hooks().duringRedrawRequest = nullptr;
        EXPECT_EQ(requests, 1);
        EXPECT_EQ(liveInside, removal == Removal::Movie ? before + 2 : before);
        EXPECT_EQ(module->liveInstances(), removal == Removal::Sprite   ? before - 1
                                           : removal == Removal::Member ? before - 2
                                                                        : before);
    }
}

TEST_F(RemovalDuringCalls, ResizingTheStageWhileDrawingKeepsTheOldSurfaceUntilDrawReturns) {
    host.setHandler("Refresh", [this](zxhost::Sprite*, const auto&) {
        host.stage().setSize(300, 200);
        return zxhost::Value{};
    });
    host.stage().render();
    EXPECT_EQ(host.stage().width(), 300);
    EXPECT_FALSE(host.stage().hasRetiredSurfaces());
}

TEST_F(RemovalDuringCalls, OutsideAnyCallRemovalIsImmediateAndAHoldDefersIt) {
    const int32_t before = module->liveInstances();
    {
        zxhost::RemovalHold hold(host);
        host.deleteMember(*member);
        EXPECT_EQ(host.member("p"), nullptr);
        EXPECT_EQ(host.spriteById(sprite->id()), nullptr);
        EXPECT_EQ(module->liveInstances(), before);
    }
    EXPECT_EQ(module->liveInstances(), before - 2);
    zxhost::Member& again = host.newMember("reentry", "q");
    host.deleteMember(again);
    EXPECT_EQ(module->liveInstances(), before - 2);
}

} // namespace
