#include "ideal_frame.h"

#include "graphics/surface.h"

namespace {

long long corner(int a, int b) {
    return (static_cast<long long>(a) << 32) | static_cast<unsigned>(b);
}

bool coversScreen(const BlitRecord& record, int width, int height) {
    return record.source != nullptr && !record.keyed && record.x == 0 && record.y == 0 &&
           record.from.right - record.from.left >= width &&
           record.from.bottom - record.from.top >= height;
}

} // namespace

IdealFrame::~IdealFrame() {
    for (auto& [key, cell] : cells)
        releaseSurface(cell);
}

const Surface* IdealFrame::cellOf(const BlitRecord& record) {
    const CellKey key{
        record.source,
        {corner(record.from.left, record.from.top), corner(record.from.right, record.from.bottom)}};
    auto [at, added] = cells.try_emplace(key, nullptr);
    if (added) {
        at->second = cutCell(record.source, record.from);
        prepareCopies(at->second);
    }
    return at->second;
}

void IdealFrame::prepare(const std::vector<BlitRecord>& log) {
    steps.clear();
    int width = 0, height = 0;
    screenSize(width, height);
    for (std::size_t i = 0; i < log.size(); ++i) {
        BlitRecord step = log[i];
        if (step.source == nullptr) {
            if (i + 1 < log.size() && coversScreen(log[i + 1], width, height)) continue;
        } else if (step.keyed) {
            step.source = cellOf(step);
            step.from = SourceRect{0, 0, step.from.right - step.from.left,
                                   step.from.bottom - step.from.top};
        }
        steps.push_back(step);
    }
}

void IdealFrame::draw() const {
    for (const BlitRecord& step : steps) {
        if (step.source == nullptr)
            clearScreen(step.fill);
        else
            blitClipped(step.x, step.y, step.source, step.from, step.keyed ? kBlitColourKey : 0);
    }
}
