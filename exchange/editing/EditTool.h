#pragma once

#include "model/Rect.h"

class CDiagramEditor;
class CDrawSurface;

// One editing tool of the diagram: what a click does with it armed, what a mouse move
// does, and the ghost it shows under the pointer before the click.
class CEditTool {
public:
    virtual ~CEditTool() = default;

    // `point` is in logical units, already snapped for every tool but the pointer.
    virtual void Click(CDiagramEditor& editor, CPointL point) = 0;
    // Called on every move with the snapped position.
    virtual void Move(CDiagramEditor& editor, CPointL point) {
        (void)editor;
        (void)point;
    }
    // The ghost at the editor's last point; the pointer draws none.
    virtual void DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const {
        (void)surface;
        (void)editor;
    }
    // Bus-attached symbols turn by 90 degrees with the space bar.
    virtual bool Rotates() const { return false; }
};
