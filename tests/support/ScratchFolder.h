// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test fixture with an empty folder of its own under the temporary
// directory, removed with everything in it after the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace zarn::test {

class ScratchFolder : public ::testing::Test {
protected:
    explicit ScratchFolder(const std::string& stem)
        : m_dir(std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid())))
    {
    }
    void SetUp() override
    {
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        // A test may have taken the write permission away.
        std::error_code ignored;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::filesystem::path m_dir;
};

}  // namespace zarn::test
