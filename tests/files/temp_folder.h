#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

#include "files/folder_lock.h"

namespace zoquel::test_support {

// A fresh folder for each test, removed afterwards even when the test left it locked.
class TempFolderTest : public ::testing::Test {
protected:
    explicit TempFolderTest(std::string prefix) : prefix_(std::move(prefix)) {}
    void SetUp() override {
        // A parameterised test's name holds a '/': one folder, not a folder in a folder.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir = std::filesystem::temp_directory_path() / (prefix_ + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        unlock_folder(dir);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;

private:
    std::string prefix_;
};

}  // namespace zoquel::test_support
