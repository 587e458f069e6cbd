#pragma once
// The ideal frame of a blit log: the same pixels drawn with nothing but the copies, each
// keyed rectangle from a run-length encoded surface of its own and no fill where an opaque
// copy then covers the whole screen. The frame benchmark's yardstick for a game pass.
#include "graphics/blit_log.h"

#include <map>
#include <utility>
#include <vector>

class IdealFrame {
  public:
    IdealFrame() = default;
    ~IdealFrame();
    IdealFrame(const IdealFrame&) = delete;
    IdealFrame& operator=(const IdealFrame&) = delete;

    // Prepares the steps of one frame's log; surfaces cut for earlier logs are kept for reuse.
    // The log's sources must still be alive.
    void prepare(const std::vector<BlitRecord>& log);

    // Draws the prepared frame into the back buffer.
    void draw() const;

  private:
    using CellKey = std::pair<const Surface*, std::pair<long long, long long>>;
    const Surface* cellOf(const BlitRecord& record);

    std::vector<BlitRecord> steps; // sources replaced by their cut cells
    std::map<CellKey, Surface*> cells;
};
