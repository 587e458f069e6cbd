#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

ScopedWorkDir::ScopedWorkDir() : previous(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvish-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a work directory";
    dir = pattern;
    std::filesystem::current_path(dir);
}

ScopedWorkDir::~ScopedWorkDir() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}
