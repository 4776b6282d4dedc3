#pragma once

#include "model/Rect.h"

namespace tarvex::editing {

// Snaps one coordinate to the 10-unit grid. The remainder keeps the sign of the value
// (truncating division), so positive values round to the nearest multiple of 10 with
// ties upward, and negative ones always move toward zero: -127 becomes -120. The
// canvas has y <= 0, so vertical positions snap upward; drawings rely on it.
constexpr int SnapCoordinate(int c) {
    const int r = c % 10;
    return r < 5 ? c - r : c - r + 10;
}

constexpr CPointL SnapPoint(CPointL p) {
    return {SnapCoordinate(p.x), SnapCoordinate(p.y)};
}

} // namespace tarvex::editing
