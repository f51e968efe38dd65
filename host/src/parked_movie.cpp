// Parking a movie aside and putting it back.
#include "parked_movie.h"

namespace zxhost {

ParkedMovie::ParkedMovie(HostImpl& host)
    : host_(host), stage_(host.stage->snapshot()), script_(host.movieScript) {
    host_.roster.swap(roster_);
}

ParkedMovie::~ParkedMovie() {
    if (restored_) {
        return;
    }
    // Sprites before the members they show. Inside a plug-in call (a handler that loads a
    // movie) the calling sprite must outlive the call: it waits with the retired objects.
    while (roster_.hasSprites()) {
        std::unique_ptr<Sprite> sprite = roster_.takeSprite(roster_.lastSprite());
        if (host_.callDepth > 0) {
            host_.retiredSprites.push_back(std::move(sprite));
        }
    }
    while (roster_.hasMembers()) {
        std::unique_ptr<Member> member = roster_.takeMember(roster_.lastMember());
        if (host_.callDepth > 0) {
            host_.retiredMembers.push_back(std::move(member));
        }
    }
}

void ParkedMovie::restore() {
    host_.owner.clearMovie();
    host_.roster.swap(roster_);
    host_.stage->restore(stage_);
    host_.movieScript = std::move(script_);
    restored_ = true;
}

} // namespace zxhost
