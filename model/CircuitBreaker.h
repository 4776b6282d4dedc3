#pragma once

#include "model/Element.h"

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// A switch between two buses. An open breaker takes every branch between its two buses
// (in either order) out of the analyses.
class CCircuitBreaker : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CCircuitBreaker";
    CCircuitBreaker() = default;
    CCircuitBreaker(int x, int y, int bus1, int bus2);

    int m_bus1 = 0, m_bus2 = 0;
    int m_closed = 1;

    int GetBus(int end) const { return end == 1 ? m_bus1 : end == 2 ? m_bus2 : 0; }
    int IsClosed() const { return m_closed; }
    void Toggle() { m_closed = m_closed == 1 ? 0 : 1; }
    // The unordered bus pair of a branch.
    bool Matches(int busA, int busB) const {
        return (m_bus1 == busA && m_bus2 == busB) || (m_bus1 == busB && m_bus2 == busA);
    }

    // The symbol on the diagram (every element draws with the same arguments).
    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int resultState) const;

    // The saved fields in document file order (writes when storing, reads when
    // loading); loading also clears the selection and every result.
    void Serialize(CArchive& ar);
};
