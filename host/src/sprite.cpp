// Sprites: creation through the member's NewSpriteActor, events, idle and drawing.
#include <windows.h>

#include "host_impl.h"

namespace zxhost {

std::string describeRect(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

void checkSpriteRect(const Rect& rect) {
    if (!rect.withinLimit()) {
        throw Error("sprite rectangle " + describeRect(rect) + " lies outside the coordinate " +
                    "limit of +-" + std::to_string(kCoordinateLimit));
    }
}

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
    checkSpriteRect(rect);
    CallScope call(host);
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
    Sprite& added = host.roster.addSprite(std::move(sprite));
    host.rethrowPending();
    return added;
}

void Sprite::setRect(const Rect& rect) {
    checkSpriteRect(rect);
    rect_ = rect;
}

// Positions are relative to the sprite's rectangle; the record carries stage coordinates
// (word 2 vertical, word 3 horizontal), and the cursor is moved there first so that
// plug-ins reading GetCursorPos see the same point.
EventOutcome Sprite::event(int32_t kind, int32_t x, int32_t y, uint8_t ch, int32_t modifiers) {
    const int64_t stageX = int64_t{rect_.left} + x;
    const int64_t stageY = int64_t{rect_.top} + y;
    if (!withinCoordinateLimit(x) || !withinCoordinateLimit(y) || !withinCoordinateLimit(stageX) ||
        !withinCoordinateLimit(stageY)) {
        throw Error("event position (" + std::to_string(x) + ", " + std::to_string(y) +
                    ") lies outside the coordinate limit of +-" + std::to_string(kCoordinateLimit));
    }
    if (!actor_) {
        return EventOutcome{};
    }
    host_->stage->setCursor(static_cast<int32_t>(stageX), static_cast<int32_t>(stageY));
    return deliver(kind, static_cast<int32_t>(stageX), static_cast<int32_t>(stageY), ch, modifiers);
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
    record.words[zx::kEventModifiers] = modifiers;
    int32_t handled = 0;
    HostImpl& host = *host_;
    {
        // The handler that a sprite calls may remove this very sprite: it stays alive until
        // the outermost call returns, and nothing here touches it after the scope.
        CallScope call(host);
        outcome.code = actor_->ops->handleEvent(actor_, &record, 0, &handled);
    }
    outcome.handled = handled != 0;
    host.rethrowPending();
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
    HostImpl& host = *host_;
    RedrawServiceObject& redraw = host.redraw;
    const int32_t previousSprite = redraw.spriteId;
    const int32_t before = redraw.requests;
    redraw.spriteId = id_;
    {
        CallScope call(host);
        actor_->ops->idle(actor_, id_, reinterpret_cast<zx::RedrawService*>(&redraw));
    }
    redraw.spriteId = previousSprite;
    host.rethrowPending();
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
    HostImpl& host = *host_;
    int32_t result = 0;
    {
        CallScope call(host);
        zx::DrawContext* context = newDrawContext(&host, contextKind, dc ? dc : host.stage->dc());
        result = actor_->ops->draw(actor_, &record, 0, context);
        hostRelease(reinterpret_cast<HostObject*>(context));
    }
    host.rethrowPending();
    return result;
}

} // namespace zxhost
