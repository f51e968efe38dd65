// Ordered lists of members and sprites with hash indexes beside them.
#include "roster.h"

#include <algorithm>

namespace zxhost {

void Roster::clear() {
    memberIds_.clear();
    memberNames_.clear();
    spriteIds_.clear();
    spritesByMember_.clear();
    while (!sprites_.empty()) {
        sprites_.pop_back();
    }
    while (!members_.empty()) {
        members_.pop_back();
    }
}

void Roster::swap(Roster& other) noexcept {
    // List iterators stay valid across a swap, so the indexes move along with their lists.
    members_.swap(other.members_);
    sprites_.swap(other.sprites_);
    memberIds_.swap(other.memberIds_);
    memberNames_.swap(other.memberNames_);
    spriteIds_.swap(other.spriteIds_);
    spritesByMember_.swap(other.spritesByMember_);
}

Member& Roster::addMember(std::unique_ptr<Member> member) {
    Member& added = *member;
    members_.push_back(std::move(member));
    memberIds_[added.id()] = std::prev(members_.end());
    memberNames_[added.name()] = &added;
    return added;
}

Sprite& Roster::addSprite(std::unique_ptr<Sprite> sprite) {
    Sprite& added = *sprite;
    sprites_.push_back(std::move(sprite));
    spriteIds_[added.id()] = std::prev(sprites_.end());
    spritesByMember_[added.member().id()].push_back(added.id());
    return added;
}

Member* Roster::member(int32_t id) const {
    auto found = memberIds_.find(id);
    return found == memberIds_.end() ? nullptr : found->second->get();
}

Member* Roster::member(const std::string& name) const {
    auto found = memberNames_.find(name);
    return found == memberNames_.end() ? nullptr : found->second;
}

Sprite* Roster::sprite(int32_t id) const {
    auto found = spriteIds_.find(id);
    return found == spriteIds_.end() ? nullptr : found->second->get();
}

std::vector<int32_t> Roster::spriteIdsOf(int32_t memberId) const {
    auto found = spritesByMember_.find(memberId);
    return found == spritesByMember_.end() ? std::vector<int32_t>{} : found->second;
}

std::vector<Member*> Roster::members() const {
    std::vector<Member*> result;
    result.reserve(members_.size());
    for (const auto& m : members_) {
        result.push_back(m.get());
    }
    return result;
}

std::vector<Sprite*> Roster::sprites() const {
    std::vector<Sprite*> result;
    result.reserve(sprites_.size());
    for (const auto& s : sprites_) {
        result.push_back(s.get());
    }
    return result;
}

std::vector<int32_t> Roster::spriteIds() const {
    std::vector<int32_t> result;
    result.reserve(sprites_.size());
    for (const auto& s : sprites_) {
        result.push_back(s->id());
    }
    return result;
}

std::unique_ptr<Sprite> Roster::takeSprite(Sprite& sprite) {
    auto found = spriteIds_.find(sprite.id());
    if (found == spriteIds_.end() || found->second->get() != &sprite) {
        return nullptr;
    }
    std::unique_ptr<Sprite> taken = std::move(*found->second);
    sprites_.erase(found->second);
    spriteIds_.erase(found);
    auto of = spritesByMember_.find(taken->member().id());
    if (of != spritesByMember_.end()) {
        std::erase(of->second, taken->id());
        if (of->second.empty()) {
            spritesByMember_.erase(of);
        }
    }
    return taken;
}

std::unique_ptr<Member> Roster::takeMember(Member& member) {
    auto found = memberIds_.find(member.id());
    if (found == memberIds_.end() || found->second->get() != &member) {
        return nullptr;
    }
    std::unique_ptr<Member> taken = std::move(*found->second);
    members_.erase(found->second);
    memberIds_.erase(found);
    memberNames_.erase(taken->name());
    return taken;
}

} // namespace zxhost
