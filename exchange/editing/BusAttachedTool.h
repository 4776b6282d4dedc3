#pragma once

#include "exchange/editing/EditTool.h"
#include "model/SkemtorApp.h"
#include "model/draw/DrawSurface.h"

// Places a symbol beside the first bus the click hits, turned to the current direction:
// a capacitor, an injection or voltage meter, a generator, an impedance to ground or a
// short circuit.
class CBusAttachedTool : public CEditTool {
public:
    explicit CBusAttachedTool(CSkemtorApp::Tool kind) : m_kind(kind) {}

    void Click(CDiagramEditor& editor, CPointL point) override;
    void DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const override;
    bool Rotates() const override { return true; }

    // Upper-left corner of the ghost glyph for a pointer at `at`, so that the ghost
    // covers exactly the rectangle the element will get.
    static CPointL GhostCorner(CPointL at, int direction, bool generator);
    static GlyphKind GlyphFor(CSkemtorApp::Tool kind);

private:
    CSkemtorApp::Tool m_kind;
};
