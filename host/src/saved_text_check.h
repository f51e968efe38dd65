// The check that a member's texts survive its saved block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zxhost {

class HostImpl;
class Member;

// One line per text property of the member whose value, read after loading `block` into a
// fresh member of its kind, differs from the member's own ("member 'eq': its text
// 'Eq1String' does not survive saving (291 characters, 263 after loading)").
std::vector<std::string> savedTextLosses(HostImpl& host, Member& member,
                                         const std::vector<uint8_t>& block);

} // namespace zxhost
