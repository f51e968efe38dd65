// A host with formulon32 loaded, one equation member and one sprite of it on a grey stage.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "zxhost/host.h"

class EquationSpriteThroughHost : public ::testing::Test {
protected:
    static constexpr uint32_t kStageColor = 0x808080;
    static constexpr zxhost::Rect kSpriteRect{10, 10, 170, 60};

    EquationSpriteThroughHost() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/formulon32.so");
        member = &host.newMember("formulon", "eq");
        host.stage().setSize(200, 80);
        host.stage().setColor(kStageColor);
        sprite = &host.addSprite(*member, kSpriteRect);
    }

    std::string storedText() {
        const auto read = member->getProp("Eq1String");
        const auto* s = read.value.get<std::string>();
        return s != nullptr ? *s : std::string("<not a string>");
    }
    int32_t integer(const std::string& property) {
        const auto read = member->getProp(property);
        const auto* i = read.value.get<int32_t>();
        return i != nullptr ? *i : -12345;
    }
    // The "Default Beep" sounds in the event log since the last call.
    int beeps() {
        int count = 0;
        for (const auto& message : host.messages()) {
            if (message.kind == "sound" && message.text == "Default Beep") {
                ++count;
            }
        }
        return count;
    }
    // The sprite property a script sets on the sprite itself.
    int32_t setSpriteProp(const std::string& name, int32_t number) {
        zx::HostValue value = host.toHostValue(zxhost::Value(number));
        zx::SpriteActorInterface* actor = sprite->actor();
        const int32_t result = actor->ops->setProp(actor, host.symbol(name), &value);
        host.releaseHostValue(value);
        return result;
    }

    zxhost::Host host;
    zxhost::Member* member = nullptr;
    zxhost::Sprite* sprite = nullptr;
};
