#include "picture_files.h"

#include "support/work_dir.h"

#include <sstream>

namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return v;
}

} // namespace

std::uint32_t Picture::at(int x, int y) const {
    std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    return std::uint32_t(rgb[i]) << 16 | std::uint32_t(rgb[i + 1]) << 8 | rgb[i + 2];
}

std::optional<Picture> readPicture(const std::filesystem::path& file, std::string& why) {
    std::string b = readFile(file);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return why = "no bitmap header", std::nullopt;
    std::uint32_t offset = le(b, 10, 4);
    auto w = std::int32_t(le(b, 18, 4)), h = std::int32_t(le(b, 22, 4));
    if (le(b, 14, 4) != 40 || le(b, 26, 2) != 1 || le(b, 28, 2) != 24 || le(b, 30, 4) != 0)
        return why = "not a 24-bit BI_RGB bitmap", std::nullopt;
    if (w <= 0 || h <= 0) return why = "not a bottom-up bitmap", std::nullopt;
    std::size_t row = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    if (le(b, 2, 4) != b.size() || offset + row * std::size_t(h) != b.size())
        return why = "size does not match the header", std::nullopt;
    Picture p{w, h, std::vector<std::uint8_t>(std::size_t(w) * std::size_t(h) * 3)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::size_t src = offset + std::size_t(h - 1 - y) * row + std::size_t(x) * 3;
            std::size_t dst = (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3;
            p.rgb[dst] = std::uint8_t(b[src + 2]);
            p.rgb[dst + 1] = std::uint8_t(b[src + 1]);
            p.rgb[dst + 2] = std::uint8_t(b[src]);
        }
    return p;
}

std::optional<std::map<std::string, int>> readDescriptor(const std::filesystem::path& file) {
    std::string text = readFile(file);
    if (text.empty() || text.back() != '\n' || text.find('\r') != std::string::npos)
        return std::nullopt;
    std::map<std::string, int> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string key, equals, value, rest;
        if (!(words >> key >> equals >> value) || equals != "=" || (words >> rest))
            return std::nullopt;
        if (value.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        if (line != key + " = " + value || entries.count(key)) return std::nullopt;
        entries[key] = std::stoi(value);
    }
    return entries;
}
