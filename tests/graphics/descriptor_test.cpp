#include "graphics/descriptor.h"

#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Descriptor, ReadsWhatItUnderstandsAndRefusesTheRest) {
    ScopedWorkDir dir;
    constexpr int kInvalid = -99;
    const struct {
        std::string text;
        int frames; // kInvalid for a file that must be refused
        int width = 0;
    } cases[] = {
        {"# player\r\n\r\n  spriteWidth = 46 # cell\r\n#last\r\ntotalFrames = 16", 16, 46},
        {"totalFrames = 4x\n", 112}, // every character after the first multiplies in
        {"totalFrames = -\n", 0},
        {"spriteWidth = 9\n", 0, 9}, // a missing key keeps its value
        {"\ttotalFrames = 4\n", kInvalid},
        {"totalFrames = 4\nspeed = 2\n", kInvalid},
        {"totalFrames = four\n", kInvalid},
        {"totalFrames = 4\nspriteWidth ", kInvalid}, // the file ends inside an entry
        {"totalFrames = 4\nspriteWidth =  ", kInvalid},
        {std::string(300, 'k') + " = 4\n", kInvalid}, // longer than a key's buffer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        writeFile("sprite.ini", c.text);
        SpriteDescriptor values;
        const bool valid = parseDescriptor("sprite.ini", values);
        EXPECT_EQ(valid, c.frames != kInvalid);
        if (!valid) continue;
        EXPECT_EQ(values.totalFrames, c.frames);
        EXPECT_EQ(values.spriteWidth, c.width);
        EXPECT_EQ(values.spriteHeight, 0);
    }
    SpriteDescriptor values;
    EXPECT_FALSE(parseDescriptor("absent.ini", values));
}

} // namespace
