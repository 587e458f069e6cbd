#include "graphics/present_layout.h"

#include <algorithm>
#include <cstdint>

PresentLayout presentLayout(int frameWidth, int frameHeight, int outputWidth, int outputHeight) {
    PresentLayout layout{1, 0, 0, frameWidth, frameHeight};
    if (frameWidth <= 0 || frameHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) {
        return layout;
    }
    layout.factor = std::max(1, std::min(outputWidth / frameWidth, outputHeight / frameHeight));
    // Compare the two aspect ratios in integers so an exact fit never loses a pixel.
    const std::int64_t wide = std::int64_t{outputWidth} * frameHeight;
    const std::int64_t tall = std::int64_t{outputHeight} * frameWidth;
    if (wide >= tall) { // bars left and right
        layout.height = outputHeight;
        layout.width = static_cast<int>(std::int64_t{outputHeight} * frameWidth / frameHeight);
    } else { // bars above and below
        layout.width = outputWidth;
        layout.height = static_cast<int>(std::int64_t{outputWidth} * frameHeight / frameWidth);
    }
    layout.x = (outputWidth - layout.width) / 2;
    layout.y = (outputHeight - layout.height) / 2;
    return layout;
}

PresentLayout integerLayout(int frameWidth, int frameHeight, int outputWidth, int outputHeight) {
    PresentLayout layout = presentLayout(frameWidth, frameHeight, outputWidth, outputHeight);
    if (layout.width < frameWidth) return layout;
    layout.width = frameWidth * layout.factor;
    layout.height = frameHeight * layout.factor;
    layout.x = (outputWidth - layout.width) / 2;
    layout.y = (outputHeight - layout.height) / 2;
    return layout;
}
