#include "zxplugin/debug_message.h"

#include <string>

#include <gtest/gtest.h>

#include "zxhost/host.h"

TEST(DebugMessage, LongMessageIsCutToTheBufferInsteadOfOverrunningIt) {
    zxhost::Host host(std::vector<std::string>{});
    host.messages();
    const std::string longText(600, 'x');
    zx::debugMessage("%s-%d", longText.c_str(), 42);
    const auto messages = host.messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().kind, "messagebox");
    EXPECT_EQ(messages.back().caption, "MOA_DEBUG");
    EXPECT_EQ(messages.back().text, std::string(255, 'x'));
}
