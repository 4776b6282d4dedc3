#pragma once

#include "exchange/editing/EditTool.h"

// Places a horizontal (70 x 10) or vertical (10 x 70) bus bar with its lower-right
// corner at the click, numbered one past the current bus count.
class CBusTool : public CEditTool {
public:
    explicit CBusTool(bool horizontal) : m_horizontal(horizontal) {}

    void Click(CDiagramEditor& editor, CPointL point) override;
    void DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const override;

private:
    bool m_horizontal;
};
