#include "player.h"

namespace zentrix::play {

void Player::openDialog(zxhost::Sprite&) {}

} // namespace zentrix::play
