#include "graphics/descriptor.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Parsed {
    bool valid;
    SpriteDescriptor values;
};

Parsed parse(const std::string& text) {
    writeFile("sprite.ini", text);
    Parsed result{false, {}};
    result.valid = parseDescriptor("sprite.ini", result.values);
    return result;
}

TEST(Descriptor, CommentsBlankLinesAnyOrderAndCrLfAllRead) {
    ScopedWorkDir dir;
    const Parsed parsed = parse("# player\r\n\r\n  spriteWidth = 46 # cell\r\n"
                                "spriteHeight  =   12\r\n#last\r\ntotalFrames = 16");
    EXPECT_TRUE(parsed.valid);
    EXPECT_EQ(parsed.values.spriteWidth, 46);
    EXPECT_EQ(parsed.values.spriteHeight, 12);
    EXPECT_EQ(parsed.values.totalFrames, 16);
}

TEST(Descriptor, AnythingUpToTheEqualsSignIsSkippedAcrossLines) {
    ScopedWorkDir dir;
    const Parsed parsed = parse("spriteWidth junk\n\n= 5\nspriteWidth = 7\n");
    EXPECT_TRUE(parsed.valid);
    EXPECT_EQ(parsed.values.spriteWidth, 7); // the later entry wins
}

TEST(Descriptor, EveryCharacterAfterTheFirstMultipliesIn) {
    ScopedWorkDir dir;
    EXPECT_EQ(parse("totalFrames = 4x\n").values.totalFrames, 112);
    EXPECT_EQ(parse("totalFrames = -\n").values.totalFrames, 0);
    EXPECT_EQ(parse("totalFrames = -12\n").values.totalFrames, -12);
    EXPECT_EQ(parse("totalFrames = 99999999999\n").values.totalFrames, 1215752191); // wraps
}

TEST(Descriptor, FaultyFilesAreInvalid) {
    ScopedWorkDir dir;
    const std::string cases[] = {
        "\ttotalFrames = 4\n",              // a tab starts a key
        "totalFrames = 4\nspeed = 2\n",     // unknown fourth key
        "totalFrames = four\n",             // text value
        "totalFrames=16\n",                 // key ends only at a space
        "totalFrames = 4\nspriteWidth",     // end of file in the key
        "totalFrames = 4\nspriteWidth ",    // end of file before "="
        "totalFrames = 4\nspriteWidth =  ", // end of file before the value
        std::string(300, 'k') + " = 4\n",   // key longer than its buffer
        "Totalframes = 4\n",                // keys are case-sensitive
    };
    for (const std::string& text : cases)
        EXPECT_FALSE(parse(text).valid) << text;
}

TEST(Descriptor, AMissingFileIsInvalidAndMissingKeysStayUntouched) {
    ScopedWorkDir dir;
    SpriteDescriptor values;
    EXPECT_FALSE(parseDescriptor("absent.ini", values));
    const Parsed partial = parse("spriteWidth = 9\n");
    EXPECT_TRUE(partial.valid);
    EXPECT_EQ(partial.values.totalFrames, 0);
    EXPECT_EQ(partial.values.spriteHeight, 0);
}

} // namespace
