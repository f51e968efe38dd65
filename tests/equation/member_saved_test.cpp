#include <string>
#include <vector>

#include "member_fixture.h"

using zxhost::Value;

namespace {

int32_t wordAt(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<int32_t>(uint32_t{bytes[offset]} << 24 | uint32_t{bytes[offset + 1]} << 16 |
                                uint32_t{bytes[offset + 2]} << 8 | uint32_t{bytes[offset + 3]});
}

} // namespace

TEST_F(EquationMemberThroughHost, SavedBlockHoldsEightBigEndianWordsThenTheText) {
    member->setProp("BlackBorder", Value(1));
    member->setProp("BackColor", Value(0x010203));
    member->setProp("TextColor", Value(0x040506));
    member->setProp("Enabled", Value(0));
    member->setProp("ShowFunctionVars", Value(1));
    member->setProp("ShowIndepVars", Value(0));
    member->setProp("AngleUnits", Value(1));
    member->setProp("NumEquations", Value(2));
    member->setProp("Eq1String", Value("2|y=1|z=2"));
    const std::string stored = text("Eq1String");
    const auto bytes = member->save();
    ASSERT_EQ(bytes.size(), 288u);
    const std::vector<int32_t> words = {1, 0x010203, 0x040506, 0, 1, 0, 1, 2};
    for (size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(wordAt(bytes, 4 * i), words[i]) << "word " << i;
    }
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[32])), stored);
}

TEST_F(EquationMemberThroughHost, SavedMemberReloadsBitIdentically) {
    member->setProp("NumEquations", Value(2));
    member->setProp("TextColor", Value(0x123456));
    member->setProp("Eq1String", Value("2|y=x+1|z=y*2"));
    member->setProp("IndVarName", Value("x"));
    const auto bytes = member->save();
    auto& copy = host.newMember("formulon", "copy");
    EXPECT_EQ(copy.load(bytes), zx::kOk);
    EXPECT_EQ(copy.save(), bytes);
    EXPECT_EQ(copy.getProp("Eq1String").value, member->getProp("Eq1String").value);
    EXPECT_EQ(copy.getProp("TextColor").value, Value(0x123456));
}

TEST_F(EquationMemberThroughHost, LongTextIsSavedCutWithATerminator) {
    member->call("InsertString", {Value(std::string(79, '1'))});
    for (int i = 0; i < 4; ++i) {
        member->call("InsertString", {Value(std::string(79, '2'))});
    }
    ASSERT_GT(text("Eq1String").size(), 255u);
    const auto bytes = member->save();
    EXPECT_EQ(bytes[287], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[32])).size(), 255u);
}

TEST_F(EquationMemberThroughHost, LoadedTextWithoutTerminatorStopsAtTheBuffer) {
    auto bytes = member->save();
    std::fill(bytes.begin() + 32, bytes.end(), static_cast<uint8_t>('5'));
    auto& copy = host.newMember("formulon", "copy");
    EXPECT_EQ(copy.load(bytes), zx::kOk);
    const std::string stored = copy.getProp("Eq1String").value.as<std::string>();
    EXPECT_LE(std::count(stored.begin(), stored.end(), '5'), 255);
}

TEST_F(EquationMemberThroughHost, BlockOfAnotherSizeKeepsValuesButAppliesThem) {
    member->setProp("BackColor", Value(0x112233));
    auto bytes = member->save();
    bytes.pop_back();
    auto& other = host.newMember("formulon", "other");
    other.setProp("AngleUnits", Value(1));
    EXPECT_EQ(member->load(bytes), zx::kOk);
    EXPECT_EQ(member->getProp("BackColor").value, Value(0x112233));
    // The member's own angle unit (radians) was applied to the module again.
    EXPECT_EQ(other.getProp("AngleUnits").value, Value(0));
}
