#pragma once
// A small streaming JSON writer: objects, arrays, and numbers, strings and booleans, with
// commas placed by itself. Enough for the simulator's dumps.
#include <string>
#include <vector>

class JsonWriter {
  public:
    void beginObject(const char* key = nullptr);
    void endObject();
    void beginArray(const char* key = nullptr);
    void endArray();
    void number(const char* key, double value);
    void integer(const char* key, long long value);
    void boolean(const char* key, bool value);
    void string(const char* key, const std::string& value);

    const std::string& text() const { return out; }

  private:
    void open(const char* key);
    std::string out;
    std::vector<bool> firstInScope{true};
};
