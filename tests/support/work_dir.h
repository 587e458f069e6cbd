#pragma once
// Runs a test in a fresh, empty working directory of its own, so that files written at
// relative paths ("sys_debug.log", ./images/...) never meet another test's.
#include <filesystem>
#include <string>

class ScopedWorkDir {
  public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& path() const { return dir; }

  private:
    std::filesystem::path previous;
    std::filesystem::path dir;
};

// The whole text of a file, or "" when it cannot be read.
std::string readFile(const std::filesystem::path& file);

// Writes text to a file, replacing it.
void writeFile(const std::filesystem::path& file, const std::string& text);
