// Sprites: creation through the member's NewSpriteActor, events, idle and drawing.
#include <windows.h>

#include "host_impl.h"

namespace zxhost {

Sprite::~Sprite() {
    if (actor_) {
        actor_->ops->release(actor_);
    }
    if (spriteHost_) {
        spriteHost_->spriteId = 0;
        spriteHost_->services->spriteId = 0;
        hostRelease(&spriteHost_->base);
    }
}

Sprite& Host::addSprite(Member& member, const Rect& rect, int32_t ink,
                        const std::array<int32_t, 4>& params) {
    HostImpl& host = *impl_;
    std::unique_ptr<Sprite> sprite(new Sprite());
    sprite->host_ = &host;
    sprite->id_ = host.nextSpriteId++;
    sprite->member_ = &member;
    sprite->rect_ = rect;
    sprite->ink_ = ink;
    sprite->params_ = params;
    if (zx::AssetInterface* asset = member.asset()) {
        zx::SpriteActorInterface* actor = nullptr;
        const int32_t made = asset->ops->newSpriteActor(asset, &actor);
        if (made != zx::kOk || !actor) {
            throw Error("cannot create a sprite of member '" + member.name() +
                        "': " + hexCode(made));
        }
        sprite->actor_ = actor;
        sprite->spriteHost_ = newSpriteHost(&host, sprite->id_);
        actor->ops->setSpriteHost(actor, reinterpret_cast<zx::SpriteHost*>(sprite->spriteHost_));
        int32_t caps[4] = {0, 0, 0, 0};
        if (actor->ops->getSpriteCaps(actor, caps) == zx::kOk) {
            sprite->caps_ = {caps[0], caps[1], caps[2], caps[3]};
        }
    }
    host.sprites.push_back(std::move(sprite));
    host.rethrowPending();
    return *host.sprites.back();
}

// Positions are relative to the sprite's rectangle; the record carries stage coordinates
// (word 2 vertical, word 3 horizontal), and the cursor is moved there first so that
// plug-ins reading GetCursorPos see the same point.
EventOutcome Sprite::event(int32_t kind, int32_t x, int32_t y, uint8_t ch, int32_t modifiers) {
    if (!actor_) {
        return EventOutcome{};
    }
    host_->stage->setCursor(rect_.left + x, rect_.top + y);
    return deliver(kind, rect_.left + x, rect_.top + y, ch, modifiers);
}

EventOutcome Sprite::eventAtCursor(int32_t kind, uint8_t ch, int32_t modifiers) {
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    if (host_->stage->window()) {
        ScreenToClient(host_->stage->window(), &cursor);
    }
    return deliver(kind, cursor.x, cursor.y, ch, modifiers);
}

EventOutcome Sprite::deliver(int32_t kind, int32_t stageX, int32_t stageY, uint8_t ch,
                             int32_t modifiers) {
    EventOutcome outcome;
    if (!actor_) {
        return outcome;
    }
    zx::EventRecord record{};
    record.words[0] = kind;
    record.words[2] = stageY;
    record.words[3] = stageX;
    reinterpret_cast<uint8_t*>(record.words)[zx::kEventCharOffset] = ch;
    record.words[6] = modifiers;
    int32_t handled = 0;
    outcome.code = actor_->ops->handleEvent(actor_, &record, 0, &handled);
    outcome.handled = handled != 0;
    host_->rethrowPending();
    return outcome;
}

bool Sprite::typeText(const std::string& text) {
    bool all = true;
    for (char ch : text) {
        all = key(ch) && all;
    }
    return all;
}

int32_t Sprite::idle() {
    if (!actor_) {
        return 0;
    }
    RedrawServiceObject& redraw = host_->redraw;
    const int32_t previousSprite = redraw.spriteId;
    const int32_t before = redraw.requests;
    redraw.spriteId = id_;
    actor_->ops->idle(actor_, id_, reinterpret_cast<zx::RedrawService*>(&redraw));
    redraw.spriteId = previousSprite;
    host_->rethrowPending();
    return redraw.requests - before;
}

// The draw record: words 0-3 the rectangle (top, left, bottom, right), 6 the ink, 7-10
// the ink parameters.
int32_t Sprite::draw(HDC dc, int32_t contextKind) {
    if (!actor_) {
        return zx::kOk;
    }
    zx::DrawRecord record{};
    record.words[0] = rect_.top;
    record.words[1] = rect_.left;
    record.words[2] = rect_.bottom;
    record.words[3] = rect_.right;
    record.words[zx::kDrawInk] = ink_;
    for (int i = 0; i < 4; ++i) {
        record.words[zx::kDrawInkParams + i] = params_[static_cast<size_t>(i)];
    }
    zx::DrawContext* context = newDrawContext(host_, contextKind, dc ? dc : host_->stage->dc());
    const int32_t result = actor_->ops->draw(actor_, &record, 0, context);
    hostRelease(reinterpret_cast<HostObject*>(context));
    host_->rethrowPending();
    return result;
}

} // namespace zxhost
