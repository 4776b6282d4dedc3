#pragma once

#include "exchange/editing/EditTool.h"
#include "model/SkemtorApp.h"

// Places a circuit breaker, a power flow meter or a current meter on the first branch
// the click hits, centred on the click and naming the branch's two buses in its order.
class CBranchAttachedTool : public CEditTool {
public:
    explicit CBranchAttachedTool(CSkemtorApp::Tool kind) : m_kind(kind) {}

    void Click(CDiagramEditor& editor, CPointL point) override;
    void DrawGhost(CDrawSurface& surface, const CDiagramEditor& editor) const override;

private:
    CSkemtorApp::Tool m_kind;
};
