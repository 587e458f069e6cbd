#include "support/game_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

void linkGameFolder(const char* folder) {
    const char* gameDir = std::getenv("QUORVISH_GAME_DIR");
    ASSERT_NE(gameDir, nullptr) << "QUORVISH_GAME_DIR is not set";
    const std::filesystem::path target = std::filesystem::path(gameDir) / folder;
    ASSERT_TRUE(std::filesystem::is_directory(target)) << target;
    std::filesystem::create_directory_symlink(target, folder);
}
