// wsprintfA: the Windows formatter's conversions, flags and its 1024-character bound.
#include <cstring>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[2048];
    int n = wsprintfA(buffer, pattern, args...);
    EXPECT_EQ(n, static_cast<int>(std::string(buffer).size()));
    return buffer;
}

TEST(KernelFormat, IntegersInEveryBase) {
    EXPECT_EQ(format("#%d", 102), "#102");
    EXPECT_EQ(format("%i|%u", -5, -1), "-5|4294967295");
    EXPECT_EQ(format("%x %X %#x %#X", 255, 255, 255, 255), "ff FF 0xff 0XFF");
    EXPECT_EQ(format("%ld %lu %lx", -2147483647 - 1, 4000000000u, 0xDEADBEEF),
              "-2147483648 4000000000 deadbeef");
}

TEST(KernelFormat, WidthsFlagsAndPrecision) {
    EXPECT_EQ(format("[%5d][%-5d][%05d][%-05d]", 42, 42, 42, 42), "[   42][42   ][00042][42   ]");
    EXPECT_EQ(format("[%05d]", -42), "[-0042]");
    EXPECT_EQ(format("[%.3d][%6.3d]", 7, 7), "[007][   007]");
    EXPECT_EQ(format("[%.2s][%-4s][%4s]", "abcdef", "ab", "ab"), "[ab][ab  ][  ab]");
    EXPECT_EQ(format("%c%c%%", 'o', 'k'), "ok%");
}

TEST(KernelFormat, NullStringAndUnknownConversion) {
    EXPECT_EQ(format("%s", static_cast<const char*>(nullptr)), "(null)");
    // No floats on Windows: the letter is written and no argument is read.
    EXPECT_EQ(format("%f|%d", 3), "f|3");
}

TEST(KernelFormat, OutputStopsAt1023Characters) {
    std::string long_text(3000, 'x');
    char buffer[4096];
    std::memset(buffer, '#', sizeof buffer);
    int n = wsprintfA(buffer, "%s%s", long_text.c_str(), "tail");
    EXPECT_EQ(n, 1023);
    EXPECT_EQ(buffer[1023], '\0');
    EXPECT_EQ(buffer[1024], '#');
    EXPECT_EQ(format("%2000d", 1).size(), 1023u);
}

} // namespace
