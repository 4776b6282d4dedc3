#pragma once

#include "model/Element.h"

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// A fault for the short-circuit analysis at a bus.
class CShort : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CShort";
    static constexpr int kThreePhase = 3;
    static constexpr int kSinglePhase = 1; // line to ground

    CShort() = default;
    CShort(int x, int y, int orientation, int bus);

    int m_bus = 0;
    int m_faultType = kThreePhase;
    int m_orientation = 0;

    int GetBus() const { return m_bus; }
    // The fault dialog returns 0 for "no choice"; that is kept as a three-phase fault.
    void SetFaultType(int type) { m_faultType = type == 0 ? kThreePhase : type; }

    // The symbol on the diagram (every element draws with the same arguments).
    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int resultState) const;

    // The saved fields in document file order (writes when storing, reads when
    // loading); loading also clears the selection and every result.
    void Serialize(CArchive& ar);
};
