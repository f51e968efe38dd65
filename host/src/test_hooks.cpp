#include "zxhost/test_hooks.h"

namespace zxhost {

void TestHooks::failAt(const std::string& place, FaultRule rule) {
    faults_[place] = rule;
    calls_[place] = 0;
}

void TestHooks::failNth(const std::string& place, int32_t nth, int32_t code) {
    failAt(place, FaultRule{nth, code, false});
}

void TestHooks::clearFaults() {
    faults_.clear();
    calls_.clear();
}

int32_t TestHooks::check(const std::string& place) {
    const int32_t call = ++calls_[place];
    auto found = faults_.find(place);
    if (found == faults_.end()) {
        return 0;
    }
    const FaultRule& rule = found->second;
    const bool fails = rule.nth == 0 || call == rule.nth || (rule.repeat && call > rule.nth);
    return fails ? rule.code : 0;
}

int32_t TestHooks::calls(const std::string& place) const {
    auto found = calls_.find(place);
    return found == calls_.end() ? 0 : found->second;
}

int32_t TestHooks::liveReferenceTotal() const {
    int32_t total = 0;
    for (const auto& [name, count] : liveReferences) {
        total += count;
    }
    return total;
}

} // namespace zxhost
