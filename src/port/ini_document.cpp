#include "port/ini_document.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// A name of a section or key: letters, digits, '_', '-' and '.'.
bool goodName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
    });
}

// A value holds no control characters; a file of binary garbage fails here.
bool goodValue(std::string_view value) {
    return std::none_of(value.begin(), value.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; });
}

} // namespace

IniDocument IniDocument::parse(std::string_view text, std::vector<BadLine>& bad) {
    IniDocument document;
    std::string section;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        Line line{std::string(raw), section, {}, {}};
        const std::string_view body = trimmed(raw);
        const std::size_t equals = body.find('=');
        if (body.empty() || body.front() == '#' || body.front() == ';') {
            // blank or a comment
        } else if (body.front() == '[' && body.back() == ']' &&
                   goodName(trimmed(body.substr(1, body.size() - 2)))) {
            section = std::string(trimmed(body.substr(1, body.size() - 2)));
            line.section = section;
        } else if (equals != std::string_view::npos && goodName(trimmed(body.substr(0, equals))) &&
                   goodValue(body.substr(equals + 1))) {
            line.key = std::string(trimmed(body.substr(0, equals)));
            line.value = std::string(trimmed(body.substr(equals + 1)));
        } else {
            bad.push_back({number, std::string(raw)});
        }
        document.lines_.push_back(std::move(line));
    }
    return document;
}

const IniDocument::Line* IniDocument::entry(std::string_view section, std::string_view key) const {
    for (const Line& line : lines_)
        if (!line.key.empty() && sameName(line.section, section) && sameName(line.key, key))
            return &line;
    return nullptr;
}

const std::string* IniDocument::find(std::string_view section, std::string_view key) const {
    const Line* line = entry(section, key);
    return line != nullptr ? &line->value : nullptr;
}

int IniDocument::lineOf(std::string_view section, std::string_view key) const {
    const Line* line = entry(section, key);
    return line != nullptr ? static_cast<int>(line - lines_.data()) + 1 : 0;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value,
                      std::string_view comment) {
    const std::string text = std::string(key) + " = " + std::string(value);
    if (const Line* found = entry(section, key)) {
        Line& line = lines_[static_cast<std::size_t>(found - lines_.data())];
        if (line.value == value) return false;
        line.text = text;
        line.value = std::string(value);
        return true;
    }
    // After the last line of the section that is not blank, or a new section at the end.
    auto last = lines_.end();
    for (auto it = lines_.begin(); it != lines_.end(); ++it)
        if (sameName(it->section, section) && !trimmed(it->text).empty()) last = it + 1;
    const std::string name(section);
    std::vector<Line> added;
    if (last == lines_.end() && std::none_of(lines_.begin(), lines_.end(), [&](const Line& l) {
            return sameName(l.section, section);
        })) {
        if (!lines_.empty()) added.push_back({"", lines_.back().section, {}, {}});
        added.push_back({"[" + name + "]", name, {}, {}});
    }
    if (!comment.empty()) added.push_back({"# " + std::string(comment), name, {}, {}});
    added.push_back({text, name, std::string(key), std::string(value)});
    lines_.insert(last, added.begin(), added.end());
    return true;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_)
        out += line.text + "\n";
    return out;
}
