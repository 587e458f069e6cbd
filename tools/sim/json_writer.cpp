#include "json_writer.h"

#include <cstdio>

namespace {

void appendQuoted(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

void JsonWriter::open(const char* key) {
    if (!firstInScope.back()) out += ',';
    firstInScope.back() = false;
    if (key != nullptr) {
        appendQuoted(out, key);
        out += ':';
    }
}

void JsonWriter::beginObject(const char* key) {
    open(key);
    out += '{';
    firstInScope.push_back(true);
}

void JsonWriter::endObject() {
    firstInScope.pop_back();
    out += '}';
}

void JsonWriter::beginArray(const char* key) {
    open(key);
    out += '[';
    firstInScope.push_back(true);
}

void JsonWriter::endArray() {
    firstInScope.pop_back();
    out += ']';
}

void JsonWriter::number(const char* key, double value) {
    open(key);
    char text[64];
    // Enough digits to give a float back exactly, so equal dumps mean equal states.
    std::snprintf(text, sizeof text, "%.9g", value);
    out += text;
}

void JsonWriter::integer(const char* key, long long value) {
    open(key);
    out += std::to_string(value);
}

void JsonWriter::boolean(const char* key, bool value) {
    open(key);
    out += value ? "true" : "false";
}

void JsonWriter::string(const char* key, const std::string& value) {
    open(key);
    appendQuoted(out, value);
}
