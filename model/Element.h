#pragma once

#include "model/Rect.h"

class CArchive;

// What every diagram element except the branch has: its screen rectangle and the
// editor's selection flag. Elements are plain data; they refer to buses by number only.
class CElement {
public:
    int m_xMin = 0;
    int m_yMax = 0;
    int m_xMax = 0;
    int m_yMin = 0;
    int m_selected = 0; // never saved

    bool HitTest(int x, int y) const { return GetRect().Contains(x, y); }
    void SetSelected(int flag) { m_selected = flag; }
    int IsSelected() const { return m_selected; }
    CRectL GetRect() const { return {m_xMin, m_yMax, m_xMax, m_yMin}; }
    void SetRect(const CRectL& rect);
    // The rectangle as the document file holds it: top, left, bottom, right.
    void SerializeRect(CArchive& ar);

    // Rectangle of a symbol placed at (x, y) beside a bus: it extends `length` along its
    // axis and `halfWidth` either side of it. Orientation 0 lies to the left of the
    // point, 90 below it, 180 to the right and 270 above (y grows upward).
    static CRectL SymbolRect(int x, int y, int orientation, int length, int halfWidth);

    // The 6 x 6 square of the branch-attached symbols (breaker, flow and current meters).
    static CRectL SquareRect(int x, int y) { return {x - 3, y + 3, x + 3, y - 3}; }

    // Symbol sizes: shunts, meters, faults and impedances to ground, and generators.
    static constexpr int kSymbolLength = 20;
    static constexpr int kSymbolHalfWidth = 5;
    static constexpr int kGeneratorLength = 25;
    static constexpr int kGeneratorHalfWidth = 8;
};
