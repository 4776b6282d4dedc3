#pragma once

#include "exchange/editing/EditTool.h"

// Draws a branch as a polyline from a point on one bus to a point on another: the first
// click must hit a bus, clicks off any bus add intermediate points, and the click that
// hits a bus ends the branch there. The points gathered so far belong to the document,
// so switching tools and coming back continues the same branch.
class CLineTool : public CEditTool {
public:
    void Click(CDiagramEditor& editor, CPointL point) override;
    void DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const override;

    // Shown when a branch already holds all the points it can but its end bus.
    static constexpr const char* kFullMessage =
        "This branch cannot take more points. Click a bus to finish it.";
};
