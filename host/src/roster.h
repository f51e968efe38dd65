// The movie's members and sprites: cast and score order, look-ups by id and by name in
// constant time, the sprites of each member, and the objects taken out of the movie while a
// plug-in call was on the stack. Movies of tens of thousands of members load, render and
// clear in time linear in their size.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "zxhost/member.h"
#include "zxhost/sprite.h"

namespace zxhost {

class Roster {
public:
    Roster() = default;
    Roster(const Roster&) = delete;
    Roster& operator=(const Roster&) = delete;
    // Sprites go before the members they show.
    ~Roster() { clear(); }
    void clear();
    // Exchanges the whole movie with another roster (a movie parked while another loads).
    // The objects stay where they are: pointers and ids keep naming the same members and
    // sprites.
    void swap(Roster& other) noexcept;

    Member& addMember(std::unique_ptr<Member> member);
    Sprite& addSprite(std::unique_ptr<Sprite> sprite);

    Member* member(int32_t id) const;
    Member* member(const std::string& name) const;
    Sprite* sprite(int32_t id) const;
    // The ids of a member's sprites, in the order they were added.
    std::vector<int32_t> spriteIdsOf(int32_t memberId) const;

    std::vector<Member*> members() const;
    std::vector<Sprite*> sprites() const;
    std::vector<int32_t> spriteIds() const;
    bool hasSprites() const { return !sprites_.empty(); }
    bool hasMembers() const { return !members_.empty(); }
    Sprite& lastSprite() const { return *sprites_.back(); }
    Member& lastMember() const { return *members_.back(); }

    // Takes an object out of the movie: look-ups no longer find it, and the caller owns it.
    std::unique_ptr<Sprite> takeSprite(Sprite& sprite);
    std::unique_ptr<Member> takeMember(Member& member);

private:
    using MemberList = std::list<std::unique_ptr<Member>>;
    using SpriteList = std::list<std::unique_ptr<Sprite>>;
    MemberList members_;
    SpriteList sprites_;
    std::unordered_map<int32_t, MemberList::iterator> memberIds_;
    std::unordered_map<std::string, Member*> memberNames_;
    std::unordered_map<int32_t, SpriteList::iterator> spriteIds_;
    std::unordered_map<int32_t, std::vector<int32_t>> spritesByMember_;
};

} // namespace zxhost
