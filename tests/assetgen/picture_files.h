#pragma once
// Reads back what the generator wrote, independently of the generator's own code: a strict
// reader of 24-bit uncompressed bitmaps and of "key = value" sprite descriptors.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb; // top row first, three bytes a pixel

    std::uint32_t at(int x, int y) const; // 0xRRGGBB
};

// The picture, or nothing (with the reason in why) when the file is not a well-formed
// 24-bit BI_RGB bitmap whose size matches its header.
std::optional<Picture> readPicture(const std::filesystem::path& file, std::string& why);

// The descriptor's entries, or nothing when a line is not "key = number" ending in LF.
std::optional<std::map<std::string, int>> readDescriptor(const std::filesystem::path& file);
