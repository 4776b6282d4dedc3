#pragma once

// What the diagram editor asks of the window it works in: scroll sizes that follow the
// canvas, and the cursor, which is hidden and the mouse grabbed while a placement tool
// is armed so that the tool's ghost is the only pointer the user sees.
class CEditorHost {
public:
    virtual ~CEditorHost() = default;

    virtual void CanvasResized() = 0;
    virtual void SetCursorHidden(bool hidden) = 0;
    virtual void SetMouseCaptured(bool captured) = 0;
    // The ghost moved or turned: repaint the overlay.
    virtual void GhostChanged() = 0;
};
