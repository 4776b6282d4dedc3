#pragma once

#include "exchange/editing/EditTool.h"

class CSkemtorDoc;
class CBus;

// Selection: a click selects every element of the kinds visible in the mode that it
// hits and deselects the rest; the hit elements publish their result text. In Network
// Edit mode a selected bus with nothing connected follows the mouse.
class CPointerTool : public CEditTool {
public:
    void Click(CDiagramEditor& editor, CPointL point) override;
    void Move(CDiagramEditor& editor, CPointL point) override;

    // Whether anything carries the bus's number, which pins the bus in place.
    static bool HasConnections(const CSkemtorDoc& doc, int busNumber);
};
