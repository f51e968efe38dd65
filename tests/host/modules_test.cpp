#include <fstream>

#include "host_fixture.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"

namespace {

TEST(ModuleLoading, MissingFileNamesThePath) {
    zxhost::Host host;
    try {
        host.loadModule("/nonexistent/ghost32.so");
        FAIL() << "no error";
    } catch (const zxhost::Error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/ghost32.so"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("no such file"), std::string::npos);
    }
}

TEST(ModuleLoading, FileThatIsNoLibraryIsRefused) {
    const std::string path = zxtest::scratchPath("broken32.so");
    std::ofstream(path) << "not a shared object";
    zxhost::Host host;
    EXPECT_THROW(host.loadModule(path), zxhost::Error);
}

TEST(ModuleLoading, LibraryWithoutTheExportsIsNotAPlugin) {
    zxhost::Host host;
    try {
        host.loadModule(zxtest::pluginDir() + "/libw32.so");
        FAIL() << "no error";
    } catch (const zxhost::Error& error) {
        EXPECT_NE(std::string(error.what()).find("missing export DllGetClassInfo"),
                  std::string::npos)
            << error.what();
    }
}

TEST(ModuleLoading, BrokenModulesInPluginFoldersAreSkippedWithTheirErrors) {
    const std::string dir = zxtest::scratchPath("plugins");
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/junk32.so") << "junk";
    std::ofstream(dir + "/libhelper32.so") << "a library, not a plug-in";
    zxhost::Host host({dir});
    EXPECT_TRUE(host.kinds().empty());
    ASSERT_EQ(host.loadErrors().size(), 1u);
    EXPECT_NE(host.loadErrors()[0].find("junk32.so"), std::string::npos);
    EXPECT_THROW(host.newMember("tallydisc", "x"), zxhost::Error);
}

struct Counter : ::testing::Test {
    void SetUp() override { ZX_REQUIRE_COUNTER(); }
    zxhost::Host host{{zxtest::pluginDir()}};
};

TEST_F(Counter, RegistersItsKindWithTheFiveKeysInOrder) {
    zxhost::Module* module = host.findModule("tallydisc");
    ASSERT_NE(module, nullptr);
    const zxhost::KindInfo& kind = module->kind();
    EXPECT_EQ(kind.displayName, "Tallydisc");
    EXPECT_EQ(kind.category, "Zentrix");
    EXPECT_EQ(kind.actorType, 1);
    EXPECT_EQ(kind.assetCaps, 18);
    ASSERT_EQ(kind.entries.size(), 5u);
    const char* keys[] = {"symbolString", "displayNameString", "displayCategoryString", "actorType",
                          "assetCaps"};
    const int32_t types[] = {9, 9, 9, 3, 8};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(kind.entries[i].key, keys[i]);
        EXPECT_EQ(kind.entries[i].type, types[i]);
    }
    EXPECT_EQ(kind.entries[4].length, 4);
    EXPECT_EQ(module->classes().size(), 3u);
}

TEST_F(Counter, ClassInfoWithAFailingAllocatorGivesOutOfMemoryAndNoTable) {
    zxhost::Module* module = host.findModule("tallydisc");
    ASSERT_NE(module, nullptr);
    host.hooks().failAt(zxhost::fault::kAlloc);
    zx::ClassInfoEntry* table = reinterpret_cast<zx::ClassInfoEntry*>(0x1);
    EXPECT_EQ(module->exports().getClassInfo(module->allocator(), &table), zx::kOutOfMemory);
    EXPECT_EQ(table, nullptr);
}

TEST_F(Counter, RegistrationFaultsAreReportedWithTheModulePath) {
    zxhost::Host fresh;
    fresh.hooks().failNth(zxhost::fault::kPut, 3, zx::kNotSupported);
    try {
        fresh.loadModule(zxtest::pluginDir() + "/tallydisc32.so");
        FAIL() << "no error";
    } catch (const zxhost::Error& error) {
        EXPECT_NE(std::string(error.what()).find("tallydisc32.so"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("0x800407D0"), std::string::npos);
    }
    EXPECT_EQ(fresh.hooks().records.puts.size(), 3u); // stopped at the failing Put
}

TEST_F(Counter, UnloadsOnlyWhenNothingIsAlive) {
    zxhost::Module* module = host.findModule("tallydisc");
    ASSERT_NE(module, nullptr);
    zxhost::Member& member = host.newMember("tallydisc", "odo");
    EXPECT_EQ(module->canUnloadNow(), zx::kObjectsAlive);
    EXPECT_FALSE(host.unloadModule(*module));
    host.deleteMember(member);
    EXPECT_EQ(module->canUnloadNow(), 0);
    EXPECT_EQ(host.hooks().records.instancesCreated, host.hooks().records.instancesDestroyed);
    EXPECT_TRUE(host.unloadModule(*module));
    // Loading again registers afresh.
    EXPECT_NE(host.findModule("tallydisc"), nullptr);
}

} // namespace
