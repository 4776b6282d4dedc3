#pragma once

// A rectangle in the diagram's logical coordinates: 0.01 inch units, x growing to the
// right and y growing upward, so m_yMax is the top edge.
struct CRectL {
    int m_xMin = 0;
    int m_yMax = 0;
    int m_xMax = 0;
    int m_yMin = 0;

    // Inclusive on every edge: a point on the outline hits.
    bool Contains(int x, int y) const {
        return m_xMin <= x && x <= m_xMax && m_yMin <= y && y <= m_yMax;
    }
    bool operator==(const CRectL&) const = default;
};

struct CPointL {
    int x = 0;
    int y = 0;
    bool operator==(const CPointL&) const = default;
};
