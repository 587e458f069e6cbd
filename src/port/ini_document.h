#pragma once
// A plain INI file as a player writes it: sections in brackets, "key = value" lines, and
// comments starting with '#' or ';'. Every line is kept as it was read, so that a rewrite
// changes only the values that were set and keeps the player's comments and unknown keys.
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
  public:
    // A line that is none of the above (nor blank), by its number from 1 and its text.
    struct BadLine {
        int number;
        std::string text;
    };

    // Splits the text into lines; a line it cannot read is kept as it is and reported.
    static IniDocument parse(std::string_view text, std::vector<BadLine>& bad);

    // The value of the first "key = value" in that section (keys and sections match without
    // regard to case), or null.
    const std::string* find(std::string_view section, std::string_view key) const;

    // The line number of that key, or 0.
    int lineOf(std::string_view section, std::string_view key) const;

    // Sets the value of the key: in place where it is, otherwise at the end of its section
    // (made when missing) with the comment line above it. True when the text changed.
    bool set(std::string_view section, std::string_view key, std::string_view value,
             std::string_view comment);

    // The whole document, one "\n"-ended line after another.
    std::string text() const;

  private:
    struct Line {
        std::string text;    // the line as it will be written
        std::string section; // the section it belongs to
        std::string key;     // empty unless the line is a key and value
        std::string value;
    };
    const Line* entry(std::string_view section, std::string_view key) const;
    std::vector<Line> lines_;
};
