#pragma once
// The arena: a square of this many pixels a side, the whole world of the game.
inline constexpr int kArenaSize = 2400;
