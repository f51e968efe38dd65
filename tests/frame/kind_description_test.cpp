// The description a module gives of its kind: one entry per script-visible row with its
// type, access, default from setDefaults, saved position and dialog control.
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "zxhost/host.h"
#include "zxhost/module.h"

namespace {

class KindDescription : public ::testing::Test {
protected:
    KindDescription() : host(std::vector<std::string>{}) {
        kind = host.loadModule(ZX_SAMPLE_MODULE).description();
    }

    const ZxPropertyDescription& property(const std::string& name) const {
        for (uint32_t i = 0; i < kind->propertyCount; ++i) {
            if (name == kind->properties[i].name) {
                return kind->properties[i];
            }
        }
        throw std::runtime_error("no property " + name);
    }

    zxhost::Host host;
    const ZxKindDescription* kind = nullptr;
};

} // namespace

TEST_F(KindDescription, NamesTheKindAndEveryScriptRowInOrder) {
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->symbol, "sample");
    ASSERT_EQ(kind->propertyCount, 12u);
    EXPECT_STREQ(kind->properties[0].name, "Minimum");
    EXPECT_STREQ(kind->properties[11].name, "Reset");
    EXPECT_EQ(kind->commandCount, 0u);
}

TEST_F(KindDescription, DefaultsAreWhatSetDefaultsWrites) {
    EXPECT_STREQ(property("Value").initial, "5");
    EXPECT_STREQ(property("BackColor").initial, "0xFFFFFF");
    EXPECT_STREQ(property("ForeColor").initial, "0xFF0000"); // blue: 0xBBGGRR
    EXPECT_STREQ(property("Step").initial, "4");
    EXPECT_STREQ(property("Caption").initial, "\"Level\"");
    EXPECT_STREQ(property("Span").initial, "computed");
}

TEST_F(KindDescription, TypesAccessSavedPositionsAndControls) {
    const ZxPropertyDescription& caption = property("Caption");
    EXPECT_STREQ(caption.type, "text");
    EXPECT_EQ(caption.capacity, 31); // a 32-byte buffer keeps its NUL
    EXPECT_EQ(caption.savedAt, 6);
    EXPECT_STREQ(caption.control, "edit 1010");
    EXPECT_STREQ(property("Border").control, "check box 1011");
    EXPECT_STREQ(property("Orientation").control, "radios 1012-1013");
    EXPECT_STREQ(property("BackColor").type, "colour");
    EXPECT_STREQ(property("Step").type, "float");

    EXPECT_STREQ(property("Minimum").access, "both");
    EXPECT_STREQ(property("Drags").access, "read");
    EXPECT_EQ(property("Drags").savedAt, -1);
    EXPECT_STREQ(property("Drags").control, "");
    EXPECT_STREQ(property("Span").access, "read");
    EXPECT_STREQ(property("Reset").access, "write");
}

TEST(KindDescriptionCommands, TooFewArgumentsCodeFollowsTheMinimum) {
    zxhost::Host host(std::vector<std::string>{});
    const ZxKindDescription* kind = host.loadModule(ZX_PROBE_MODULE).description();
    ASSERT_NE(kind, nullptr);
    ASSERT_GT(kind->commandCount, 0u);
    for (uint32_t i = 0; i < kind->commandCount; ++i) {
        const ZxCommandDescription& c = kind->commands[i];
        EXPECT_EQ(c.tooFewCode, 0x800407E0u + static_cast<uint32_t>(c.minArguments)) << c.name;
    }
}
