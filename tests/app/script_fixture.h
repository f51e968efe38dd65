// A host with the built plug-ins and a movie script on it, for the Lua API tests.
#pragma once

#include <gtest/gtest.h>

#include <lua.hpp>
#include <unistd.h>

#include <zxhost/host.h>
#include <zxlua/movie_script.h>

#include <filesystem>
#include <memory>
#include <string>

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zx_app_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        host_ = std::make_unique<zxhost::Host>(std::vector<std::string>{ZX_BINARY_DIR "/bin"});
        script_ = std::make_unique<zxlua::MovieScript>(*host_);
    }
    void TearDown() override {
        script_.reset();
        host_.reset();
        std::filesystem::remove_all(dir_);
    }

    // Runs script text as "test.lua" with relative paths in the test's folder.
    void run(const std::string& code) { script_->runString(code, "test.lua", dir_); }

    // The one-line error of a failing script ("" when it ran).
    std::string errorOf(const std::string& code) {
        try {
            run(code);
        } catch (const zxlua::ScriptError& e) {
            return e.what();
        }
        return "";
    }

    // A global of the script after it ran.
    long long integer(const char* global);
    double number(const char* global);
    std::string text(const char* global);

    std::filesystem::path dir_;
    std::unique_ptr<zxhost::Host> host_;
    std::unique_ptr<zxlua::MovieScript> script_;
};
